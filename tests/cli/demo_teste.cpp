// zefira-cli demo: the list of demonstrations, the files it writes (read back by verificar and
// run by simular) and its refusal of unknown names.

#include "apoio/executar_cli.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

using zefira::teste::Execucao;
Execucao executar(const QStringList &args) { return zefira::teste::executar_cli(args); }

// Menu order, with the number of records each one builds.
const std::pair<const char *, int> DEMOS[] = {
    {"comandobasico1", 11}, {"comandobasico2", 19}, {"funcaoE", 23},    {"funcaoOU", 22}, {"AAcclonico1", 11},
    {"AAcclocontnuo1", 13}, {"intuitivo1", 24},     {"intuitivo2", 32}, {"cascata", 44},  {"passoapasso", 78},
};

TEST(DemoCli, ListaNaOrdemDoMenuComAsLegendas)
{
    const Execucao e = executar({QStringLiteral("demo"), QStringLiteral("--lista")});
    EXPECT_EQ(e.status, 0);
    EXPECT_EQ(e.saida, QStringLiteral("comandobasico1  Comando Básico 1\n"
                                      "comandobasico2  Comando Básico 2\n"
                                      "funcaoE         Função E\n"
                                      "funcaoOU        Função OU\n"
                                      "AAcclonico1     A+ A- ciclo único\n"
                                      "AAcclocontnuo1  A+ A- ciclo contínuo\n"
                                      "intuitivo1      Intuitivo 1\n"
                                      "intuitivo2      Intuitivo 2\n"
                                      "cascata         Cascata\n"
                                      "passoapasso     Passo a Passo\n"));
    EXPECT_TRUE(e.erros.isEmpty());
}

TEST(DemoCli, CadaArquivoEscritoELidoSemMensagem)
{
    QTemporaryDir pasta;
    ASSERT_TRUE(pasta.isValid());
    for (const auto &[nome, n] : DEMOS) {
        SCOPED_TRACE(nome);
        const QString arquivo = pasta.filePath(QString::fromLatin1(nome) + QStringLiteral(".zfr"));
        const Execucao d = executar({QStringLiteral("demo"), QString::fromLatin1(nome), arquivo});
        ASSERT_EQ(d.status, 0) << d.erros.toStdString();
        EXPECT_TRUE(d.saida.isEmpty());
        const Execucao v = executar({QStringLiteral("verificar"), arquivo});
        EXPECT_EQ(v.status, 0);
        EXPECT_EQ(v.saida, QStringLiteral("componentes: %1\n").arg(n));
    }
}

TEST(DemoCli, NomeDesconhecido)
{
    QTemporaryDir pasta;
    const QString arquivo = pasta.filePath(QStringLiteral("x.zfr"));
    const Execucao e = executar({QStringLiteral("demo"), QStringLiteral("ComandoBasico1"), arquivo});
    EXPECT_EQ(e.status, 4);
    EXPECT_TRUE(e.saida.isEmpty());
    EXPECT_TRUE(e.erros.contains(QStringLiteral("ComandoBasico1"))) << e.erros.toStdString();
    EXPECT_FALSE(QFile::exists(arquivo));
}

TEST(DemoCli, ArgumentosErrados)
{
    EXPECT_EQ(executar({QStringLiteral("demo")}).status, 4);
    EXPECT_EQ(executar({QStringLiteral("demo"), QStringLiteral("cascata")}).status, 4);
    const Execucao e = executar({QStringLiteral("demo"), QStringLiteral("--lista"), QStringLiteral("x")});
    EXPECT_EQ(e.status, 4);
    EXPECT_FALSE(e.erros.isEmpty());
}

TEST(DemoCli, SaidaImpossivelDeGravar)
{
    QTemporaryDir pasta;
    const QString arquivo = pasta.filePath(QStringLiteral("nao/existe/x.zfr"));
    const Execucao e = executar({QStringLiteral("demo"), QStringLiteral("cascata"), arquivo});
    EXPECT_EQ(e.status, 3);
    EXPECT_EQ(e.erros.trimmed(), QStringLiteral("Erro ao salvar arquivo!"));
}

// Cylinder positions from simular's lines: step 0 (the start) and one per step.
QList<int> posicoes(const QString &saida, int cilindro)
{
    QList<int> r;
    for (const QString &linha : saida.split(QLatin1Char('\n'), Qt::SkipEmptyParts))
        for (const QJsonValue &c : QJsonDocument::fromJson(linha.toUtf8()).object()[QStringLiteral("cilindros")].toArray())
            if (c.toObject()[QStringLiteral("codigo")].toInt() == cilindro)
                r << c.toObject()[QStringLiteral("posicao")].toInt();
    return r;
}

TEST(DemoCli, ArquivoDaDemoSimulado)
{
    QTemporaryDir pasta;
    const QString unico = pasta.filePath(QStringLiteral("unico.zfr"));
    ASSERT_EQ(executar({QStringLiteral("demo"), QStringLiteral("AAcclonico1"), unico}).status, 0);
    // A click on lever 9 before step 1: one A+ A- cycle.
    const Execucao s = executar({QStringLiteral("simular"), unico, QStringLiteral("--clique"), QStringLiteral("1:9:esq"),
                                 QStringLiteral("--soltar"), QStringLiteral("1"), QStringLiteral("--passos"),
                                 QStringLiteral("8")});
    ASSERT_EQ(s.status, 0) << s.erros.toStdString();
    EXPECT_EQ(posicoes(s.saida, 1), (QList<int>{0, 0, 0, 100, 100, 0, 0, 0, 0}));

    const QString cascata = pasta.filePath(QStringLiteral("cascata.zfr"));
    ASSERT_EQ(executar({QStringLiteral("demo"), QStringLiteral("cascata"), cascata}).status, 0);
    const Execucao c = executar({QStringLiteral("simular"), cascata, QStringLiteral("--clique"),
                                 QStringLiteral("1:19:esq"), QStringLiteral("--soltar"), QStringLiteral("1"),
                                 QStringLiteral("--passos"), QStringLiteral("11")});
    ASSERT_EQ(c.status, 0) << c.erros.toStdString();
    EXPECT_EQ(posicoes(c.saida, 11), (QList<int>{0, 0, 0, 0, 100, 100, 100, 100, 100, 100, 100, 0}));
    EXPECT_EQ(posicoes(c.saida, 36), (QList<int>{0, 0, 0, 0, 0, 0, 100, 100, 100, 0, 0, 0}));
}

} // namespace
