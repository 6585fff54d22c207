// Start, pause and stop; the timer that paces steps; the rest-state update; actuator clicks.

#include "circuito_teste.h"
#include <gtest/gtest.h>

using namespace zefira;
using namespace zefira::teste;

namespace {

struct Circuito_Simples {
    Circuito k;
    TComponente &s = k.tomada(6);
    TComponente &v = k.valvula(3, {S_3VA, S_3VF, -1}, 2);
    TComponente &c = k.cilindro(2, 20);
    TComponente &e = k.e_ou(EOU_OU);
    TComponente &r = k.e_ou(EOU_REGULADORA);
    TComponente &w1 = k.fio(s, 1, v, 1);
    TComponente &w2 = k.fio(v, 2, e, 1);
    TComponente &w3 = k.fio(e, 2, c, 1);
    Circuito_Simples()
    {
        v.valvula_direcional->definir_acao_manual(false, 2); // latching button
        v.valvula_direcional->mola_dir = true;
        r.valvula_e_ou_esc_reg->definir_estado(2);
    }
};

} // namespace

// Start disables editing and keeps the positions it starts from; stop restores them.
TEST(ControleSimulacao, IniciarDesabilitaEdicaoPararRestauraOEstadoConfigurado)
{
    Circuito_Simples q;
    q.c.cilindro->selecionar();
    q.k.estado.numero_selecionados = 1;
    q.v.valvula_direcional->acionado_dir = true;
    iniciarClick(q.k.estado);
    const TControles &k = q.k.estado.controles;
    EXPECT_TRUE(k.TBiniciar_baixo);
    EXPECT_FALSE(k.TBiniciar || k.iniciar || k.paleta || k.editar || k.componentes || k.novo || k.abrir ||
                 k.salvar || k.salvarcomo || k.TBnovo || k.TBabrir || k.TBsalvar || k.TBcortar ||
                 k.TBcopiar || k.TBcolar || k.TBexcluir || k.demo);
    EXPECT_TRUE(k.TBparar && k.parar && k.TBpausar && k.pausar);
    EXPECT_FALSE(q.c.cilindro->selecionado());
    EXPECT_EQ(q.k.estado.numero_selecionados, 0);
    EXPECT_EQ(q.c.cilindro->posicao_partida, 20);
    EXPECT_FALSE(q.v.valvula_direcional->acionado_dir);
    EXPECT_EQ(q.k.estado.modo, 15);
    q.k.clicar(q.v);
    q.k.passo();
    q.k.passo();
    ASSERT_EQ(q.c.cilindro->posicao, 100);
    ASSERT_EQ(q.v.valvula_direcional->posicao_atual, 1);
    ASSERT_EQ(q.e.valvula_e_ou_esc_reg->estado(), 2);
    ASSERT_EQ(q.w3.fio->pressao, 6);

    TBpararClick(q.k.estado);
    EXPECT_EQ(q.k.estado.modo, 0);
    EXPECT_EQ(q.c.cilindro->posicao, 20);
    EXPECT_EQ(q.c.cilindro->forca, 0);
    EXPECT_EQ(q.v.valvula_direcional->posicao_atual, 2);
    EXPECT_EQ(q.e.valvula_e_ou_esc_reg->estado(), 1);
    EXPECT_EQ(q.r.valvula_e_ou_esc_reg->estado(), 2); // a regulator keeps its direction
    for (TComponente *w : {&q.w1, &q.w2, &q.w3})
        EXPECT_EQ(w->fio->pressao, 0);

    EXPECT_TRUE(k.TBiniciar && k.iniciar && k.paleta && k.editar && k.TBexcluir && k.salvarcomo && k.demo);
    EXPECT_FALSE(k.TBiniciar_baixo);
    EXPECT_FALSE(k.TBparar || k.parar);
    EXPECT_TRUE(k.TBpausar && k.pausar);

    // A second stop outside a simulation keeps positions edited since.
    q.c.cilindro->posicao = 70;
    TBpararClick(q.k.estado);
    EXPECT_EQ(q.c.cilindro->posicao, 70);
}

