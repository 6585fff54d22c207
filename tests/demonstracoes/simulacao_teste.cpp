// The demonstrations run as a student runs them: start, click the actuators, watch the
// cylinders. Positions are checked step by step, one entry per 400 ms step.

#include "demonstracoes/apoio_demos.h"

#include "simulacao/controle_simulacao.h"

namespace zefira {
namespace {

using teste::Posicoes;
using teste::TDemoSimulada;

TEST(SimulacaoDemos, ComandoBasico1)
{
    TDemoSimulada d("comandobasico1");
    ASSERT_TRUE(d.construida);
    // Direct command: a click on the lever of valve 3 is a one-step pulse; the single-acting
    // cylinder 2 goes out and its spring brings it back.
    d.clicar(3);
    auto t = d.passos(4);
    EXPECT_EQ(t[2], (Posicoes{0, 100, 0, 0}));
    EXPECT_EQ(t[6], (Posicoes{0, 0, 0, 0}));

    // Indirect command: lever 10 pilots valve 7, one step later cylinder 6 moves.
    d.clicar(10);
    t = d.passos(5);
    EXPECT_EQ(t[6], (Posicoes{0, 0, 100, 0, 0}));
    EXPECT_EQ(t[2], (Posicoes{0, 0, 0, 0, 0}));

    // Both levers held: both cylinders stay out until the release, which takes one step to
    // clear the hold and one to shift back.
    d.segurar(3);
    d.segurar(10);
    t = d.passos(4);
    EXPECT_EQ(t[2], (Posicoes{0, 100, 100, 100}));
    EXPECT_EQ(t[6], (Posicoes{0, 0, 100, 100}));
    d.soltar();
    t = d.passos(4);
    EXPECT_EQ(t[2], (Posicoes{100, 100, 0, 0}));
    EXPECT_EQ(t[6], (Posicoes{100, 100, 100, 0}));
}

TEST(SimulacaoDemos, ComandoBasico2)
{
    TDemoSimulada d("comandobasico2");
    ASSERT_TRUE(d.construida);
    // Button 6 pilots valve 2 to the left: cylinder 1 extends and stays (no spring on 2).
    d.clicar(6);
    auto t = d.passos(5);
    EXPECT_EQ(t[1], (Posicoes{0, 0, 100, 100, 100}));
    // Button 9 pilots it back.
    d.clicar(9);
    t = d.passos(4);
    EXPECT_EQ(t[1], (Posicoes{100, 100, 0, 0}));
    EXPECT_EQ(t[12], (Posicoes{0, 0, 0, 0}));

    // The latching button of valve 17 holds the pilot of valve 13: cylinder 12 stays out until
    // the second click.
    d.clicar(17);
    t = d.passos(5);
    EXPECT_EQ(t[12], (Posicoes{0, 0, 100, 100, 100}));
    EXPECT_EQ(d.valvula(17).posicao_atual, 1);
    d.clicar(17);
    t = d.passos(4);
    EXPECT_EQ(t[12], (Posicoes{100, 100, 0, 0}));
    EXPECT_EQ(t[1], (Posicoes{0, 0, 0, 0}));
}

TEST(SimulacaoDemos, FuncaoESerie)
{
    TDemoSimulada d("funcaoE");
    ASSERT_TRUE(d.construida);
    // Valve 6 is fed through valve 8: either one alone does nothing.
    d.segurar(6);
    auto t = d.passos(4);
    EXPECT_EQ(t[1], (Posicoes{0, 0, 0, 0}));
    d.soltar();
    d.passos(3);
    d.segurar(8);
    t = d.passos(4);
    EXPECT_EQ(t[1], (Posicoes{0, 0, 0, 0}));
    // Both held (Shift keeps the first held while the second is pressed).
    d.segurar(6);
    t = d.passos(4);
    EXPECT_EQ(t[1], (Posicoes{0, 0, 100, 100}));
    EXPECT_EQ(t[11], (Posicoes{0, 0, 0, 0}));
    d.soltar();
    t = d.passos(5);
    EXPECT_EQ(t[1], (Posicoes{100, 100, 100, 0, 0}));
}

TEST(SimulacaoDemos, FuncaoEValvulaE)
{
    TDemoSimulada d("funcaoE");
    ASSERT_TRUE(d.construida);
    const TValvula_E_OU_ESC_REG &e = *d.componente(16).valvula_e_ou_esc_reg;
    d.segurar(19);
    auto t = d.passos(4);
    EXPECT_EQ(t[11], (Posicoes{0, 0, 0, 0}));
    EXPECT_EQ(e.estado(), 2); // only input 1
    d.segurar(22);
    t = d.passos(5);
    EXPECT_EQ(t[11], (Posicoes{0, 0, 100, 100, 100}));
    EXPECT_EQ(e.estado(), 1);
    // A plain click elsewhere releases both buttons.
    d.soltar();
    t = d.passos(5);
    EXPECT_EQ(t[11], (Posicoes{100, 100, 100, 0, 0}));
    // A single click on each, one after the other, is never a simultaneous press.
    d.clicar(19);
    d.passos(1);
    d.clicar(22);
    t = d.passos(5);
    EXPECT_EQ(t[11], (Posicoes{0, 0, 0, 0, 0}));
}

TEST(SimulacaoDemos, FuncaoOU)
{
    TDemoSimulada d("funcaoOU");
    ASSERT_TRUE(d.construida);
    // Either button of the OR valve 25 pilots valve 12 for one step: cylinder 11 goes out and,
    // the pilot gone, its spring valve brings it back.
    for (int botao : {19, 22}) {
        SCOPED_TRACE(botao);
        d.clicar(botao);
        auto t = d.passos(5);
        EXPECT_EQ(t[11], (Posicoes{0, 0, 100, 0, 0}));
        EXPECT_EQ(t[31], (Posicoes{0, 0, 0, 0, 0}));
    }
    // Either button of the OR valve 32 feeds the single-acting cylinder 31 directly; its
    // spring exhausts back through the same OR valve and button.
    for (int botao : {6, 8}) {
        SCOPED_TRACE(botao);
        d.clicar(botao);
        auto t = d.passos(4);
        EXPECT_EQ(t[31], (Posicoes{0, 100, 0, 0}));
        EXPECT_EQ(t[11], (Posicoes{0, 0, 0, 0}));
    }
    // Held, it stays out.
    d.segurar(8);
    auto t = d.passos(4);
    EXPECT_EQ(t[31], (Posicoes{0, 100, 100, 100}));
    EXPECT_EQ(d.componente(32).valvula_e_ou_esc_reg->estado(), 1); // fed at input 3
}

TEST(SimulacaoDemos, CicloUnico)
{
    TDemoSimulada d("AAcclonico1");
    ASSERT_TRUE(d.construida);
    // One click on lever 9: valve 2 shifts, A goes out, its label "a1" presses roller 12,
    // which pilots the return; back at 0 it stays.
    d.clicar(9);
    auto t = d.passos(10);
    EXPECT_EQ(t[1], (Posicoes{0, 0, 100, 100, 0, 0, 0, 0, 0, 0}));
    // The next click runs the cycle once more.
    d.clicar(9);
    t = d.passos(6);
    EXPECT_EQ(t[1], (Posicoes{0, 0, 100, 100, 0, 0}));
}

TEST(SimulacaoDemos, CicloUnicoComAlavancaSegurada)
{
    TDemoSimulada d("AAcclonico1");
    ASSERT_TRUE(d.construida);
    // With the lever held both pilots of valve 2 are on once A reaches "a1": neither wins and
    // A stays out until the lever is let go.
    d.segurar(9);
    auto t = d.passos(6);
    EXPECT_EQ(t[1], (Posicoes{0, 0, 100, 100, 100, 100}));
    d.soltar();
    t = d.passos(4);
    EXPECT_EQ(t[1], (Posicoes{100, 100, 100, 0}));
}

TEST(SimulacaoDemos, CicloContinuo)
{
    TDemoSimulada d("AAcclocontnuo1");
    ASSERT_TRUE(d.construida);
    // Nothing moves before the latching lever is clicked, although A rests on "a2".
    auto t = d.passos(3);
    EXPECT_EQ(t[1], (Posicoes{0, 0, 0}));
    d.clicar(9);
    t = d.passos(12);
    EXPECT_EQ(t[1], (Posicoes{0, 0, 100, 100, 0, 0, 100, 100, 0, 0, 100, 100}));
    // Just back at "a2", the second click unlatches the lever; the next step still carries the
    // lever's air to the pilot (the walk runs before the valve shifts), so A makes one more
    // stroke and then stays in.
    t = d.passos(1);
    EXPECT_EQ(t[1], (Posicoes{0}));
    d.clicar(9);
    t = d.passos(8);
    EXPECT_EQ(t[1], (Posicoes{0, 100, 100, 0, 0, 0, 0, 0}));
}

// The sequential circuits: the detented lever of valve 19 starts the sequence, which repeats
// while it stays latched; a second click, given in the middle of a cycle, lets that cycle finish
// and nothing moves after it.
struct Sequencia {
    const char *nome;
    Posicoes a, b; // A (11) and B (36) over one cycle, from the click on
};

class SimulacaoSequencial : public ::testing::TestWithParam<Sequencia> {};

TEST_P(SimulacaoSequencial, CicloRepeteEParaNaSegundaAlavanca)
{
    const Sequencia &s = GetParam();
    TDemoSimulada d(s.nome);
    ASSERT_TRUE(d.construida);
    auto t = d.passos(4);
    EXPECT_EQ(t[11], (Posicoes{0, 0, 0, 0}));
    EXPECT_EQ(t[36], (Posicoes{0, 0, 0, 0}));

    d.clicar(19);
    const int n = int(s.a.size());
    const int meio = 4;
    auto repetir = [&](const Posicoes &ciclo) {
        Posicoes r = ciclo;
        r.insert(r.end(), ciclo.begin(), ciclo.end());
        r.insert(r.end(), ciclo.begin(), ciclo.begin() + meio);
        return r;
    };
    t = d.passos(2 * n + meio);
    EXPECT_EQ(t[11], repetir(s.a));
    EXPECT_EQ(t[36], repetir(s.b));

    d.clicar(19);
    t = d.passos(n);
    auto resto = [&](const Posicoes &ciclo) {
        Posicoes r(ciclo.begin() + meio, ciclo.end());
        r.resize(size_t(n), 0);
        return r;
    };
    EXPECT_EQ(t[11], resto(s.a));
    EXPECT_EQ(t[36], resto(s.b));
}

// intuitivo1 runs A+ B+ A- B-; the other three A+ B+ B- A-.
INSTANTIATE_TEST_SUITE_P(
    Demos, SimulacaoSequencial,
    ::testing::Values(Sequencia{"intuitivo1", {0, 0, 100, 100, 100, 100, 0, 0}, {0, 0, 0, 0, 100, 100, 100, 100}},
                      Sequencia{"intuitivo2",
                                {0, 0, 0, 100, 100, 100, 100, 100, 100, 100},
                                {0, 0, 0, 0, 0, 100, 100, 100, 0, 0}},
                      Sequencia{"cascata",
                                {0, 0, 0, 100, 100, 100, 100, 100, 100, 100},
                                {0, 0, 0, 0, 0, 100, 100, 100, 0, 0}},
                      Sequencia{"passoapasso",
                                {0, 0, 0, 0, 100, 100, 100, 100, 100, 100, 100, 100, 100, 100},
                                {0, 0, 0, 0, 0, 0, 0, 100, 100, 100, 100, 0, 0, 0}}),
    [](const ::testing::TestParamInfo<Sequencia> &i) { return std::string(i.param.nome); });

TEST(SimulacaoDemos, PararRestauraORepouso)
{
    TDemoSimulada d("cascata");
    ASSERT_TRUE(d.construida);
    d.clicar(19);
    auto t = d.passos(6);
    EXPECT_EQ(t[11].back(), 100);
    EXPECT_EQ(t[36].back(), 100);
    TBpararClick(d.estado);
    EXPECT_EQ(d.posicao(11), 0);
    EXPECT_EQ(d.posicao(36), 0);
    EXPECT_EQ(d.valvula(19).posicao_atual, 2);
    // The next tick's rest-state update shows the rollers held at rest as the circuit was built.
    AtualizarAcionadores(d.estado);
    EXPECT_EQ(d.valvula(22).posicao_atual, 1);
    EXPECT_EQ(d.valvula(42).posicao_atual, 1);
    EXPECT_EQ(d.valvula(46).posicao_atual, 2);
    EXPECT_EQ(d.valvula(49).posicao_atual, 2);
}

TEST(SimulacaoDemos, PeloTemporizadorComoNaJanela)
{
    // The same single cycle driven by the 20 ms timer: one step every 20 ticks.
    TDemoSimulada d("AAcclonico1");
    ASSERT_TRUE(d.construida);
    d.estado.tempo_acumulado = 0;
    const TApresentacaoSimulacao nada;
    d.clicar(9);
    Posicoes p;
    for (int passo = 0; passo < 6; ++passo) {
        for (int tique = 0; tique < 20; ++tique)
            Timer1Timer(d.estado, nada);
        p.push_back(d.posicao(1));
    }
    EXPECT_EQ(p, (Posicoes{0, 0, 100, 100, 0, 0}));
}

// The start lever operated by its name, as a grading script does it.
TEST(SequenciaDemos, ONomeEscolheAPrimeiraValvulaDaLista)
{
    TEstado estado;
    TInterfaceRoteirizada ui;
    ASSERT_TRUE(Construir_Demonstracao(estado, ui, QStringLiteral("comandobasico2")));
    TRoteiro_Simulacao roteiro; // valves 6 and 17 are both named "a2"
    QStringList resto;
    QString erro;
    ASSERT_TRUE(roteiro.ler({"--clique", "1:A2:esq"}, resto, erro));
    EXPECT_EQ(roteiro.validar(estado), QString());
    EXPECT_EQ(roteiro.eventos.at(0).codigo, 6);
}

} // namespace
} // namespace zefira
