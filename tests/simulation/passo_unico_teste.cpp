// Single step, the chosen speed's pacing, the record of the steps and the sequence checks.

#include "circuito_teste.h"
#include "simulation/avaliacao_sequencia.h"
#include "simulation/registro_movimentos.h"

#include <gtest/gtest.h>

using namespace zefira;
using namespace zefira::teste;

namespace {

// A latching 3/2 valve feeding a single-acting cylinder: clicked, it moves the cylinder out on
// the second step and keeps it there.
struct Circuito_Passo {
    Circuito k;
    TComponente &s = k.tomada(6);
    TComponente &v = k.valvula(3, {S_3VA, S_3VF, -1}, 2);
    TComponente &c = k.cilindro(1, 0);
    TComponente &w1 = k.fio(s, 1, v, 1);
    TComponente &w2 = k.fio(v, 2, c, 1);
    Circuito_Passo()
    {
        v.valvula_direcional->definir_acao_manual(false, 2);
        v.valvula_direcional->mola_dir = true;
    }
};

enum class Situacao { parado, pausado, rodando };

struct CasoUnicoPasso {
    const char *nome;
    Situacao antes;
    int passos_antes;     // steps recorded before F7 (start included)
    bool roda_passo;      // F7 ran one step
    bool baixo_depois;    // start button down afterwards
};

class UnicoPasso : public ::testing::TestWithParam<CasoUnicoPasso> {};

TEST_P(UnicoPasso, F7ConformeOEstado)
{
    const CasoUnicoPasso &t = GetParam();
    Circuito_Passo q;
    TEstado &e = q.k.estado;
    if (t.antes != Situacao::parado) {
        q.k.iniciar();
        q.k.clicar(q.v);
        q.k.passo();
        if (t.antes == Situacao::pausado)
            pausarClick(e);
    }
    ASSERT_EQ(e.historico.numero_passos(), t.passos_antes);
    const int valvula_antes = q.v.valvula_direcional->posicao_atual;

    unicopassoClick(e);

    EXPECT_EQ(e.modo, 15);
    EXPECT_EQ(e.controles.TBiniciar_baixo, t.baixo_depois);
    // After a single step the simulation waits paused: start resumes it, pause is off.
    EXPECT_TRUE(e.controles.TBiniciar && e.controles.TBparar && !e.controles.TBpausar);
    EXPECT_FALSE(e.controles.editar || e.controles.paleta);
    const int esperados = (t.antes == Situacao::parado ? 1 : t.passos_antes) + (t.roda_passo ? 1 : 0);
    EXPECT_EQ(e.historico.numero_passos(), esperados);
    if (t.antes == Situacao::pausado)
        EXPECT_EQ(q.c.cilindro->posicao, 100); // the valve shifted by the first step feeds it now
    else
        EXPECT_EQ(q.v.valvula_direcional->posicao_atual, valvula_antes);

    // The timer runs no step while paused.
    TApresentacaoSimulacao nada;
    for (int i = 0; i < 100; ++i)
        Timer1Timer(e, nada);
    EXPECT_EQ(e.historico.numero_passos(), esperados);
}

INSTANTIATE_TEST_SUITE_P(
    Estados, UnicoPasso,
    ::testing::Values(CasoUnicoPasso{"parado_inicia_pausado_e_da_um_passo", Situacao::parado, 0, true, false},
                      CasoUnicoPasso{"pausado_da_um_passo", Situacao::pausado, 2, true, false},
                      CasoUnicoPasso{"rodando_pausa", Situacao::rodando, 2, false, false}),
    [](const ::testing::TestParamInfo<CasoUnicoPasso> &i) { return std::string(i.param.nome); });

TEST(UnicoPasso, PassosSeguidosComoOTimer)
{
    // F7 three times from a stop gives the same record as three timer steps.
    Circuito_Passo a, b;
    unicopassoClick(a.k.estado);
    a.k.clicar(a.v);
    unicopassoClick(a.k.estado);
    unicopassoClick(a.k.estado);
    b.k.iniciar();
    b.k.passo();
    b.k.clicar(b.v);
    b.k.passo();
    b.k.passo();
    EXPECT_EQ(a.k.estado.historico.passos, b.k.estado.historico.passos);
    EXPECT_EQ(Sequencia_Observada(a.k.estado.historico), QStringList{"C" + QString::number(a.c.codigo) + "+"});
}

struct CasoVelocidade {
    int intervalo;
    int tiques_primeiro_passo; // ticks of 20 ms until the first step
};

class Velocidade : public ::testing::TestWithParam<CasoVelocidade> {};

TEST_P(Velocidade, UmPassoACadaIntervaloORedesenhoACada20ms)
{
    const CasoVelocidade &t = GetParam();
    Circuito_Passo q;
    TEstado &e = q.k.estado;
    ASSERT_TRUE(Definir_Intervalo_Passo(e, t.intervalo));
    q.k.iniciar();
    int desenhos = 0;
    TApresentacaoSimulacao ap;
    ap.desenhar = [&] { ++desenhos; };
    std::vector<int> passos_em; // tick at which each step came
    for (int tique = 1; tique <= 3 * t.tiques_primeiro_passo; ++tique) {
        const int antes = e.historico.numero_passos();
        Timer1Timer(e, ap);
        if (e.historico.numero_passos() > antes)
            passos_em.push_back(tique);
    }
    const int n = t.tiques_primeiro_passo;
    EXPECT_EQ(passos_em, (std::vector<int>{n, 2 * n, 3 * n}));
    EXPECT_EQ(desenhos, 3 * n);
}

INSTANTIATE_TEST_SUITE_P(Velocidades, Velocidade,
                         ::testing::Values(CasoVelocidade{INTERVALO_LENTO, 80}, CasoVelocidade{INTERVALO_NORMAL, 20},
                                           CasoVelocidade{INTERVALO_RAPIDO, 5}));

TEST(Velocidade, SoAsTresVelocidadesSaoAceitas)
{
    TEstado e;
    EXPECT_EQ(e.intervalo_passo, INTERVALO_NORMAL);
    for (int invalido : {0, -400, 20, 500, 3200}) {
        EXPECT_FALSE(Definir_Intervalo_Passo(e, invalido)) << invalido;
        EXPECT_EQ(e.intervalo_passo, INTERVALO_NORMAL);
    }
}

TEST(RegistroMovimentos, PararENovoInicioLimpamORegistro)
{
    Circuito_Passo q;
    TEstado &e = q.k.estado;
    q.c.cilindro->nome = QStringLiteral("  A ");
    q.k.iniciar();
    q.k.clicar(q.v);
    q.k.passo();
    q.k.passo();
    ASSERT_EQ(e.historico.numero_passos(), 3);
    EXPECT_EQ(Movimentos_Passo(e.historico, 2), QStringList{"A+"});
    EXPECT_EQ(Movimentos_Passo(e.historico, 1), QStringList());
    EXPECT_EQ(Movimentos_Passo(e.historico, 3), QStringList()); // beyond the run
    // Resuming after a pause keeps the record.
    pausarClick(e);
    iniciarClick(e);
    q.k.passo();
    EXPECT_EQ(e.historico.numero_passos(), 4);
    TBpararClick(e);
    EXPECT_EQ(e.historico.numero_passos(), 0);
    q.k.iniciar();
    EXPECT_EQ(e.historico.numero_passos(), 1);
    EXPECT_EQ(e.historico.passos[0], (std::vector<int>{2, 0})); // valve at rest, cylinder in
}

TEST(RegistroMovimentos, MovimentosNaOrdemDaLista)
{
    THistorico_Passos h;
    h.linhas = {{5, true, "B"}, {6, false, "a0"}, {7, true, "A"}};
    h.passos = {{0, 2, 100}, {100, 1, 0}, {100, 2, 100}, {60, 2, 100}};
    EXPECT_EQ(Movimentos_Passo(h, 1), (QStringList{"B+", "A-"})); // valves never move in the sequence
    EXPECT_EQ(Movimentos_Passo(h, 2), QStringList{"A+"});
    EXPECT_EQ(Movimentos_Passo(h, 3), QStringList{"B-"});
    EXPECT_EQ(Sequencia_Observada(h), (QStringList{"B+", "A-", "A+", "B-"}));
}

TEST(AvaliacaoSequencia, LeituraDaSequencia)
{
    const struct {
        const char *texto;
        bool valida;
        QStringList movimentos;
    } casos[] = {
        {"A+ B+ B- A-", true, {"A+", "B+", "B-", "A-"}},
        {"  a+\tB-  ", true, {"a+", "B-"}},
        {"Garra+ C12-", true, {"Garra+", "C12-"}},
        {"", false, {}},
        {"   ", false, {}},
        {"A+ B", false, {}},
        {"A+ +", false, {}},
        {"A+B+", true, {"A+B+"}}, // one name "A+B" moving out: a name may hold any sign
    };
    for (const auto &c : casos) {
        QStringList m;
        EXPECT_EQ(Ler_Sequencia(QString::fromUtf8(c.texto), m), c.valida) << c.texto;
        if (c.valida)
            EXPECT_EQ(m, c.movimentos) << c.texto;
    }
}

TEST(AvaliacaoSequencia, SequenciaNasObservacoes)
{
    const struct {
        QStringList observacoes;
        QStringList esperada;
    } casos[] = {
        {{"Exercício 3", "Sequência: A+ B+ B- A-"}, {"A+", "B+", "B-", "A-"}},
        {{"  SEQUÊNCIA :  A+ A-  "}, {"A+", "A-"}},
        {{"sequencia: A+ A-"}, {"A+", "A-"}},
        {{"Sequência: a definir", "Sequência: B+ B-"}, {"B+", "B-"}},
        {{"A sequência: A+ A-"}, {}},
        {{"Sequência:"}, {}},
        {{}, {}},
    };
    for (const auto &c : casos)
        EXPECT_EQ(Sequencia_Das_Observacoes(c.observacoes), c.esperada) << c.observacoes.join('|').toStdString();
}

TEST(AvaliacaoSequencia, CumpridaQuandoOsPrimeirosMovimentosSaoOsEsperados)
{
    const QStringList esperada{"A+", "B+", "B-", "A-"};
    const struct {
        QStringList obtida;
        bool cumprida;
    } casos[] = {
        {{"A+", "B+", "B-", "A-"}, true},
        {{"a+", "b+", "B-", "A-", "A+", "B+"}, true},
        {{"A+", "B+", "A-", "B-"}, false},
        {{"A+", "B+", "B-"}, false},
        {{}, false},
        {{"B+", "A+", "B-", "A-"}, false},
    };
    for (const auto &c : casos)
        EXPECT_EQ(Sequencia_Cumprida(esperada, c.obtida), c.cumprida) << c.obtida.join(' ').toStdString();
    EXPECT_FALSE(Sequencia_Cumprida({}, {"A+"}));
}

} // namespace
