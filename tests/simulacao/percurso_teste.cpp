// The pressure walk: routing through valves, AND/OR/exhaust/regulator rules, the cylinder
// arrival rule, and the protections for loops, very long paths and dangling codes.

#include "simulacao/percurso.h"
#include "circuito_teste.h"
#include "documento/arquivo_circuito.h"
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <limits>
#include <map>
#include <set>

using namespace zefira;
using namespace zefira::teste;

namespace {

// Walks from the supply wire `w` as the step does for a wired supply.
bool alimentar_fio(Circuito &k, TComponente &s, TComponente &w)
{
    w.fio->pressao = s.tomada_ar->pressao;
    k.estado.lista_nos->limpar();
    auto raiz = std::make_unique<Tno>();
    raiz->componente = w.codigo;
    raiz->porta = w.fio->conexao_origem == s.codigo ? 0 : 1;
    raiz->pressao = s.tomada_ar->pressao;
    raiz->vazao = 2000;
    k.estado.no_raiz = k.estado.lista_nos->adicionar(std::move(raiz));
    TPercurso percurso(k.estado);
    return percurso.Montar_Lista(true, k.estado.no_raiz);
}

// Over 200,000 components: a supply, 99,999 junctions, 100,000 wires (the last one listed
// last) and the cylinder at the end, which is returned.
TComponente &cadeia_longa(Circuito &k)
{
    TComponente *anterior = &k.tomada(6);
    int porta = 1;
    for (int i = 0; i < 99999; ++i) {
        TComponente &j = k.jump();
        k.fio(*anterior, porta, j, 1);
        anterior = &j;
        porta = 2;
    }
    TComponente &c = k.cilindro(2, 0);
    k.fio(*anterior, porta, c, 1);
    return c;
}

struct CasoRota {
    int vias;
    int simbolo;
    int entrada;
    std::set<int> saidas;
};

} // namespace

TEST(Percurso, RotasDeCadaFamiliaDeValvula)
{
    // Every other body port ends in a loose (closed) wire, so every exit is walked and the
    // pressurised wires show exactly the route.
    const CasoRota casos[] = {
        {2, S_2VA, 1, {2}}, {2, S_2VA, 2, {1}}, {2, S_2VF, 1, {}},
        {3, S_3VA, 1, {2}}, {3, S_3VA, 2, {1}}, {3, S_3VA, 3, {}},
        {3, S_3VF, 1, {}}, {3, S_3VF, 2, {3}}, {3, S_3VF, 3, {2}}, {3, S_3CF, 1, {}},
        {4, S_4CAN, 1, {}}, {4, S_4CAN, 2, {3, 4}}, {4, S_4CAN, 3, {2, 4}}, {4, S_4CAN, 4, {2, 3}},
        {4, S_4CAP, 1, {2, 4}}, {4, S_4CAP, 2, {1, 4}}, {4, S_4CAP, 3, {}}, {4, S_4CAP, 4, {1, 2}},
        {4, S_4CF, 1, {}}, {4, S_4CFB, 1, {3}}, {4, S_4CFB, 3, {1}}, {4, S_4CFB, 2, {}},
        {4, S_4D, 1, {2}}, {4, S_4D, 2, {1}}, {4, S_4D, 3, {4}}, {4, S_4D, 4, {3}},
        {4, S_4E, 1, {4}}, {4, S_4E, 2, {3}}, {4, S_4E, 3, {2}}, {4, S_4E, 4, {1}},
        {5, S_5CAN, 1, {}}, {5, S_5CAN, 2, {3}}, {5, S_5CAN, 3, {2}}, {5, S_5CAN, 4, {5}}, {5, S_5CAN, 5, {4}},
        {5, S_5CAP, 1, {2, 4}}, {5, S_5CAP, 2, {1}}, {5, S_5CAP, 4, {1}}, {5, S_5CAP, 5, {}},
        {5, S_5CF, 1, {}},
        {5, S_5D, 1, {2}}, {5, S_5D, 2, {1}}, {5, S_5D, 4, {5}}, {5, S_5D, 5, {4}}, {5, S_5D, 3, {}},
        {5, S_5E, 1, {4}}, {5, S_5E, 2, {3}}, {5, S_5E, 3, {2}}, {5, S_5E, 4, {1}}, {5, S_5E, 5, {}},
        // A square of another number of ways routes nothing.
        {4, S_5D, 1, {}}, {3, S_2VA, 1, {}}, {5, S_4D, 1, {}},
    };
    for (const CasoRota &caso : casos) {
        Circuito k;
        TComponente &s = k.tomada(6);
        TComponente &v = k.valvula(caso.vias, {caso.simbolo, -1, -1}, 1);
        TComponente &entrada = k.fio(s, 1, v, caso.entrada);
        std::map<int, TComponente *> saidas;
        for (int p = 1; p <= caso.vias; ++p)
            if (p != caso.entrada)
                saidas[p] = &k.fio_solto(v, p);
        EXPECT_FALSE(alimentar_fio(k, s, entrada));
        std::set<int> pressurizadas;
        for (auto &[p, w] : saidas)
            if (w->fio->pressao == 6)
                pressurizadas.insert(p);
        EXPECT_EQ(pressurizadas, caso.saidas)
            << caso.vias << " vias, símbolo " << caso.simbolo << ", entrada " << caso.entrada;
    }
}

