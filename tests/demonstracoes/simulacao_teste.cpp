// The demonstrations run as a student runs them: start, click the actuators, watch the
// cylinders. Positions are checked step by step, one entry per 400 ms step.

#include "demonstracoes/demonstracoes.h"
#include "modelo/interface_roteirizada.h"
#include "simulacao/roteiro_simulacao.h"
#include "simulacao/simulacao.h"
#include <gtest/gtest.h>
#include <map>
#include <vector>

namespace zefira {
namespace {

using Posicoes = std::vector<int>;

// One demonstration under simulation: built on a fresh document, then opened the way the
// window does it (the rest-state update of the first tick) and started with the start button.
class TDemoSimulada {
public:
    explicit TDemoSimulada(const char *nome)
    {
        TInterfaceRoteirizada ui;
        construida = Construir_Demonstracao(estado, ui, QString::fromLatin1(nome));
        TRoteiro_Simulacao().iniciar(estado);
    }

    TEstado estado;
    bool construida = false;

    TComponente &componente(int codigo) { return *estado.lista().procurar(codigo); }

    // A left-button press in the band left of the valve, where its left actuator is drawn.
    // Only that valve may react: a band shared with a neighbour would make the test meaningless.
    void pressionar(int codigo)
    {
        const TComponente &alvo = componente(codigo);
        std::map<int, bool> antes = sinais_esquerdos();
        Pressionar_Acionador(estado, alvo.esquerda - 10, (alvo.topo + alvo.baixo) / 2);
        std::map<int, bool> depois = sinais_esquerdos();
        EXPECT_NE(antes[codigo], depois[codigo]) << "press missed valve " << codigo;
        antes.erase(codigo);
        depois.erase(codigo);
        EXPECT_EQ(antes, depois) << "press on valve " << codigo << " reached another valve";
    }
    // The button released; with Shift alone held the push buttons stay applied.
    void soltar(bool com_shift = false) { Soltar_Acionadores(estado, com_shift); }
    void clicar(int codigo)
    {
        pressionar(codigo);
        soltar();
    }