// Shifting a valve re-lays its wires, but running a circuit is not editing it: steps and the
// stop leave the document exactly as changed as it was before the start.
TEST(ControleSimulacao, PassosEParadaNaoModificamODocumento)
{
    for (const bool antes : {false, true}) {
        SCOPED_TRACE(antes);
        Circuito_Simples q;
        q.v.valvula_direcional->piloto_dir = true; // its port moves with the valve's body
        q.v.atualizar_geometria();
        TComponente &w = q.k.fio_solto(q.v, 7);
        w.fio->adicionar_ponto(q.v.ponto(7));
        w.fio->adicionar_ponto(400, 220);
        const TPonto ponta = w.fio->ponto(0);
        q.k.estado.modificado = antes;
        q.k.iniciar();
        q.k.clicar(q.v);
        q.k.passo();
        ASSERT_EQ(q.v.valvula_direcional->posicao_atual, 1);
        EXPECT_NE(w.fio->ponto(0), ponta);
        EXPECT_EQ(w.fio->ponto(0), q.v.ponto(7));
        q.k.passo();
        EXPECT_EQ(q.k.estado.modificado, antes);
        TBpararClick(q.k.estado);
        EXPECT_EQ(w.fio->ponto(0), ponta);
        EXPECT_EQ(q.k.estado.modificado, antes);
    }
}

TEST(ControleSimulacao, PausaCongelaERetomadaNaoReinicia)
{
    Circuito_Simples q;
    q.k.iniciar();
    pausarClick(q.k.estado); // the buttons it leaves: UnicoPasso.F7ConformeOEstado

    // Clicks still toggle the signal while paused; nothing moves until the resume.
    Pressionar_Acionador(q.k.estado, q.v.esquerda - 10, q.v.topo + 5);
    Soltar_Acionadores(q.k.estado, false);
    EXPECT_TRUE(q.v.valvula_direcional->acionado_esq);
    TApresentacaoSimulacao nada;
    for (int i = 0; i < 60; ++i)
        Timer1Timer(q.k.estado, nada);
    EXPECT_EQ(q.v.valvula_direcional->posicao_atual, 2);
    EXPECT_EQ(q.c.cilindro->posicao, 20);

    q.c.cilindro->posicao = 30; // resume keeps the saved start position
    iniciarClick(q.k.estado);
    EXPECT_TRUE(q.v.valvula_direcional->acionado_esq);
    EXPECT_EQ(q.c.cilindro->posicao_partida, 20);
    q.k.passo();
    EXPECT_EQ(q.v.valvula_direcional->posicao_atual, 1);
}

TEST(ControleSimulacao, AtualizacaoDeRepousoUmaVezAposParar)
{
    Circuito k;
    TComponente &c = k.cilindro(2, 100);
    c.cilindro->definir_rotulo(1, "fim", 100);
    auto no_rotulo = [&k](int mecanica) -> TComponente & {
        TComponente &v = k.valvula(3, {S_3VA, S_3VF, -1}, 2);
        v.valvula_direcional->rotulo = "fim";
        v.valvula_direcional->definir_acao_mecanica(false, mecanica);
        return v;
    };
    TComponente &rolete = no_rotulo(2), &gatilho = no_rotulo(3), &pino = no_rotulo(1);

    TApresentacaoSimulacao nada;
    Timer1Timer(k.estado, nada); // the first tick after start-up
    EXPECT_TRUE(k.estado.acionadores_atualizados);
    EXPECT_EQ(rolete.valvula_direcional->posicao_atual, 1);
    EXPECT_EQ(pino.valvula_direcional->posicao_atual, 1); // every referring valve, not the first
    EXPECT_EQ(gatilho.valvula_direcional->posicao_atual, 2);
    EXPECT_TRUE(rolete.valvula_direcional->acionado_esq);

    rolete.valvula_direcional->posicao_atual = 2; // were it moved by hand, it stays: done once
    Timer1Timer(k.estado, nada);
    EXPECT_EQ(rolete.valvula_direcional->posicao_atual, 2);

    k.estado.controles.TBiniciar_baixo = true;
    TBiniciarClick(k.estado);
    for (int i = 0; i < 20; ++i)
        Timer1Timer(k.estado, nada);
    EXPECT_FALSE(k.estado.acionadores_atualizados);
    TBpararClick(k.estado);
    Timer1Timer(k.estado, nada);
    EXPECT_TRUE(k.estado.acionadores_atualizados);
    EXPECT_EQ(rolete.valvula_direcional->posicao_atual, 1);
    EXPECT_EQ(gatilho.valvula_direcional->posicao_atual, 2);
}

