// The electro-pneumatic demonstrations do what they show: each one's movements with the start
// button S1 pressed at step 1 and released at step 2.
#include "apoio/executar_cli.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

TEST(DemosEletricas, SequenciaDeCadaUma)
{
    const struct {
        const char *demo;
        QStringList cliques; // besides S1's press at step 1
        const char *sequencia;
    } casos[] = {
        {"eletro_direto", {"--soltar", "4"}, "passo 2: A+\npasso 5: A-\n"},
        {"eletro_selo", {"--soltar", "2"}, "passo 2: A+\n"},
        {"eletro_selo", {"--soltar", "2", "--clique", "12:S0:esq", "--soltar", "13"}, "passo 2: A+\npasso 13: A-\n"},
        {"eletro_ciclo_unico", {"--soltar", "2"}, "passo 2: A+\npasso 4: A-\n"},
        {"eletro_intuitivo", {"--soltar", "2"}, "passo 2: A+\npasso 4: B+\npasso 6: A-\npasso 8: B-\n"},
        {"eletro_cascata", {"--soltar", "2"}, "passo 2: A+\npasso 4: B+\npasso 6: B-\npasso 8: A-\n"},
        {"eletro_passo_a_passo", {"--soltar", "2"}, "passo 2: A+\npasso 4: B+\npasso 6: B-\npasso 8: A-\n"},
        {"eletro_temporizado", {"--soltar", "2"}, "passo 2: A+\npasso 9: A-\n"},
        {"eletro_contador", {"--soltar", "2"},
         "passo 2: A+\npasso 4: A-\npasso 6: A+\npasso 8: A-\npasso 10: A+\npasso 12: A-\n"},
    };
    QTemporaryDir pasta;
    ASSERT_TRUE(pasta.isValid());
    for (const auto &c : casos) {
        SCOPED_TRACE(c.demo);
        const QString arquivo = pasta.filePath(QString::fromLatin1(c.demo) + ".zfr");
        ASSERT_EQ(zefira::teste::executar_cli({"demo", c.demo, arquivo}).status, 0);
        // Forty steps: a single cycle must also stay still for twenty steps after it.
        const auto s = zefira::teste::executar_cli(QStringList{"sequencia", arquivo, "--clique", "1:S1:esq", "--passos", "40"}
                                                   + c.cliques);
        EXPECT_EQ(s.status, 0) << s.erros.toStdString();
        EXPECT_EQ(s.saida.toStdString(), c.sequencia);
    }
}

// The electro-pneumatic exercises' solutions pass the grader with the sequence each exercise
// asks for, S1 being the start button.
TEST(DemosEletricas, SolucoesDosExerciciosAprovadas)
{
    const struct {
        const char *arquivo;
        const char *sequencia;
        QStringList cliques;
    } casos[] = {
        {"eletro01", "A+ A-", {"--soltar", "4"}},
        {"eletro02", "A+ A-", {"--soltar", "2", "--clique", "12:S0:esq", "--soltar", "13"}},
        {"eletro03", "A+ A-", {"--soltar", "2"}},
        {"eletro04", "A+ B+ A- B-", {"--soltar", "2"}},
        {"eletro05", "A+ B+ B- A-", {"--soltar", "2"}},
        {"eletro06", "A+ B+ B- A-", {"--soltar", "2"}},
    };
    for (const auto &c : casos) {
        SCOPED_TRACE(c.arquivo);
        const QString arquivo = QStringLiteral(ZEFIRA_FONTES "/../resources/Ajuda/solucoes/%1.zfr").arg(c.arquivo);
        const auto r = zefira::teste::executar_cli(
            QStringList{"avaliar", "--sequencia", c.sequencia, "--clique", "1:S1:esq"} + c.cliques + QStringList{arquivo});
        EXPECT_EQ(r.status, 0) << r.saida.toStdString() << r.erros.toStdString();
        EXPECT_TRUE(r.saida.contains("aprovado")) << r.saida.toStdString();
    }
}

} // namespace
