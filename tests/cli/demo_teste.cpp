// zefira-cli demo: the list of demonstrations, the files it writes and its refusals.

#include "apoio/executar_cli.h"
#include "documento/apoio_arquivos.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

using zefira::teste::Execucao;
Execucao executar(const QStringList &args) { return zefira::teste::executar_cli(args); }

// The list in the menu's order with its captions; each name writes, silently, the circuit the
// Demo menu builds, byte for byte as its copy in the seed corpus.
TEST(DemoCli, ListaECadaArquivoEscritoComoNoCorpus)
{
    const Execucao e = executar({QStringLiteral("demo"), QStringLiteral("--lista")});
    EXPECT_EQ(e.status, 0);
    EXPECT_EQ(e.saida, QStringLiteral("comandobasico1        Comando Básico 1\n"
                                      "comandobasico2        Comando Básico 2\n"
                                      "funcaoE               Função E\n"
                                      "funcaoOU              Função OU\n"
                                      "AAcclonico1           A+ A- ciclo único\n"
                                      "AAcclocontnuo1        A+ A- ciclo contínuo\n"
                                      "intuitivo1            Intuitivo 1\n"
                                      "intuitivo2            Intuitivo 2\n"
                                      "cascata               Cascata\n"
                                      "passoapasso           Passo a Passo\n"
                                      "eletro_direto         Comando direto\n"
                                      "eletro_selo           Selo (auto-retenção)\n"
                                      "eletro_ciclo_unico    Ciclo único\n"
                                      "eletro_intuitivo      Intuitivo elétrico\n"
                                      "eletro_cascata        Cascata elétrica\n"
                                      "eletro_passo_a_passo  Passo a passo elétrico\n"
                                      "eletro_temporizado    Temporizado\n"
                                      "eletro_contador       Contador\n"));
    EXPECT_TRUE(e.erros.isEmpty());

    QTemporaryDir pasta;
    ASSERT_TRUE(pasta.isValid());
    for (const QString &linha : e.saida.split(QLatin1Char('\n'), Qt::SkipEmptyParts)) {
        const QString nome = linha.section(QLatin1Char(' '), 0, 0);
        SCOPED_TRACE(nome.toStdString());
        const QString arquivo = pasta.filePath(nome + QStringLiteral(".zfr"));
        const Execucao d = executar({QStringLiteral("demo"), nome, arquivo});
        ASSERT_EQ(d.status, 0) << d.erros.toStdString();
        EXPECT_TRUE(d.saida.isEmpty());
        const QString corpus = QStringLiteral(ZEFIRA_FIXTURES "/../fuzz/corpus/demo_%1.zfr").arg(nome);
        EXPECT_EQ(QString::fromLatin1(zefira::teste::sem_data(zefira::teste::ler_bytes(arquivo))).toStdString(),
                  QString::fromLatin1(zefira::teste::sem_data(zefira::teste::ler_bytes(corpus))).toStdString());
    }
}

TEST(DemoCli, ErrosNaoGravamNada)
{
    QTemporaryDir pasta;
    const QString arquivo = pasta.filePath(QStringLiteral("x.zfr"));
    const struct {
        QStringList args;
        int status;
        const char *erro; // contained in stderr
    } casos[] = {
        {{"demo", "ComandoBasico1", arquivo}, 4, "ComandoBasico1"}, // names are case-sensitive
        {{"demo"}, 4, "uso: "},
        {{"demo", "cascata"}, 4, "uso: "},
        {{"demo", "cascata", pasta.filePath(QStringLiteral("nao/existe/x.zfr"))}, 3, "Erro ao salvar arquivo!\n"},
    };
    for (const auto &k : casos) {
        SCOPED_TRACE(k.args.join(' ').toStdString());
        const Execucao e = executar(k.args);
        EXPECT_EQ(e.status, k.status);
        EXPECT_TRUE(e.saida.isEmpty());
        EXPECT_TRUE(e.erros.contains(QString::fromUtf8(k.erro))) << e.erros.toStdString();
        EXPECT_FALSE(QFile::exists(arquivo));
    }
}

} // namespace