// A loose wire closes its end; a free body port vents; a pilot port leads nowhere but signals.
TEST(Percurso, FioSoltoFechaPortaLivreEscapaPilotoSinaliza)
{
    for (const int porta : {0, 1, 6}) { // 0: a loose wire on the supply
        SCOPED_TRACE(porta);
        Circuito k;
        TComponente &s = k.tomada(4);
        TComponente &v = k.valvula(3, {S_3VA, -1, -1}, 1);
        v.valvula_direcional->piloto_esq = true;
        TComponente &w = porta ? k.fio(s, 1, v, porta) : k.fio_solto(s, 1);
        EXPECT_EQ(alimentar_fio(k, s, w), porta == 1); // 1 -> 2, port 2 free: vents
        EXPECT_EQ(v.valvula_direcional->acionado_esq, porta == 6);
        EXPECT_EQ(w.fio->pressao, 4);
    }
}

TEST(Percurso, OUAlimentadaPelasDuasEntradasNoMesmoPassoPassaDuasVezes)
{
    // One supply reaches both inputs of an OR valve through a junction: the walk reaches the
    // OR's outlet twice, and each arrival moves the cylinder on to its next stop. Reaching a
    // component again by another branch is not a loop and must not be refused.
    Circuito k;
    TComponente &s = k.tomada(6);
    TComponente &j = k.jump();
    TComponente &v1 = k.valvula(3, {S_3VA, S_3VF, -1}, 1);
    TComponente &v2 = k.valvula(3, {S_3VA, S_3VF, -1}, 1);
    TComponente &ou = k.e_ou(EOU_OU);
    TComponente &c = k.cilindro(2, 0);
    c.cilindro->definir_rotulo(1, "x", 30);
    c.cilindro->definir_rotulo(2, "y", 60);
    k.fio(s, 1, j, 1);
    k.fio(j, 2, v1, 1);
    k.fio(j, 3, v2, 1);
    k.fio(v1, 2, ou, 1);
    k.fio(v2, 2, ou, 3);
    k.fio(ou, 2, c, 1);
    k.iniciar();
    k.passo();
    EXPECT_EQ(c.cilindro->posicao, 60);
}

TEST(Percurso, EscapeRapidoBloqueiaOCaminho)
{
    // On the exhaust side of a cylinder, behind an open valve: the probe is closed, the
    // tentative step is undone and the zero-pressure re-walk clears every wire it marked.
    Circuito k;
    TComponente &s = k.tomada(6);
    TComponente &c = k.cilindro(2, 40);
    TComponente &v = k.valvula(2, {S_2VA, -1, -1}, 1);
    TComponente &esc = k.e_ou(EOU_ESCAPE);
    TComponente &alimentacao = k.fio(s, 1, c, 1);
    TComponente &ate_valvula = k.fio(c, 2, v, 2);
    TComponente &ate_escape = k.fio(v, 1, esc, 1);
    k.iniciar();
    k.passo();
    EXPECT_EQ(c.cilindro->posicao, 40);
    EXPECT_EQ(c.cilindro->forca, 0);
    EXPECT_EQ(ate_valvula.fio->pressao, 0);
    EXPECT_EQ(ate_escape.fio->pressao, 0);
    EXPECT_EQ(alimentacao.fio->pressao, 6);
}

