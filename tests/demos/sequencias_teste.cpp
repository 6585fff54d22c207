// The movement sequences the demonstrations show once their start lever is operated by its
// name, as a teacher's grading script does it.

#include "demos/apoio_demos.h"
#include "simulation/registro_movimentos.h"

namespace zefira {
namespace {

struct CasoSequencia {
    const char *nome;
    QStringList opcoes;   // the simulation options, as on the command line
    const char *esperada; // the whole observed sequence
};

class SequenciaDemos : public ::testing::TestWithParam<CasoSequencia> {};

TEST_P(SequenciaDemos, MovimentosObservados)
{
    const CasoSequencia &t = GetParam();
    TEstado estado;
    TInterfaceRoteirizada ui;
    ASSERT_TRUE(Construir_Demonstracao(estado, ui, QString::fromLatin1(t.nome)));
    TRoteiro_Simulacao roteiro;
    QStringList resto;
    QString erro;
    ASSERT_TRUE(roteiro.ler(t.opcoes, resto, erro)) << erro.toStdString();
    ASSERT_EQ(roteiro.validar(estado), QString());
    roteiro.iniciar(estado);
    for (int k = 1; k <= roteiro.passos; ++k)
        roteiro.executar_passo(estado, k);
    EXPECT_EQ(Sequencia_Observada(estado.historico).join(' ').toStdString(), std::string(t.esperada));
}

// Each sequential circuit runs its 8 to 14-step cycle over and over while its lever "a4" stays
// latched (three cycles shown); the single-cycle circuit runs once per click, the continuous
// one repeats.
INSTANTIATE_TEST_SUITE_P(
    Demos, SequenciaDemos,
    ::testing::Values(
        CasoSequencia{"intuitivo1", {"--clique", "1:a4:esq", "--passos", "25"}, "A+ B+ A- B- A+ B+ A- B- A+ B+ A- B-"},
        CasoSequencia{"intuitivo2", {"--clique", "1:A4:esq", "--passos", "31"}, "A+ B+ B- A- A+ B+ B- A- A+ B+ B- A-"},
        CasoSequencia{"cascata", {"--clique", "1: a4 :esq", "--passos", "31"}, "A+ B+ B- A- A+ B+ B- A- A+ B+ B- A-"},
        CasoSequencia{"passoapasso", {"--clique", "1:a4:esq", "--passos", "43"},
                      "A+ B+ B- A- A+ B+ B- A- A+ B+ B- A-"},
        CasoSequencia{"AAcclonico1", {"--clique", "1:a2:esq", "--soltar", "1", "--passos", "20"}, "A+ A-"},
        CasoSequencia{"AAcclocontnuo1", {"--clique", "1:a4:esq", "--passos", "17"}, "A+ A- A+ A- A+ A- A+ A-"}),
    [](const ::testing::TestParamInfo<CasoSequencia> &i) { return std::string(i.param.nome); });

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