    // Runs n steps; for every cylinder, its position after each step.
    std::map<int, Posicoes> passos(int n)
    {
        std::map<int, Posicoes> r;
        for (int k = 0; k < n; ++k) {
            Atualizar_Sistema(estado);
            const TLista_Componente &lista = estado.lista();
            for (int i = 0; i < lista.numero_componentes(); ++i)
                if (lista[i].cilindro)
                    r[lista[i].codigo].push_back(lista[i].cilindro->posicao);
        }
        return r;
    }

private:
    std::map<int, bool> sinais_esquerdos() const
    {
        std::map<int, bool> s;
        const TLista_Componente &lista = *estado.lista_componentes;
        for (int i = 0; i < lista.numero_componentes(); ++i)
            if (lista[i].valvula_direcional)
                s[lista[i].codigo] = lista[i].valvula_direcional->acionado_esq;
        return s;
    }
};

// A student's session on one demonstration: before each run of steps a click (press and
// release) or a hold (released only by a later plain release) on a valve's left actuator.
enum Acao { nada, clicar, segurar, soltar };
struct Fase {
    Acao acao;
    int valvula;
    int passos;
    std::map<int, Posicoes> cilindros; // by code, the position after each step
    int e_ou = 0, estado = 0;          // an AND/OR valve's state after the steps, when given
};
struct Sessao {
    const char *demo;
    std::vector<Fase> fases;
};

const Sessao SESSOES[] = {
    // Direct command: lever 3 gives a one-step pulse to single-acting cylinder 2, whose spring
    // brings it back. Indirect: lever 10 pilots valve 7, one step later cylinder 6 moves. Both
    // held: both stay out until the release, which takes one step to clear the hold and one to
    // shift back.
    {"comandobasico1",
     {{clicar, 3, 4, {{2, {0, 100, 0, 0}}, {6, {0, 0, 0, 0}}}},
      {clicar, 10, 5, {{6, {0, 0, 100, 0, 0}}, {2, {0, 0, 0, 0, 0}}}},
      {segurar, 3, 0, {}},
      {segurar, 10, 4, {{2, {0, 100, 100, 100}}, {6, {0, 0, 100, 100}}}},
      {soltar, 0, 4, {{2, {100, 100, 0, 0}}, {6, {100, 100, 100, 0}}}}}},
    // Buttons 6 and 9 pilot valve 2 (no spring) out and back; the latching button 17 holds the
    // pilot of valve 13 until its second click.
    {"comandobasico2",
     {{clicar, 6, 5, {{1, {0, 0, 100, 100, 100}}}},
      {clicar, 9, 4, {{1, {100, 100, 0, 0}}, {12, {0, 0, 0, 0}}}},
      {clicar, 17, 5, {{12, {0, 0, 100, 100, 100}}}},
      {clicar, 17, 4, {{12, {100, 100, 0, 0}}, {1, {0, 0, 0, 0}}}}}},
    // AND in series: valve 6 is fed through valve 8, either one held alone does nothing; both
    // held (Shift keeps the first) move cylinder 1.
    {"funcaoE",
     {{segurar, 6, 4, {{1, {0, 0, 0, 0}}}},
      {soltar, 0, 3, {}},
      {segurar, 8, 4, {{1, {0, 0, 0, 0}}}},
      {segurar, 6, 4, {{1, {0, 0, 100, 100}}, {11, {0, 0, 0, 0}}}},
      {soltar, 0, 5, {{1, {100, 100, 100, 0, 0}}}}}},
    // The AND valve 16: input 1 alone passes nothing (state 2), both inputs do (state 1); a plain
    // click elsewhere releases both buttons, and one click after the other is never a
    // simultaneous press.
    {"funcaoE",
     {{segurar, 19, 4, {{11, {0, 0, 0, 0}}}, 16, 2},
      {segurar, 22, 5, {{11, {0, 0, 100, 100, 100}}}, 16, 1},
      {soltar, 0, 5, {{11, {100, 100, 100, 0, 0}}}},
      {clicar, 19, 1, {}},
      {clicar, 22, 5, {{11, {0, 0, 0, 0, 0}}}}}},
    // Either button of the OR valve 25 pilots valve 12 for one step: cylinder 11 goes out and
    // its spring valve brings it back. Either button of the OR valve 32 feeds single-acting
    // cylinder 31, which exhausts back through the same OR valve and button; held, it stays out.
    {"funcaoOU",
     {{clicar, 19, 5, {{11, {0, 0, 100, 0, 0}}, {31, {0, 0, 0, 0, 0}}}},
      {clicar, 22, 5, {{11, {0, 0, 100, 0, 0}}, {31, {0, 0, 0, 0, 0}}}},
      {clicar, 6, 4, {{31, {0, 100, 0, 0}}, {11, {0, 0, 0, 0}}}},
      {clicar, 8, 4, {{31, {0, 100, 0, 0}}, {11, {0, 0, 0, 0}}}},
      {segurar, 8, 4, {{31, {0, 100, 100, 100}}}, 32, 1}}},
    // Lever 9 shifts valve 2, A goes out, its label "a1" presses roller 12, which pilots the
    // return; back at 0 it stays until the next click.
    {"AAcclonico1",
     {{clicar, 9, 10, {{1, {0, 0, 100, 100, 0, 0, 0, 0, 0, 0}}}}, {clicar, 9, 6, {{1, {0, 0, 100, 100, 0, 0}}}}}},
    // The lever held: both pilots of valve 2 are on once A reaches "a1", neither wins and A
    // stays out until the lever is let go.
    {"AAcclonico1",
     {{segurar, 9, 6, {{1, {0, 0, 100, 100, 100, 100}}}}, {soltar, 0, 4, {{1, {100, 100, 100, 0}}}}}},
    // Nothing moves before the latching lever is clicked, although A rests on "a2". Just back at
    // "a2", the second click unlatches it; the next step still carries the lever's air to the
    // pilot (the walk runs before the valve shifts), so A makes one more stroke and stays in.
    {"AAcclocontnuo1",
     {{nada, 0, 3, {{1, {0, 0, 0}}}},
      {clicar, 9, 12, {{1, {0, 0, 100, 100, 0, 0, 100, 100, 0, 0, 100, 100}}}},
      {nada, 0, 1, {{1, {0}}}},
      {clicar, 9, 8, {{1, {0, 100, 100, 0, 0, 0, 0, 0}}}}}},
};

TEST(SimulacaoDemos, SessoesDeAluno)
{
    for (const Sessao &s : SESSOES) {
        TDemoSimulada d(s.demo);
        ASSERT_TRUE(d.construida) << s.demo;
        for (size_t i = 0; i < s.fases.size(); ++i) {
            const Fase &f = s.fases[i];
            SCOPED_TRACE(testing::Message() << s.demo << ", fase " << i + 1);
            if (f.acao == clicar || f.acao == segurar)
                d.pressionar(f.valvula);
            if (f.acao != nada)
                d.soltar(f.acao == segurar);
            std::map<int, Posicoes> t = d.passos(f.passos);
            for (const auto &[codigo, posicoes] : f.cilindros)
                EXPECT_EQ(t[codigo], posicoes) << "cilindro " << codigo;
            if (f.e_ou)
                EXPECT_EQ(d.componente(f.e_ou).valvula_e_ou_esc_reg->estado(), f.estado);
        }
    }
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
