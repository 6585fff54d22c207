// The directional valve's picture: cam, actuators, springs, squares, port stubs and the caption.
#include "componentes/pintor.h"
#include "componentes/valvula_direcional/familia_valvula_direcional.h"
#include "modelo/componente.h"
#include "modelo/lista_componente.h"

#include <QStringList>
#include <iterator>
#include <map>
#include <vector>

namespace zefira {

namespace {

constexpr int GATILHO = 3;
constexpr int COMPRIMENTO_TOCO = 6;

// The one picture a side shows besides its spring: a solenoid wins (it carries the tag the
// electrical diagram names it by), then manual over mechanical, mechanical over pilot.
enum class Acionador { Nenhum, Solenoide, Manual, Mecanico, Gatilho, Piloto };

// Vertical offset from "bottom-aligned" (y = baixo - h), without and with a spring on the same
// side: the spring takes the upper part of the side, so the actuator drops when it is there.
struct Alinhamento {
    int sem_mola;
    int com_mola;
};

const std::map<Acionador, Alinhamento> ALINHAMENTO = {
    {Acionador::Solenoide, {-5, 3}},
    {Acionador::Manual, {-5, 0}},
    {Acionador::Mecanico, {-8, 0}},
    {Acionador::Gatilho, {5, 10}},
    {Acionador::Piloto, {-9, -1}},
};

Acionador acionador_do_lado(const TValvula_Direcional &v, bool dir)
{
    if (!v.solenoide(dir).isEmpty())
        return Acionador::Solenoide;
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
    case Acionador::Solenoide: return dir ? v.figura_solenoide_dir : v.figura_solenoide_esq;
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

// The cam a cylinder label presses against a mechanical actuator, shown while it holds it; a
// repaint takes down the one shown for a single step.
void desenhar_came(TComponente &c, TPintor &pintor)
{
    TValvula_Direcional &v = *c.valvula_direcional;
    const int mecanica = v.acao_mecanica(false);
    const bool presente = v.redesenhar || (v.acionado_esq && mecanica != 0);
    // A trigger roller only reacts to a rod passing in one direction; outside a simulation its
    // cam would only mislead.
    const bool oculto = !pintor.simulando() && mecanica == GATILHO;
    if (!presente || oculto)
        return;
    const QImage &came = pintor.figura_acionador();
    if (!pintor.longe(c))
        pintor.figura(c.esquerda - came.width() - v.figura_mecanica_esq.width(), c.topo, came);
    v.redesenhar = false;
}

void desenhar_lado(const TComponente &c, TPintor &pintor, bool dir)
{
    const TValvula_Direcional &v = *c.valvula_direcional;
    const Acionador a = acionador_do_lado(v, dir);
    const bool mola = v.mola(dir);
    if (a != Acionador::Nenhum) {
        // An energised solenoid is filled while simulating.
        const bool cheio = a == Acionador::Solenoide && pintor.simulando() && v.acionado(dir);
        const QImage &f = !cheio ? figura_do_acionador(v, dir, a)
                                 : dir ? v.figura_solenoide_dir_on : v.figura_solenoide_esq_on;
        const Alinhamento al = ALINHAMENTO.at(a);
        const int x = dir ? c.direita : c.esquerda - f.width();
        const int y = c.baixo - f.height() + (mola ? al.com_mola : al.sem_mola);
        pintor.figura(x, y, f);
        if (a == Acionador::Solenoide) {
            // The tag outside the coil's box, level with its middle.
            const QString &tag = v.solenoide(dir);
            const int folga = 2;
            const int xt = dir ? x + f.width() + folga : x - folga - pintor.largura_texto(tag);
            pintor.texto(xt, y + f.height() / 2 - 6, tag, v.selecionado() ? TPintor::VERMELHO : TPintor::PRETO);
        }
    }
    if (mola) {
        const QImage &f = dir ? v.figura_mola_dir : v.figura_mola_esq;
        const int x = dir ? c.direita : c.esquerda - f.width();
        // A spring alone sits in the middle of the side; with an actuator it takes the top.
        pintor.figura(x, c.topo + (a == Acionador::Nenhum ? 6 : 0), f);
    }
}

void desenhar_quadrados(const TComponente &c, TPintor &pintor)
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
        pintor.figura(c.esquerda + (i - 1) * passo, c.topo, parte->figura());
    }
}

void desenhar_tocos(const TComponente &c, TPintor &pintor)
{
    const auto it = TOCOS.find(c.valvula_direcional->numero_vias);
    if (it == TOCOS.end())
        return;
    for (int porta : it->second.em_cima) {
        const int x = c.ponto(porta).x;
        pintor.linha(x, c.topo, x, c.topo - COMPRIMENTO_TOCO);
    }
    for (int porta : it->second.embaixo) {
        const int x = c.ponto(porta).x;
        pintor.linha(x, c.baixo, x, c.baixo + COMPRIMENTO_TOCO);
    }
}

void desenhar_legenda(TComponente &c, TPintor &pintor)
{
    TValvula_Direcional &v = *c.valvula_direcional;
    nomear_pelo_rotulo(v);
    if (v.mostrar_nome)
        pintor.texto(c.ponto(1).x - 25, c.topo - 20, v.descricao, TPintor::PRETO);
}

// The valves of the help's symbol page, with their port numbers: the body ports are numbered as
// the program numbers them (1 supply, 2 and 4 outputs, 3 and 5 exhausts); a pilot is numbered
// after the connection its square makes (14: 1 to 4, 12: 1 to 2). A pilot on the left, and on
// the right a pilot or a spring.
struct Amostra {
    const char *arquivo;
    int numero_vias;
    int quadros[2]; // left, right
    bool piloto_dir;
    const char *piloto_esq_numero, *piloto_dir_numero;
};

const Amostra AMOSTRAS[] = {
    {"valvula_2_2_numerada", 2, {1, 2}, false, "12", ""},
    {"valvula_3_2_numerada", 3, {4, 5}, false, "12", ""},
    {"valvula_4_2_numerada", 4, {11, 10}, true, "14", "12"},
    {"valvula_5_2_numerada", 5, {16, 15}, true, "14", "12"},
};

} // namespace

