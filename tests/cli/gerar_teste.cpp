// zefira-cli gerar: the circuit of a sequence by each method, graded by avaliar as a teacher
// would run both, the method's table on stderr, and the refusals.
#include "apoio/executar_cli.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace zefira;

TEST(CliGerar, CircuitoGeradoAprovadoNumCiclo)
{
    QTemporaryDir dir;
    const struct {
        const char *sequencia, *metodo;
    } casos[] = {
        {"A+ B+ B- A-", "cascata"},       {"A+ B+ B- A-", "passo-a-passo"},       {"A+ B+ A- B-", "intuitivo"},
        {"A+ B+ C+ C- B- A-", "cascata"}, {"A+ B+ C+ C- B- A-", "passo-a-passo"},
    };
    for (const auto &c : casos) {
        SCOPED_TRACE(std::string(c.sequencia) + " " + c.metodo);
        const QString arquivo = dir.filePath("c.zfr");
        teste::Execucao r = teste::executar_cli({"gerar", "--sequencia", c.sequencia, "--metodo", c.metodo, arquivo});
        ASSERT_EQ(r.status, 0) << r.erros.toStdString();
        EXPECT_EQ(r.saida, QString());
        r = teste::executar_cli({"avaliar", "--ciclos", "1", "--sequencia", c.sequencia, "--clique", "1:partida:esq",
                                 "--soltar", "2", arquivo});
        EXPECT_EQ(r.saida.toStdString(), (arquivo + ": aprovado\n").toStdString());
    }
}

TEST(CliGerar, TabelaERecusas)
{
    QTemporaryDir dir;
    const QString arquivo = dir.filePath("c.zfr");
    const struct {
        QStringList args;
        int status;
        const char *erros;
    } casos[] = {
        {{"--sequencia", "A+ B+ B- A-", "--metodo", "cascata", arquivo},
         0,
         "Método cascata: 2 grupos\nGrupo I: A+ B+ (sinal: partida e a0)\nGrupo II: B- A- (sinal: b1)\n"},
        {{"--eletrico", "--sequencia", "A+ B+ A- B-", "--metodo", "passo-a-passo", arquivo},
         0,
         "Método passo a passo: 4 passos\nPasso 1: A+ (sinal: S1 e 2S1)\nPasso 2: B+ (sinal: 1S2)\n"
         "Passo 3: A- (sinal: 2S2)\nPasso 4: B- (sinal: 1S1)\n"},
        {{"--sequencia", "A+ B+ B- A-", "--metodo", "intuitivo", arquivo},
         4,
         "sobreposição de sinais entre A+ (partida e a0) e A- (b0) : use cascata ou passo-a-passo\n"},
        {{"--sequencia", "A+ B+ B+ A-", "--metodo", "cascata", arquivo},
         4,
         "sequência inválida: o cilindro B avança duas vezes seguidas\n"},
    };
    for (const auto &c : casos) {
        QFile::remove(arquivo);
        const teste::Execucao r = teste::executar_cli(QStringList{"gerar"} + c.args);
        EXPECT_EQ(r.status, c.status) << c.args.join(' ').toStdString();
        EXPECT_EQ(r.erros.toStdString(), c.erros);
        EXPECT_EQ(QFile::exists(arquivo), c.status == 0);
    }
    const teste::Execucao r = teste::executar_cli({"gerar", "--sequencia", "A+ A-", "--metodo", "rapido", arquivo});
    EXPECT_EQ(r.status, 4);
    EXPECT_TRUE(r.erros.startsWith("zefira-cli: método desconhecido: rapido\n")) << r.erros.toStdString();
}
