// zefira-cli exportar: the drawing's own area in PNG, SVG or PDF, checked against desenhar's
// picture; the ten demonstrations; the exit statuses.

#include "apoio/executar_cli.h"
#include "apoio/figuras.h"

#include <QFile>
#include <QImage>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

using zefira::teste::cor;
using zefira::teste::nao_brancos;
using zefira::teste::recorte;

using zefira::teste::Execucao;
Execucao executar(const QStringList &args) { return zefira::teste::executar_cli(args); }

const char *const DEMOS[] = {"comandobasico1", "comandobasico2", "funcaoE",    "funcaoOU", "AAcclonico1",
                             "AAcclocontnuo1", "intuitivo1",     "intuitivo2", "cascata",  "passoapasso"};


QString demo(const QTemporaryDir &pasta, const char *nome)
{
    const QString arquivo = pasta.filePath(QString::fromLatin1(nome) + QStringLiteral(".zfr"));
    EXPECT_EQ(executar({QStringLiteral("demo"), QString::fromLatin1(nome), arquivo}).status, 0);
    return arquivo;
}

QByteArray ler(const QString &nome)
{
    QFile f(nome);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

} // namespace

TEST(ExportarCli, EmEscala1EORecorteDoDesenhoComMargemDe20)
{
    QTemporaryDir pasta;
    ASSERT_TRUE(pasta.isValid());
    // At rest and after a few simulated steps with a valve clicked: the picture is the circuit
    // as shown, simulation colours and moved rods included.
    const std::pair<const char *, const char *> DEMOS_CLIQUE[] = {{"comandobasico1", "1:3:esq"},
                                                                  {"cascata", "1:12:esq"}};
    for (const auto &[nome, clique] : DEMOS_CLIQUE) {
        const QString arquivo = demo(pasta, nome);
        for (const QStringList &sim : {QStringList{}, QStringList{"--passos", "3", "--clique", clique}}) {
            SCOPED_TRACE(std::string(nome) + " " + sim.join(' ').toStdString());
            const QString tela = pasta.filePath("tela.png"), png = pasta.filePath("exportada.png");
            const Execucao d = executar(QStringList{"desenhar", arquivo, tela} + sim);
            ASSERT_EQ(d.status, 0) << d.erros.toStdString();
            const Execucao e = executar(QStringList{"exportar", arquivo, png} + sim);
            ASSERT_EQ(e.status, 0) << e.erros.toStdString();
            EXPECT_TRUE(e.saida.isEmpty());
            const QImage area(tela);
            const QRect limites = nao_brancos(area);
            ASSERT_FALSE(limites.isEmpty());
            const QImage exportada = QImage(png).convertToFormat(QImage::Format_RGB32);
            EXPECT_TRUE(exportada == recorte(area, limites.adjusted(-20, -20, 20, 20)));
        }
    }
}

TEST(ExportarCli, AsDezDemonstracoesEmTodosOsFormatos)
{
    QTemporaryDir pasta;
    ASSERT_TRUE(pasta.isValid());
    for (const char *nome : DEMOS) {
        SCOPED_TRACE(nome);
        const QString arquivo = demo(pasta, nome);
        const QString base = pasta.filePath(QString::fromLatin1(nome));
        const Execucao um = executar({"exportar", arquivo, base + "_1.png"});
        ASSERT_EQ(um.status, 0) << um.erros.toStdString();
        const Execucao dois = executar({"exportar", arquivo, base + "_2.png", "--escala", "2"});
        ASSERT_EQ(dois.status, 0) << dois.erros.toStdString();
        EXPECT_EQ(QImage(base + "_2.png").size(), QImage(base + "_1.png").size() * 2);

        ASSERT_EQ(executar({"exportar", arquivo, base + ".svg"}).status, 0);
        const QByteArray svg = ler(base + ".svg");
        EXPECT_TRUE(svg.contains("<svg"));
        EXPECT_FALSE(svg.contains("<image")) << "a picture embedded instead of vectors";
        EXPECT_TRUE(svg.contains("</text>"));
        const QSize tamanho = QImage(base + "_1.png").size();
        EXPECT_TRUE(svg.contains(QStringLiteral("viewBox=\"0 0 %1 %2\"").arg(tamanho.width()).arg(tamanho.height()).toUtf8()));

        ASSERT_EQ(executar({"exportar", arquivo, base + ".PDF", "--escala", "0.5"}).status, 0);
        EXPECT_TRUE(ler(base + ".PDF").startsWith("%PDF"));
    }
}

TEST(ExportarCli, StatusDeErro)
{
    QTemporaryDir pasta;
    ASSERT_TRUE(pasta.isValid());
    const QString arquivo = demo(pasta, "comandobasico1");
    const QString png = pasta.filePath("x.png");
    QFile invalido(pasta.filePath("invalido.zfr"));
    ASSERT_TRUE(invalido.open(QIODevice::WriteOnly));
    invalido.write("isto não é um circuito\n");
    invalido.close();

    const struct {
        QStringList args;
        int status;
    } CASOS[] = {
        {{arquivo}, 4},
        {{arquivo, pasta.filePath("x.jpg")}, 4},
        {{arquivo, pasta.filePath("x")}, 4},
        {{arquivo, png, "--escala"}, 4},
        {{arquivo, png, "--escala", "0"}, 4},
        {{arquivo, png, "--escala", "-2"}, 4},
        {{arquivo, png, "--escala", "dois"}, 4},
        {{arquivo, png, "--escala", "inf"}, 4},
        {{arquivo, png, "--passos"}, 4},
        {{arquivo, png, "--desconhecida"}, 4},
        {{invalido.fileName(), png}, 1},
        {{pasta.filePath("nao_existe.zfr"), png}, 2},
        {{arquivo, pasta.filePath("nao_existe/x.png")}, 3},
        {{arquivo, pasta.filePath("nao_existe/x.svg")}, 3},
    };
    for (const auto &c : CASOS) {
        SCOPED_TRACE(c.args.join(' ').toStdString());
        const Execucao e = executar(QStringList{"exportar"} + c.args);
        EXPECT_EQ(e.status, c.status);
        EXPECT_FALSE(e.erros.isEmpty());
        EXPECT_FALSE(QFile::exists(png));
    }
}

TEST(ExportarCli, FigurasDasDemonstracoesNaAjudaSaoAsExportadasEmEscala2)
{
    // Regenerate with scripts/gerar_figuras_ajuda.sh after changing a drawing.
    QTemporaryDir pasta;
    ASSERT_TRUE(pasta.isValid());
    for (const char *nome : DEMOS) {
        SCOPED_TRACE(nome);
        const QString png = pasta.filePath(QString::fromLatin1(nome) + ".png");
        ASSERT_EQ(executar({"exportar", demo(pasta, nome), png, "--escala", "2"}).status, 0);
        const QImage guardada(QStringLiteral(ZEFIRA_FONTES "/../resources/Ajuda/demo_%1.png").arg(QString::fromLatin1(nome)));
        ASSERT_FALSE(guardada.isNull());
        EXPECT_TRUE(QImage(png).convertToFormat(QImage::Format_RGB32) == guardada.convertToFormat(QImage::Format_RGB32));
    }
}
