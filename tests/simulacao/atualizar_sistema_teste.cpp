// One simulation step: valve shifting under buttons, latches, pilots and springs, spring return
// of single-acting cylinders, and label contacts.

#include "circuito_teste.h"
#include <gtest/gtest.h>

using namespace zefira;
using namespace zefira::teste;

namespace {

// A 3/2 normally closed valve: 3va in position 1, 3vf in position 2, resting in 2, with a
// spring on the right.
TComponente &valvula_3_2(Circuito &k)
{
    TComponente &v = k.valvula(3, {S_3VA, S_3VF, -1}, 2);
    v.valvula_direcional->mola_dir = true;
    return v;
}

// The valve's position after each of n steps, appended to r.
void passos(Circuito &k, const TComponente &v, int n, std::vector<int> &r)
{
    for (int i = 0; i < n; ++i) {
        k.passo();
        r.push_back(v.valvula_direcional->posicao_atual);
    }
}

} // namespace

// The worked sequence on this circuit (shift, advance, spring return, with their forces and
// wire pressures) is pinned through zefira-cli simular: SimularCli.SequenciaTrabalhada. Buttons
// held with Shift, released and latched are run on the demonstrations: SimulacaoDemos.
TEST(AtualizarSistema, NadaSemSimulacaoOuComInicioLevantado)
{
    Circuito k;
    TComponente &s = k.tomada(6);
    TComponente &w = k.fio(s, 1, valvula_3_2(k), 1);
    k.estado.modo = MODO_SIMULACAO; // started but the start button is up: paused
    k.passo();
    EXPECT_EQ(w.fio->pressao, 0);
    k.estado.modo = MODO_EDICAO;
    k.estado.controles.TBiniciar_baixo = true;
    k.passo();
    EXPECT_EQ(w.fio->pressao, 0);
}

TEST(AtualizarSistema, PilotoSeguraEnquantoPressurizado)
{
    Circuito k;
    TComponente &s = k.tomada(6);
    TComponente &v = valvula_3_2(k);
    v.valvula_direcional->piloto_esq = true;
    k.fio(s, 1, v, 6);
    k.iniciar();
    std::vector<int> posicoes;
    passos(k, v, 3, posicoes);
    s.tomada_ar->conexao = -1; // the pilot line loses its supply
    passos(k, v, 2, posicoes);
    EXPECT_EQ(posicoes, (std::vector<int>{1, 1, 1, 2, 2}));
    EXPECT_FALSE(v.valvula_direcional->acionado_esq);
}

TEST(AtualizarSistema, DoisPilotosPressurizadosDeixamAsMolasAgir)
{
    Circuito k;
    TComponente &a = k.tomada(6);
    TComponente &b = k.tomada(6);
    TComponente &v = k.valvula(3, {S_3VA, S_3VF, -1}, 1);
    v.valvula_direcional->piloto_esq = v.valvula_direcional->piloto_dir = true;
    v.valvula_direcional->mola_dir = true;
    k.fio(a, 1, v, 6);
    k.fio(b, 1, v, 7);
    k.iniciar();
    k.passo();
    EXPECT_TRUE(v.valvula_direcional->acionado_esq);
    EXPECT_TRUE(v.valvula_direcional->acionado_dir);
    EXPECT_EQ(v.valvula_direcional->posicao_atual, 2); // the right spring, not the pilots
    k.passo();
    EXPECT_EQ(v.valvula_direcional->posicao_atual, 2);
}

TEST(AtualizarSistema, Valvula5_3ComDuasMolasNaoVoltaAoCentro)
{
    Circuito k;
    TComponente &v = k.valvula(5, {S_5D, S_5CF, S_5E}, 2);
    TValvula_Direcional &vd = *v.valvula_direcional;
    vd.mola_esq = vd.mola_dir = true;
    vd.definir_acao_manual(false, 3);
    vd.definir_acao_manual(true, 3);
    k.iniciar();
    k.clicar(v, true);
    k.passo();
    EXPECT_EQ(vd.posicao_atual, 3);
    for (int i = 0; i < 3; ++i)
        k.passo();
    EXPECT_EQ(vd.posicao_atual, 3);
    k.clicar(v, false);
    k.passo();
    EXPECT_EQ(vd.posicao_atual, 2);
    k.passo();
    EXPECT_EQ(vd.posicao_atual, 2);
}

