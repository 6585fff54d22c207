// The electro-pneumatics chapter: opened from the Tutorial menu and the help index, it shows
// the symbol of every electrical part the palette places, and its pictures are exactly what the
// symbol library draws at 2x today (so a change of a symbol cannot leave the chapter behind).

#include "apoio/executar_cli.h"
#include "componentes/entrada_paleta.h"
#include "componentes/registro.h"
#include "documento/documentos_ajuda.h"
#include "janelas/menus.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QRegularExpression>
#include <QSet>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

using namespace zefira;

const QString PASTA = QStringLiteral(ZEFIRA_AJUDA);
const char *const CAPITULO = "Ajuda/Eletropneumatica.hlp";

} // namespace

TEST(Eletropneumatica, AbreDoTutorialEDoIndice)
{
    QString item;
    for (const TDocumentoAjuda &d : Documentos_Ajuda())
        if (QLatin1String(d.caminho) == QLatin1String(CAPITULO))
            item = QString::fromLatin1(d.item);
    ASSERT_FALSE(item.isEmpty()) << "not in the help index";
    bool no_tutorial = false;
    for (const TItemMenu &i : Itens_Menu())
        no_tutorial |= item == QLatin1String(i.item) && QLatin1String(i.menu) == QLatin1String("tutorial");
    EXPECT_TRUE(no_tutorial);
}

TEST(Eletropneumatica, FigurasSaoOsSimbolosDaBibliotecaEm2x)
{
    QFile f(PASTA + QStringLiteral("/../") + QLatin1String(CAPITULO));
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    const QString html = QString::fromUtf8(f.readAll());
    QSet<QString> figuras;
    static const QRegularExpression IMG(QStringLiteral("<img src=\"([^\"]+)\""));
    for (auto it = IMG.globalMatch(html); it.hasNext();) {
        const QString src = it.next().captured(1);
        EXPECT_TRUE(src.startsWith(QLatin1String("figuras/"))) << src.toStdString() << ": not a library picture";
        figuras << src.mid(8);
    }

    // Every electrical part the palette places is shown.
    for (const TFamilia *familia : Familias())
        if (familia->eletrica())
            for (const TEntrada_Paleta &e : familia->paleta())
                EXPECT_TRUE(figuras.contains(QLatin1String(e.figura) + QStringLiteral(".png"))) << e.figura;

    // Regenerate with: build/zefira-cli simbolos resources/Ajuda/figuras --escala 2
    QTemporaryDir pasta;
    ASSERT_TRUE(pasta.isValid());
    const auto e = teste::executar_cli({"simbolos", pasta.path(), "--escala", "2"});
    ASSERT_EQ(e.status, 0) << e.erros.toStdString();
    for (const QString &nome : figuras) {
        SCOPED_TRACE(nome.toStdString());
        const QImage nova(pasta.filePath(nome));
        ASSERT_FALSE(nova.isNull());
        EXPECT_TRUE(nova.convertToFormat(QImage::Format_RGB32)
                    == QImage(PASTA + QStringLiteral("/figuras/") + nome).convertToFormat(QImage::Format_RGB32));
    }
}
