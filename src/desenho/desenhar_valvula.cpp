// Directional valve drawing of TRenderizador: cam, actuators, springs, squares, port stubs and
// the caption.
#include "desenho/renderizador.h"

#include <map>
#include <vector>

namespace zefira {

namespace {

constexpr int GATILHO = 3;
constexpr int COMPRIMENTO_TOCO = 6;

// The one picture a side shows besides its spring: manual wins over mechanical, mechanical
// over pilot.
enum class Acionador { Nenhum, Manual, Mecanico, Gatilho, Piloto };

// Vertical offset from "bottom-aligned" (y = baixo - h), without and with a spring on the same
// side: the spring takes the upper part of the side, so the actuator drops when it is there.
struct Alinhamento {
    int sem_mola;
    int com_mola;
};

const std::map<Acionador, Alinhamento> ALINHAMENTO = {
    {Acionador::Manual, {-5, 0}},
    {Acionador::Mecanico, {-8, 0}},
    {Acionador::Gatilho, {5, 10}},
    {Acionador::Piloto, {-9, -1}},
};

Acionador acionador_do_lado(const TValvula_Direcional &v, bool dir)
{
    if (v.acao_manual(dir) != 0)
        return Acionador::Manual;
    const int mecanica = v.acao_mecanica(dir);
    if (mecanica == 1 || mecanica == 2)
        return Acionador::Mecanico;
    if (mecanica == GATILHO)
        return Acionador::Gatilho;
    if (v.piloto(dir))
        return Acionador::Piloto;
    return Acionador::Nenhum;
}

const QImage &figura_do_acionador(const TValvula_Direcional &v, bool dir, Acionador a)
{
    switch (a) {
    case Acionador::Manual: return dir ? v.figura_manual_dir : v.figura_manual_esq;
    case Acionador::Piloto: return dir ? v.figura_piloto_dir : v.figura_piloto_esq;
    default: return dir ? v.figura_mecanica_dir : v.figura_mecanica_esq;
    }
}

// Ports above and below the body, by number of ways. Pilot ports 6 and 7 get no stub.
struct Tocos {
    std::vector<int> em_cima;
    std::vector<int> embaixo;
};

const std::map<int, Tocos> TOCOS = {
    {2, {{2}, {1}}},
    {3, {{2}, {1, 3}}},
    {4, {{2, 4}, {1, 3}}},
    {5, {{2, 4}, {1, 3, 5}}},
};

// A valve worked by a cylinder label is named after that label.
void nomear_pelo_rotulo(TValvula_Direcional &v)
{
    if (!v.rotulo.isEmpty())
        v.descricao = v.rotulo;
}

} // namespace

void TRenderizador::desenhar_valvula(TComponente &c)
{
    desenhar_came(c);
    if (longe(c)) {
        nomear_pelo_rotulo(*c.valvula_direcional);
        return;
    }
    const TValvula_Direcional &v = *c.valvula_direcional;
    caneta(v.selecionado() ? VERMELHO : PRETO);
    p_.setBrush(Qt::NoBrush);
    desenhar_lado(c, false);
    desenhar_lado(c, true);
    desenhar_quadrados(c);
    desenhar_tocos(c);
    desenhar_legenda(c);
}

void TRenderizador::desenhar_came(TComponente &c)
{
    TValvula_Direcional &v = *c.valvula_direcional;
    const int mecanica = v.acao_mecanica(false);
    const bool presente = v.redesenhar || (v.acionado_esq && mecanica != 0);
    // A trigger roller only reacts to a rod passing in one direction; outside a simulation its
    // cam would only mislead.
    const bool oculto = estado_.modo != MODO_SIMULACAO && mecanica == GATILHO;
    if (!presente || oculto)
        return;
    const QImage &came = estado_.figura_acionador;
    if (!longe(c))
        figura(c.esquerda - came.width() - v.figura_mecanica_esq.width(), c.topo, came);
    v.redesenhar = false;
}

void TRenderizador::desenhar_lado(const TComponente &c, bool dir)
{
    const TValvula_Direcional &v = *c.valvula_direcional;
    const Acionador a = acionador_do_lado(v, dir);
    const bool mola = v.mola(dir);
    if (a != Acionador::Nenhum) {
        const QImage &f = figura_do_acionador(v, dir, a);
        const Alinhamento al = ALINHAMENTO.at(a);
        const int x = dir ? c.direita : c.esquerda - f.width();
        figura(x, c.baixo - f.height() + (mola ? al.com_mola : al.sem_mola), f);
    }
    if (mola) {
        const QImage &f = dir ? v.figura_mola_dir : v.figura_mola_esq;
        const int x = dir ? c.direita : c.esquerda - f.width();
        // A spring alone sits in the middle of the side; with an actuator it takes the top.
        figura(x, c.topo + (a == Acionador::Nenhum ? 6 : 0), f);
    }
}

void TRenderizador::desenhar_quadrados(const TComponente &c)
{
    const TValvula_Direcional &v = *c.valvula_direcional;
    const TParte *primeira = v.parte(1);
    if (!primeira)
        return;
    // Neighbouring squares share their border column.
    const int passo = primeira->figura().width() - 1;
    for (int i = 1; i <= 3; ++i) {
        const TParte *parte = v.parte(i);
        if (!parte)
            return;
        figura(c.esquerda + (i - 1) * passo, c.topo, parte->figura());
    }
}

void TRenderizador::desenhar_tocos(const TComponente &c)
{
    const auto it = TOCOS.find(c.valvula_direcional->numero_vias);
    if (it == TOCOS.end())
        return;
    for (int porta : it->second.em_cima) {
        const int x = c.ponto(porta).x;
        linha(x, c.topo, x, c.topo - COMPRIMENTO_TOCO);
    }
    for (int porta : it->second.embaixo) {
        const int x = c.ponto(porta).x;
        linha(x, c.baixo, x, c.baixo + COMPRIMENTO_TOCO);
    }
}

void TRenderizador::desenhar_legenda(TComponente &c)
{
    TValvula_Direcional &v = *c.valvula_direcional;
    nomear_pelo_rotulo(v);
    if (v.mostrar_nome)
        texto(c.ponto(1).x - 25, c.topo - 20, v.descricao, PRETO);
}

} // namespace zefira