TEST(Percurso, ReguladoraLimitaAForca)
{
    // At 400 L/min a regulator in its regulating direction on the exhaust path turns 6 bar's
    // 700 Kgf into 300; facing the other way it does not limit. Wired on the cylinder's port 2
    // (regulating 1 -> 2 in state 1), or docked on its port 1 and fed at its port 2 (2 -> 1 in
    // state 2).
    const struct {
        bool docada;
        int estado, forca;
    } casos[] = {{false, 1, 300}, {false, 2, 700}, {true, 2, 300}};
    for (const auto &caso : casos) {
        SCOPED_TRACE(testing::Message() << (caso.docada ? "docked" : "wired") << ", state " << caso.estado);
        Circuito k;
        TComponente &s = k.tomada(6);
        TComponente &c = k.cilindro(2, 0);
        TComponente &r = k.e_ou(EOU_REGULADORA);
        r.valvula_e_ou_esc_reg->vazao = 400;
        r.valvula_e_ou_esc_reg->definir_estado(caso.estado);
        if (caso.docada) {
            k.docar_reguladora(r, c, 1);
            k.fio(s, 1, r, 2);
        } else {
            k.fio(s, 1, c, 1);
            k.fio(c, 2, r, 1);
        }
        k.iniciar();
        k.passo();
        EXPECT_EQ(c.cilindro->posicao, 100);
        EXPECT_EQ(c.cilindro->forca, caso.forca);
        if (!caso.docada && caso.estado == 1)
            EXPECT_TRUE(r.valvula_e_ou_esc_reg->entrada_dir);
    }
}

TEST(Percurso, CilindroEm99NaoAvancaPeloPassoTentativo)
{
    Circuito k;
    TComponente &s = k.tomada(6);
    TComponente &c = k.cilindro(2, 99);
    k.fio(s, 1, c, 1);
    k.iniciar();
    k.passo();
    EXPECT_EQ(c.cilindro->posicao, 99);
    EXPECT_TRUE(c.cilindro->pressurizado_1);
}

TEST(Percurso, CodigosAusentesEncerramOCaminho)
{
    // Codes that name nothing (only a hand-edited file has them) end their path quietly.
    Circuito k;
    TComponente &s = k.tomada(6);
    TComponente &j = k.jump();
    TComponente &v = k.valvula(4, {S_4CAP, -1, -1}, 1);
    TComponente &c = k.cilindro(2, 0);
    k.fio(s, 1, j, 1);
    j.ligar(2, 9999);                         // a junction slot naming nothing
    TComponente &perdido = k.fio_solto(j, 3);
    perdido.fio->ligar(false, 7777, 2);       // a wire end naming nothing
    k.fio(j, 4, v, 1);
    v.ligar(2, 9999);                         // a valve slot naming nothing
    TComponente &w4 = k.fio(v, 4, c, 1);
    c.ligar(2, 8888);                         // the cylinder's exhaust names nothing
    k.tomada(6).tomada_ar->ligar(6666, -1);   // a supply wired to nothing
    k.tomada(6).tomada_ar->ligar(5555, 1);    // a supply docked on nothing
    k.iniciar();
    k.passo();
    k.passo();
    EXPECT_EQ(perdido.fio->pressao, 6);
    EXPECT_EQ(w4.fio->pressao, 6); // pressure reached the cylinder ...
    EXPECT_EQ(c.cilindro->posicao, 0); // ... which could not exhaust
    EXPECT_TRUE(c.cilindro->pressurizado_1);
}

// Walks round rings end. Two open 2-way valves joined to one junction on both sides: the walk
// goes round the loop in both directions and still feeds the cylinder on the junction. A
// cylinder with both chambers on one ring: the exhaust probe comes back round to the
// pressurised port, every re-walk of a failed probe must still end, and the cylinder, unable to
// exhaust, stays put.
TEST(Percurso, AneisTerminam)
{
    Circuito k;
    TComponente &s = k.tomada(6);
    TComponente &j = k.jump();
    TComponente &a = k.valvula(2, {S_2VA, -1, -1}, 1);
    TComponente &b = k.valvula(2, {S_2VA, -1, -1}, 1);
    TComponente &c = k.cilindro(2, 0);
    k.fio(s, 1, j, 1);
    TComponente &ja = k.fio(j, 2, a, 1);
    TComponente &ab = k.fio(a, 2, b, 2);
    TComponente &bj = k.fio(b, 1, j, 3);
    k.fio(j, 4, c, 1);

    TComponente &s2 = k.tomada(6);
    TComponente &j1 = k.jump();
    TComponente &j2 = k.jump();
    TComponente &anel = k.cilindro(2, 50);
    k.fio(s2, 1, j1, 1);
    k.fio(j1, 2, j2, 1);
    k.fio(j2, 2, j1, 3);
    k.fio(j1, 4, anel, 1);
    k.fio(j2, 4, anel, 2);
    k.iniciar();
    k.passo();
    EXPECT_EQ(c.cilindro->posicao, 100);
    EXPECT_EQ(ja.fio->pressao, 6);
    EXPECT_EQ(ab.fio->pressao, 6);
    EXPECT_EQ(bj.fio->pressao, 6);
    k.passo();
    k.passo();
    EXPECT_EQ(c.cilindro->posicao, 100);
    EXPECT_EQ(anel.cilindro->posicao, 50);
    EXPECT_TRUE(anel.cilindro->pressurizado_1);
}

