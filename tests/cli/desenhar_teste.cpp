// zefira-cli desenhar: its statuses. The picture itself is checked where exportar's is cropped
// from it (ExportarCli) and with wires across the whole range (CliConfiabilidade).

#include "apoio/executar_cli.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

TEST(CliDesenhar, StatusDeErro)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString circuito = QStringLiteral(ZEFIRA_FIXTURES "/../fuzz/corpus/demo_comandobasico1.zfr");
    const QString png = dir.filePath(QStringLiteral("area.png"));
    const struct {
        QStringList args;
        int status;
    } casos[] = {
        {{circuito}, 4},
        {{circuito, png, "--passos"}, 4},
        {{circuito, png, "--clique", "1:x:esq"}, 4},
        {{circuito, png, "--desconhecida"}, 4},
        {{circuito, png, "--clique", "1:2:esq"}, 4}, // code 2 is a cylinder, not a directional valve
        {{dir.filePath(QStringLiteral("nao_existe.zfr")), png}, 2},
        {{circuito, dir.filePath(QStringLiteral("pasta_inexistente/area.png"))}, 3},
    };
    for (const auto &k : casos) {
        SCOPED_TRACE(k.args.join(' ').toStdString());
        const zefira::teste::Execucao r = zefira::teste::executar_cli(QStringList{"desenhar"} + k.args);
        EXPECT_EQ(r.status, k.status);
        EXPECT_FALSE(r.erros.isEmpty());
        EXPECT_FALSE(QFile::exists(png));
    }
}