// Every cylinder standing on a label presses the label's rollers once: a 3-position valve under
// two of them moves two squares, re-anchored square by square. (Its cost, which must not grow
// with cylinders times valves sharing a label, is measured in bench/, not here.)
TEST(ControleSimulacao, RepousoComRotuloCompartilhado)
{
    Circuito k;
    TComponente &v = k.valvula(4, {S_4CAN, S_4CF, S_4CAP}, 3);
    v.valvula_direcional->rotulo = QStringLiteral("x");
    v.valvula_direcional->definir_acao_mecanica(false, 2);
    for (int i = 0; i < 2; ++i)
        k.cilindro(2, 40).cilindro->definir_rotulo(1, QStringLiteral("x"), 40);
    const int esquerda = v.esquerda, passo = v.valvula_direcional->parte(1)->figura().width() - 1;
    AtualizarAcionadores(k.estado);
    EXPECT_EQ(v.valvula_direcional->posicao_atual, 1);
    EXPECT_EQ(v.esquerda, esquerda + 2 * passo);
}

// A push button or selector switch is pressed by a click anywhere on it, once per click; a
// momentary button springs back at the release, a selector stays.
TEST(ControleSimulacao, CliqueDentroDoBotaoEletrico)
{
    for (int modo : {0, 6}) { // NA push button, selector switch
        Circuito k;
        TComponente &b = k.estado.lista().adicionar(TIPO_BOTAO, 300, -1, -1, -1, 200);
        TVariante variante;
        variante.eletrico = modo;
        b.familia().posicionar(k.estado.lista(), b, variante);
        k.iniciar();
        Pressionar_Acionador(k.estado, (b.esquerda + b.direita) / 2, (b.topo + b.baixo) / 2);
        EXPECT_TRUE(b.eletrico->acionado) << modo;
        Soltar_Acionadores(k.estado, false);
        EXPECT_EQ(b.eletrico->acionado, modo != 0);
    }
}

TEST(ControleSimulacao, CliqueNasFaixasDosAcionadores)
{
    Circuito k;
    TComponente &v = k.valvula(3, {S_3VA, S_3VF, -1}, 2);
    TValvula_Direcional &vd = *v.valvula_direcional;
    vd.definir_acao_manual(false, 1);
    const int y = v.topo + 3;

    Pressionar_Acionador(k.estado, v.esquerda - 5, y); // not simulating: nothing
    EXPECT_FALSE(vd.acionado_esq);

    k.iniciar();
    Pressionar_Acionador(k.estado, v.direita + 5, y); // no actuator on the right
    EXPECT_FALSE(vd.acionado_dir);
    Pressionar_Acionador(k.estado, v.esquerda - 21, y); // just outside the band
    EXPECT_FALSE(vd.acionado_esq);
    Pressionar_Acionador(k.estado, v.esquerda - 20, y);
    EXPECT_TRUE(vd.acionado_esq);
    EXPECT_FALSE(vd.liberado);
    Pressionar_Acionador(k.estado, v.esquerda, v.baixo); // a second press toggles it off
    EXPECT_FALSE(vd.acionado_esq);

    vd.definir_acao_mecanica(true, 2);
    Pressionar_Acionador(k.estado, v.esquerda - 1, y);
    Pressionar_Acionador(k.estado, v.direita + 20, y); // refused: the left side is actuated
    EXPECT_FALSE(vd.acionado_dir);

    Soltar_Acionadores(k.estado, true);
    EXPECT_FALSE(vd.liberado);
    Soltar_Acionadores(k.estado, false);
    EXPECT_TRUE(vd.liberado);
}