TEST(Percurso, MalhaDeNosComCilindrosTermina)
{
    // A 30 x 30 mesh of junctions, every one on rings, fed at a corner, with cylinders on its
    // bottom edge.
    Circuito k;
    const int lado = 30;
    std::vector<TComponente *> j;
    for (int i = 0; i < lado * lado; ++i)
        j.push_back(&k.jump());
    for (int r = 0; r < lado; ++r)
        for (int col = 0; col < lado; ++col) {
            if (col + 1 < lado)
                k.fio(*j[size_t(r * lado + col)], 4, *j[size_t(r * lado + col + 1)], 3);
            if (r + 1 < lado)
                k.fio(*j[size_t(r * lado + col)], 2, *j[size_t((r + 1) * lado + col)], 1);
        }
    TComponente &s = k.tomada(6);
    k.fio(s, 1, *j[0], 1);
    std::vector<TComponente *> cilindros;
    for (int col = 0; col < lado; col += 3) {
        cilindros.push_back(&k.cilindro(2, 0));
        k.fio(*j[size_t((lado - 1) * lado + col)], 2, *cilindros.back(), 1);
    }
    k.iniciar();
    k.passo();
    for (TComponente *c : cilindros)
        EXPECT_EQ(c->cilindro->posicao, 100);
    EXPECT_LE(k.estado.lista_nos->numero_nos(), 8 * k.lista().numero_componentes());
}

TEST(Percurso, CadeiaMuitoLongaLidaDeArquivoNaoEstouraAPilha)
{
    // The chain, written and read back as a circuit file, then walked in one step.
    QTemporaryDir dir;
    const QString nome = dir.filePath("cadeia.zfr");
    {
        Circuito k;
        cadeia_longa(k);
        ASSERT_TRUE(Salvar_Arquivo(k.estado, nome));
    }
    TEstado estado;
    ASSERT_EQ(Abrir_Arquivo(estado, nome).status, StatusLeitura::Ok);
    ASSERT_GE(estado.lista().numero_componentes(), 200000);
    estado.modo = MODO_SIMULACAO;
    estado.controles.TBiniciar_baixo = true;
    Atualizar_Sistema(estado);
    const TComponente &c = estado.lista()[estado.lista().numero_componentes() - 2];
    ASSERT_EQ(c.tipo, TIPO_CILINDRO);
    EXPECT_EQ(c.cilindro->posicao, 100);
    EXPECT_EQ(c.cilindro->forca, 700);
    EXPECT_EQ(estado.lista()[estado.lista().numero_componentes() - 1].fio->pressao, 6);
}