TEST(AtualizarSistema, RetornoPorMolaSaiDoContatoUmMilimetroPrimeiro)
{
    // Single acting at 100 on a label a roller refers to; its port 1 vents through a 3/2 valve.
    Circuito k;
    TComponente &v = valvula_3_2(k);
    TComponente &c = k.cilindro(1, 100);
    c.cilindro->definir_rotulo(1, "fim", 100);
    c.cilindro->definir_rotulo(2, "meio", 40);
    TComponente &rolete = k.valvula(3, {S_3VA, S_3VF, -1});
    rolete.valvula_direcional->rotulo = "fim";
    rolete.valvula_direcional->definir_acao_mecanica(false, 2);
    k.fio(v, 2, c, 1);
    k.iniciar();
    k.passo();
    EXPECT_EQ(c.cilindro->posicao, 99);
    EXPECT_EQ(c.cilindro->forca, 900);
    k.passo();
    EXPECT_EQ(c.cilindro->posicao, 40); // every label is a stop, referred to or not
    k.passo();
    EXPECT_EQ(c.cilindro->posicao, 0);
}

TEST(AtualizarSistema, RetornoPorMolaComPorta1Livre)
{
    // Port 1 free: the move uses the last root's pressure and flow (none yet: 100 Kgf).
    Circuito k;
    TComponente &c = k.cilindro(1, 60);
    k.iniciar();
    k.passo();
    EXPECT_EQ(c.cilindro->posicao, 0);
    EXPECT_EQ(c.cilindro->forca, 100);
}

TEST(AtualizarSistema, RoleteSeguraGatilhoAgeUmPasso)
{
    Circuito k;
    TComponente &s = k.tomada(6);
    TComponente &c = k.cilindro(2, 0);
    c.cilindro->definir_rotulo(1, "R", 100);
    c.cilindro->definir_rotulo(2, "G", 100);
    k.fio(s, 1, c, 1);
    TComponente &rolete = valvula_3_2(k);
    rolete.valvula_direcional->rotulo = "R";
    rolete.valvula_direcional->definir_acao_mecanica(false, 2);
    TComponente &gatilho = valvula_3_2(k);
    gatilho.valvula_direcional->rotulo = "G";
    gatilho.valvula_direcional->definir_acao_mecanica(false, 3);
    k.iniciar();
    k.passo();
    EXPECT_EQ(c.cilindro->posicao, 100);
    EXPECT_EQ(rolete.valvula_direcional->posicao_atual, 1);
    EXPECT_EQ(gatilho.valvula_direcional->posicao_atual, 1);
    EXPECT_TRUE(rolete.valvula_direcional->redesenhar);
    k.passo(); // the cylinder stands on both labels
    EXPECT_EQ(rolete.valvula_direcional->posicao_atual, 1);
    EXPECT_EQ(gatilho.valvula_direcional->posicao_atual, 2);
    k.passo();
    EXPECT_EQ(rolete.valvula_direcional->posicao_atual, 1);
}

TEST(AtualizarSistema, SoAPrimeiraValvulaDoRotuloEPressionada)
{
    Circuito k;
    TComponente &s = k.tomada(6);
    TComponente &c = k.cilindro(2, 0);
    c.cilindro->definir_rotulo(1, "F", 100);
    k.fio(s, 1, c, 1);
    // A valve without a left mechanical actuator is not driven by labels, even first in list.
    TComponente &sem_acionador = valvula_3_2(k);
    TComponente &primeira = valvula_3_2(k);
    TComponente &segunda = valvula_3_2(k);
    for (TComponente *v : {&primeira, &segunda, &sem_acionador})
        v->valvula_direcional->rotulo = "F";
    primeira.valvula_direcional->definir_acao_mecanica(false, 2);
    segunda.valvula_direcional->definir_acao_mecanica(false, 1);
    k.iniciar();
    k.passo();
    EXPECT_EQ(primeira.valvula_direcional->posicao_atual, 1);
    EXPECT_EQ(segunda.valvula_direcional->posicao_atual, 2);
    EXPECT_EQ(sem_acionador.valvula_direcional->posicao_atual, 2);
}