void TFamilia_Valvula_Direcional::desenhar(TComponente &c, TPintor &pintor) const
{
    desenhar_came(c, pintor);
    // A far valve still gets its name from its label; nothing else of it matters.
    if (pintor.longe(c)) {
        nomear_pelo_rotulo(*c.valvula_direcional);
        return;
    }
    pintor.caneta(c.valvula_direcional->selecionado() ? TPintor::VERMELHO : TPintor::PRETO);
    desenhar_lado(c, pintor, false);
    desenhar_lado(c, pintor, true);
    desenhar_quadrados(c, pintor);
    desenhar_tocos(c, pintor);
    desenhar_legenda(c, pintor);
}

void TFamilia_Valvula_Direcional::anotar_sem_desenhar(TComponente &c) const
{
    TValvula_Direcional &v = *c.valvula_direcional;
    v.redesenhar = false;
    nomear_pelo_rotulo(v);
}

bool TFamilia_Valvula_Direcional::desenho_pendente(const TComponente &c) const
{
    return c.valvula_direcional->redesenhar;
}

void TFamilia_Valvula_Direcional::repor_desenho_pendente(TComponente &c) const
{
    c.valvula_direcional->redesenhar = true;
}

TComponente *TFamilia_Valvula_Direcional::amostra(TLista_Componente &lista, int i, QString &arquivo,
                                                   QStringList &numeros) const
{
    if (i < 0 || i >= int(std::size(AMOSTRAS)))
        return nullptr;
    const Amostra &k = AMOSTRAS[i];
    TComponente &c = lista.adicionar(tipo(), 60, -1, -1, k.numero_vias, 60);
    TValvula_Direcional &v = *c.valvula_direcional;
    v.definir_parte(1, k.quadros[0]);
    v.definir_parte(2, k.quadros[1]);
    v.piloto_esq = true;
    v.piloto_dir = k.piloto_dir;
    v.mola_dir = !k.piloto_dir;
    v.mostrar_nome = false;
    v.desselecionar(); // loads the actuator pictures
    c.atualizar_geometria();
    arquivo = QString::fromLatin1(k.arquivo);
    numeros.clear();
    for (int porta = 1; porta <= 5; ++porta)
        numeros << (porta <= k.numero_vias ? QString::number(porta) : QString());
    numeros << QString::fromLatin1(k.piloto_esq_numero) << QString::fromLatin1(k.piloto_dir_numero);
    return &c;
}

} // namespace zefira