// Contacts on a label shared by several cylinders and valves: each update releases every valve
// of the cylinder's labels, then presses the first valve (in list order) of the label it
// stands on. The order of the updates decides, however the releases are indexed.
TEST(Percurso, RotuloCompartilhadoPorCilindrosEValvulas)
{
    Circuito k;
    TComponente &v1 = k.valvula(3, {1, 2, -1});
    TComponente &sem_rolete = k.valvula(3, {1, 2, -1});
    TComponente &v2 = k.valvula(3, {1, 2, -1});
    for (TComponente *v : {&v1, &sem_rolete, &v2}) {
        v->valvula_direcional->rotulo = QStringLiteral("x");
        v->valvula_direcional->definir_acao_mecanica(false, v == &sem_rolete ? 0 : 2);
    }
    TComponente &a = k.cilindro(2, 40);
    TComponente &b = k.cilindro(2, 0);
    a.cilindro->definir_rotulo(1, QStringLiteral("x"), 40);
    b.cilindro->definir_rotulo(1, QStringLiteral("x"), 40);

    TPercurso percurso(k.estado);
    auto pressionadas = [&] {
        return std::array<bool, 3>{v1.valvula_direcional->acionado_esq,
                                   sem_rolete.valvula_direcional->acionado_esq,
                                   v2.valvula_direcional->acionado_esq};
    };
    using P = std::array<bool, 3>;
    v2.valvula_direcional->acionado_esq = true; // left over from before the step
    percurso.Atualizar_Contatos(*a.cilindro, TFormaContato::direto);
    EXPECT_EQ(pressionadas(), (P{true, false, false}));
    EXPECT_FALSE(v1.valvula_direcional->liberado);
    percurso.Atualizar_Contatos(*b.cilindro, TFormaContato::direto);
    EXPECT_EQ(pressionadas(), (P{false, false, false}));
    EXPECT_TRUE(v1.valvula_direcional->liberado);
    percurso.Atualizar_Contatos(*a.cilindro, TFormaContato::direto);
    percurso.Atualizar_Contatos(*a.cilindro, TFormaContato::passo);
    EXPECT_EQ(pressionadas(), (P{true, false, false}));
    // The other cylinder, off the label, releases it again.
    percurso.Atualizar_Contatos(*b.cilindro, TFormaContato::direto);
    EXPECT_EQ(pressionadas(), (P{false, false, false}));
}

namespace {

// The next stop found by walking millimetre by millimetre, as it was once computed: the
// reference for the direct search.
int parada_passo_a_passo(const TCilindro &c, bool avancar)
{
    const int passo = avancar ? 1 : -1;
    auto rotulada = [&c](int p) {
        for (int i = 1; i <= NUMERO_ROTULOS; ++i)
            if (c.rotulo(i).posicao == p)
                return true;
        return false;
    };
    int p = c.posicao + passo;
    while (avancar ? p < 100 : p > 0) {
        if (rotulada(p))
            return p;
        p += passo;
    }
    return p;
}

} // namespace

TEST(Percurso, ProximaParadaIgualAoPercursoMilimetroAMilimetro)
{
    // Label positions (0 = the slot's default), none referred to by a valve.
    const std::vector<std::vector<int>> rotulos = {
        {}, {50}, {0, 100}, {1, 99}, {30, 30, 70}, {-5, 105, 60}, {10, 20, 30, 40, 50, 60},
    };
    for (const auto &r : rotulos) {
        Circuito k;
        TCilindro &c = *k.cilindro(2, 0).cilindro;
        for (size_t i = 0; i < r.size(); ++i)
            c.definir_rotulo(int(i) + 1, QStringLiteral("r%1").arg(i), r[i]);
        TPercurso percurso(k.estado);
        for (int pos = -3; pos <= 103; ++pos)
            for (const bool avancar : {true, false}) {
                c.posicao = pos;
                const int esperado = parada_passo_a_passo(c, avancar);
                EXPECT_EQ(percurso.ProcurarProximaPosicao(c, avancar, 1000, 6), esperado)
                    << "posição " << pos << (avancar ? " avançando" : " recuando");
            }
    }
}

TEST(Percurso, ProximaParadaDePosicoesExtremas)
{
    const int MIN = std::numeric_limits<int>::min(), MAX = std::numeric_limits<int>::max();
    struct {
        int posicao;
        bool avancar;
        int rotulo; // the position of all six labels
        int esperado;
    } const casos[] = {
        {MIN, true, 100, 100},      {MIN, true, 40, 40},         {MIN, true, MIN + 1, MIN + 1},
        {MAX, false, 0, 0},         {MAX, false, 40, 40},        {MAX, false, MAX - 1, MAX - 1},
        {MAX, true, 0, MAX},        {MIN, false, 0, MIN},        {MAX - 1, true, 0, MAX},
    };
    for (const auto &k : casos) {
        Circuito circuito;
        TCilindro &c = *circuito.cilindro(2, 0).cilindro;
        for (int i = 1; i <= NUMERO_ROTULOS; ++i)
            c.definir_rotulo(i, QStringLiteral("r%1").arg(i), k.rotulo);
        c.posicao = k.posicao;
        TPercurso percurso(circuito.estado);
        EXPECT_EQ(percurso.ProcurarProximaPosicao(c, k.avancar, 1000, 6), k.esperado) << k.posicao << " " << k.rotulo;
    }
}