TEST(AtualizarSistema, TomadaDocadaEm4capAlimentaAs2Saidas)
{
    // Docked: both exits are walked even though the first vents. Wired: only the first.
    for (bool docada : {true, false}) {
        Circuito k;
        TComponente &s = k.tomada(6);
        TComponente &v = k.valvula(4, {S_4D, S_4CAP, S_4E}, 2);
        TComponente &w4 = k.fio_solto(v, 4);
        if (docada)
            k.docar_tomada(s, v, 1);
        else
            k.fio(s, 1, v, 1);
        k.iniciar();
        k.passo();
        EXPECT_EQ(w4.fio->pressao, docada ? 6 : 0);
    }
}

// A supply docked on a cylinder feeds it directly, with no chamber flags; docked on a junction,
// an AND valve or a wire it feeds nothing.
TEST(AtualizarSistema, TomadaDocadaNoCilindroAlimentaEmOutroTipoNaoMudaNada)
{
    Circuito k;
    TComponente &s = k.tomada(8);
    TComponente &direto = k.cilindro(2, 0);
    k.docar_tomada(s, direto, 1);
    TComponente &a = k.tomada(6);
    TComponente &b = k.tomada(6);
    TComponente &c2 = k.tomada(6);
    TComponente &j = k.jump();
    TComponente &e = k.e_ou(EOU_E);
    TComponente &c = k.cilindro(2, 30);
    TComponente &w = k.fio(j, 2, c, 1);
    TComponente &w2 = k.fio(e, 2, c, 2);
    k.docar_tomada(a, j, 1);
    k.docar_tomada(b, e, 1);
    k.docar_tomada(c2, w, 1); // docked on a wire
    k.iniciar();
    k.passo();
    EXPECT_EQ(c.cilindro->posicao, 30);
    EXPECT_EQ(w.fio->pressao, 0);
    EXPECT_EQ(w2.fio->pressao, 0);
    EXPECT_EQ(e.valvula_e_ou_esc_reg->estado(), 1);
    EXPECT_EQ(direto.cilindro->posicao, 100);
    EXPECT_EQ(direto.cilindro->forca, 900);
    EXPECT_FALSE(direto.cilindro->pressurizado_1);
    k.passo();
    EXPECT_EQ(direto.cilindro->posicao, 100);
}

// A solenoid acts as a pilot does: a single-solenoid valve goes back by its spring when the
// current stops, a double-solenoid one keeps its last position until the other side is energised.
TEST(AtualizarSistema, SolenoideComoPilotoSimplesVoltaPelaMolaDuploGuardaAPosicao)
{
    for (bool duplo : {false, true}) {
        SCOPED_TRACE(duplo ? "duplo" : "simples");
        Circuito k;
        TComponente &v = valvula_3_2(k);
        v.valvula_direcional->definir_solenoide(false, QStringLiteral("1Y1"));
        if (duplo) {
            v.valvula_direcional->mola_dir = false;
            v.valvula_direcional->definir_solenoide(true, QStringLiteral("1Y2"));
        }
        TComponente *botoes[2] = {};
        for (int lado = 0; lado < (duplo ? 2 : 1); ++lado) {
            TComponente &mais = k.lista().adicionar(TIPO_BORNE, 0, -1, -1, -1, 0);
            TComponente &menos = k.lista().adicionar(TIPO_BORNE, 0, -1, -1, -1, 0);
            menos.eletrico->modo = 1;
            TComponente &botao = k.lista().adicionar(TIPO_BOTAO, 0, -1, -1, -1, 0);
            TComponente &y = k.lista().adicionar(TIPO_SOLENOIDE, 0, -1, -1, -1, 0);
            y.eletrico->tag = lado ? QStringLiteral("1y2") : QStringLiteral("1Y1"); // tags ignore case
            k.fio(mais, 1, botao, 1);
            k.fio(botao, 2, y, 1);
            k.fio(y, 2, menos, 1);
            botoes[lado] = &botao;
        }
        k.estado.modo = MODO_SIMULACAO;
        k.estado.controles.TBiniciar_baixo = true;
        std::vector<int> r;
        botoes[0]->eletrico->acionado = true;
        passos(k, v, 2, r);
        botoes[0]->eletrico->acionado = false;
        passos(k, v, 2, r);
        if (duplo) {
            botoes[1]->eletrico->acionado = true;
            passos(k, v, 1, r);
        }
        const std::vector<int> esperado = duplo ? std::vector<int>{1, 1, 1, 1, 2} : std::vector<int>{1, 1, 2, 2};
        EXPECT_EQ(r, esperado);
    }
}
