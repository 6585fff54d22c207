// zefira-cli simular, run as a separate process on circuit files.

#include "apoio/executar_cli.h"
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

// The run with each printed line also read as a JSON object.
struct Execucao : zefira::teste::Execucao {
    QList<QJsonObject> passos;
    QStringList linhas;
};

Execucao simular(const QStringList &args)
{
    Execucao r{zefira::teste::executar_cli(QStringList{QStringLiteral("simular")} + args), {}, {}};
    r.linhas = r.saida.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    for (const QString &l : r.linhas)
        r.passos << QJsonDocument::fromJson(l.toUtf8()).object();
    return r;
}

QString fixture(const char *nome) { return QStringLiteral(ZEFIRA_FIXTURES "/") + QLatin1String(nome); }

} // namespace

TEST(SimularCli, SequenciaTrabalhada)
{
    const Execucao r = simular({fixture("sim_sequencia.zfr"), "--clique", "1:2:esq", "--soltar", "1", "--passos", "3"});
    ASSERT_EQ(r.status, 0) << r.erros.toStdString();
    ASSERT_EQ(r.passos.size(), 4);
    auto cilindro = [&](int k) { return r.passos[k]["cilindros"].toArray()[0].toObject(); };
    auto valvula = [&](int k) { return r.passos[k]["valvulas"].toArray()[0].toObject(); };
    for (int k = 0; k < 4; ++k)
        EXPECT_EQ(r.passos[k]["passo"].toInt(), k);
    EXPECT_EQ(valvula(0)["posicao_atual"].toInt(), 2);
    EXPECT_EQ(valvula(1)["posicao_atual"].toInt(), 1);
    EXPECT_EQ(cilindro(1)["posicao"].toInt(), 0);
    EXPECT_EQ(cilindro(2)["posicao"].toInt(), 100);
    EXPECT_EQ(cilindro(2)["forca"].toInt(), 700);
    EXPECT_EQ(valvula(2)["posicao_atual"].toInt(), 2);
    EXPECT_EQ(cilindro(3)["posicao"].toInt(), 0);
    EXPECT_EQ(cilindro(3)["forca"].toInt(), 900);
    // One line per state, no blanks, lists in component order.
    EXPECT_EQ(r.linhas[2], QStringLiteral(
        "{\"passo\":2,\"cilindros\":[{\"codigo\":3,\"posicao\":100,\"forca\":700}],"
        "\"valvulas\":[{\"codigo\":2,\"posicao_atual\":2,\"acionado_esq\":false,\"acionado_dir\":false}],"
        "\"fios\":[{\"codigo\":4,\"pressao\":6},{\"codigo\":5,\"pressao\":6}],\"e_ou\":[]}"));
}

TEST(SimularCli, ForcaTeoricaLogoAposAFuzzy)
{
    // Single acting 100/40 at 6 bar: at rest, still, advancing (p × A of the piston), then
    // back by its spring with no chamber under pressure.
    const QStringList args{fixture("sim_sequencia.zfr"), "--clique", "1:2:esq", "--soltar", "1", "--passos", "3"};
    const Execucao r = simular(args + QStringList{"--forca", "teorica"});
    const Execucao sem = simular(args);
    ASSERT_EQ(r.status, 0) << r.erros.toStdString();
    ASSERT_EQ(r.linhas.size(), 4);
    const int esperadas[] = {0, 0, 481, 0};
    for (int k = 0; k < 4; ++k) {
        // The plain line with the field added right after "forca", the cylinder's last.
        QString esperada = sem.linhas[k];
        esperada.insert(esperada.indexOf(QLatin1String("}]")), QStringLiteral(",\"forca_teorica\":%1").arg(esperadas[k]));
        EXPECT_EQ(r.linhas[k], esperada);
    }
}

TEST(SimularCli, SemCliqueNadaSeMoveEDezPassosPorPadrao)
{
    const Execucao r = simular({fixture("sim_sequencia.zfr")});
    ASSERT_EQ(r.status, 0);
    ASSERT_EQ(r.passos.size(), 11);
    EXPECT_EQ(r.passos[10]["cilindros"].toArray()[0].toObject()["posicao"].toInt(), 0);
}

TEST(SimularCli, ErrosDeUsoEDeArquivo)
{
    // Not a directional valve (3 is the cylinder), or no such code: nothing printed.
    for (const char *clique : {"1:3:esq", "1:99:dir"}) {
        const Execucao r = simular({fixture("sim_sequencia.zfr"), "--clique", clique});
        EXPECT_EQ(r.status, 4) << clique;
        EXPECT_TRUE(r.linhas.isEmpty());
        EXPECT_FALSE(r.erros.isEmpty());
    }
    const QStringList malformados[] = {
        {"--passos"}, {"--clique", "1:2"}, {"--clique", "0:2:esq"}, {"--clique", "1:2:meio"}, {"--soltar", "x"},
        {"--velocidade", "2"}, {"--forca"}, {"--forca", "fuzzy"}, {fixture("sim_anel.zfr")},
    };
    EXPECT_EQ(simular({}).status, 4); // no file
    for (const QStringList &args : malformados) {
        const Execucao r = simular(QStringList{fixture("sim_sequencia.zfr")} + args);
        EXPECT_EQ(r.status, 4) << args.join(' ').toStdString();
        EXPECT_TRUE(r.linhas.isEmpty());
    }

    const Execucao ausente = simular({fixture("sim_nao_existe.zfr")});
    EXPECT_EQ(ausente.status, 2);
    EXPECT_EQ(ausente.erros.trimmed(), QStringLiteral("Erro ao abrir arquivo!"));

    QTemporaryDir dir;
    const QString invalido = dir.filePath("invalido.zfr");
    QFile f(invalido);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("isto n\xe3o \xe9 um circuito\r\n");
    f.close();
    const Execucao r = simular({invalido});
    EXPECT_EQ(r.status, 1);
    EXPECT_TRUE(r.erros.startsWith(QStringLiteral("Arquivo Inválido!"))) << r.erros.toStdString();
    EXPECT_TRUE(r.linhas.isEmpty());
}
