// zefira-cli simbolos and the help's symbol page: the pictures in resources/Ajuda/figuras are
// exactly what the symbol library draws today, and the page shows every square and actuator.

#include "apoio/executar_cli.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

using zefira::teste::Execucao;
Execucao executar(const QStringList &args) { return zefira::teste::executar_cli(args); }

const QString AJUDA = QStringLiteral(ZEFIRA_FONTES "/../resources/Ajuda");

QStringList arquivos(const QString &pasta, const QString &filtro)
{
    return QDir(pasta).entryList({filtro}, QDir::Files, QDir::Name);
}

} // namespace

TEST(SimbolosCli, FigurasDaAjudaSaoAsQueABibliotecaDesenhaTambemEmSvg)
{
    QTemporaryDir pasta;
    ASSERT_TRUE(pasta.isValid());
    const Execucao e = executar({"simbolos", pasta.path()});
    ASSERT_EQ(e.status, 0) << e.erros.toStdString();
    const QString figuras = AJUDA + QStringLiteral("/figuras");
    const QStringList geradas = arquivos(pasta.path(), "*.png");
    ASSERT_GT(geradas.size(), 50);
    // Regenerate with: build/zefira-cli simbolos resources/Ajuda/figuras
    EXPECT_EQ(arquivos(figuras, "*"), geradas);
    for (const QString &nome : geradas) {
        SCOPED_TRACE(nome.toStdString());
        const QImage nova = QImage(pasta.filePath(nome)).convertToFormat(QImage::Format_RGB32);
        const QImage guardada = QImage(figuras + '/' + nome).convertToFormat(QImage::Format_RGB32);
        EXPECT_TRUE(nova == guardada);
    }
    ASSERT_EQ(executar({"simbolos", pasta.filePath("svg"), "--svg"}).status, 0);
    EXPECT_EQ(arquivos(pasta.filePath("svg"), "*.svg").size(), geradas.size());
}

TEST(SimbolosCli, PaginaMostraCadaQuadradoAcionamentoEComponente)
{
    QFile f(AJUDA + QStringLiteral("/simbolos.htm"));
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    const QString pagina = QString::fromUtf8(f.readAll());
    QStringList mostradas;
    static const QRegularExpression IMG(R"re(<img src="figuras/([^"]+)")re");
    for (auto it = IMG.globalMatch(pagina); it.hasNext();)
        mostradas << it.next().captured(1);
    const QStringList existentes = arquivos(AJUDA + QStringLiteral("/figuras"), "*.png");
    for (const QString &m : mostradas)
        EXPECT_TRUE(existentes.contains(m)) << m.toStdString();

    // Pictures the page leaves out, and why.
    static const QRegularExpression FORA(
        "_dir\\.png$"                 // right-hand actuators: mirror images of the left ones
        "|_[23]\\.png$"               // E, OU, escape and regulator as drawn while simulating
        "|_on\\.png$"                 // electrical parts as drawn while actuated or energised
        "|^cilindro_(se_dehs|dehd)(_cabo)?\\.png$|^cilindro_(dentro|fora)\\.png$"); // cylinder parts
    for (const QString &nome : existentes)
        if (!FORA.match(nome).hasMatch())
            EXPECT_TRUE(mostradas.contains(nome)) << nome.toStdString() << " não aparece em simbolos.htm";
    EXPECT_TRUE(pagina.contains(QStringLiteral("<title>ZEFIRA - Símbolos</title>")));
}

TEST(SimbolosCli, StatusDeErro)
{
    QTemporaryDir pasta;
    ASSERT_TRUE(pasta.isValid());
    QFile ocupado(pasta.filePath("arquivo"));
    ASSERT_TRUE(ocupado.open(QIODevice::WriteOnly));
    ocupado.close();
    const struct {
        QStringList args;
        int status;
    } CASOS[] = {
        {{}, 4},
        {{pasta.filePath("a"), pasta.filePath("b")}, 4},
        {{pasta.filePath("a"), "--escala", "0"}, 4},
        {{pasta.filePath("a"), "--escala"}, 4},
        {{pasta.filePath("a"), "--formato"}, 4},
        {{pasta.filePath("arquivo")}, 3},
    };
    for (const auto &c : CASOS) {
        SCOPED_TRACE(c.args.join(' ').toStdString());
        const Execucao e = executar(QStringList{"simbolos"} + c.args);
        EXPECT_EQ(e.status, c.status);
        EXPECT_FALSE(e.erros.isEmpty());
    }
    EXPECT_FALSE(QFile::exists(pasta.filePath("a")));
}
