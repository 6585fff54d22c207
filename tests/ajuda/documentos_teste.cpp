// The help documents: every link and picture resolves, and every menu path, shortcut and key a
// document tells the student to use exists in the program. (That the 17 files the menus open
// exist, the program reports itself: Programa.OpcoesQueImprimemESaem.)

#include "janelas/menus.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSet>
#include <QUrl>
#include <gtest/gtest.h>
#include <map>

namespace {

const QString PASTA = QStringLiteral(ZEFIRA_AJUDA);

// Commands that reach the menus beside the ones of the menu table: undo, export, recent files,
// speed and the displacement-step diagram (menu caption -> added item captions).
const std::map<QString, QStringList> ITENS_ACRESCENTADOS = {
    {QStringLiteral("Arquivo"), {QStringLiteral("Exportar..."), QStringLiteral("Arquivos Recentes")}},
    {QStringLiteral("Editar"), {QStringLiteral("Desfazer"), QStringLiteral("Refazer")}},
    {QStringLiteral("Simulação"), {QStringLiteral("Velocidade"), QStringLiteral("Diagrama Trajeto-Passo")}},
};

// Shortcuts added beside the ones of the menu table.
const char *const ATALHOS_ACRESCENTADOS[] = {
    "Ctrl+N", "Ctrl+S", "Ctrl+Shift+S", "Ctrl+Q", "F1", "Ctrl+Z", "Ctrl+Y", "Ctrl+Shift+Z", "Ctrl++", "Ctrl+-", "Ctrl+0",
};

// Keys a document may name that are not menu shortcuts.
const char *const TECLAS_COMUNS[] = {"Shift", "Esc", "Del", "Enter", "Ctrl"};

QString sem_acelerador(QString legenda) { return legenda.remove(QLatin1Char('&')); }

QString ler(const QString &nome)
{
    QFile f(PASTA + QLatin1Char('/') + nome);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    return QString::fromUtf8(f.readAll());
}

// The visible text: tags removed and the entities the documents use decoded.
QString texto_visivel(const QString &html)
{
    QString t = html;
    t.remove(QRegularExpression(QStringLiteral("<[^>]*>")));
    t.replace(QLatin1String("&gt;"), QLatin1String(">")).replace(QLatin1String("&lt;"), QLatin1String("<"));
    t.replace(QLatin1String("&nbsp;"), QLatin1String(" ")).replace(QLatin1String("&amp;"), QLatin1String("&"));
    return t.simplified();
}

QStringList documentos_da_pasta()
{
    return QDir(PASTA).entryList({QStringLiteral("*.hlp")}, QDir::Files, QDir::Name);
}

// The menu tree by caption: a top menu or submenu caption -> its item captions, and each
// submenu item's own children under its caption.
struct TArvoreMenus {
    std::map<QString, QStringList> itens;      // menu caption -> item captions
    std::map<QString, QString> submenu_de;     // (menu caption + '\n' + item caption) -> submenu caption
    QSet<QString> atalhos;
};

TArvoreMenus arvore()
{
    TArvoreMenus a;
    std::map<QString, QString> legenda_por_nome;
    for (const auto &m : zefira::Menus_Principais())
        legenda_por_nome[QString::fromUtf8(m.nome)] = sem_acelerador(QString::fromUtf8(m.legenda));
    for (const auto &i : zefira::Itens_Menu())
        if (i.submenu)
            legenda_por_nome[QString::fromUtf8(i.item)] = sem_acelerador(QString::fromUtf8(i.legenda));
    for (const auto &i : zefira::Itens_Menu()) {
        const QString legenda = sem_acelerador(QString::fromUtf8(i.legenda));
        if (legenda == QLatin1String("-"))
            continue;
        const QString menu = legenda_por_nome[QString::fromUtf8(i.menu)];
        a.itens[menu] << legenda;
        if (i.submenu)
            a.submenu_de[menu + QLatin1Char('\n') + legenda] = legenda;
        if (*i.atalho)
            a.atalhos << QString::fromUtf8(i.atalho);
    }
    for (const auto &[menu, itens] : ITENS_ACRESCENTADOS)
        a.itens[menu] << itens;
    for (const char *s : ATALHOS_ACRESCENTADOS)
        a.atalhos << QString::fromUtf8(s);
    return a;
}

// The longest item caption of `menu` that `resto` starts with, followed by a non-letter; the
// ellipsis of a caption may be left out. Empty when none.
QString item_no_inicio(const QStringList &itens, const QString &resto)
{
    QString melhor;
    for (QString legenda : itens) {
        for (int forma = 0; forma < 2; ++forma) {
            if (forma == 1) {
                if (!legenda.endsWith(QLatin1String("...")))
                    break;
                legenda.chop(3);
            }
            if (!resto.startsWith(legenda))
                continue;
            const bool fronteira = resto.size() == legenda.size() || !resto.at(legenda.size()).isLetterOrNumber();
            if (fronteira && legenda.size() > melhor.size())
                melhor = legenda;
        }
    }
    return melhor;
}

TEST(DocumentosAjuda, LigacoesEFigurasApontamParaArquivosExistentes)
{
    const QRegularExpression alvo(QStringLiteral("(?:href|src)\\s*=\\s*\"([^\"]*)\""));
    int verificadas = 0;
    for (const QString &doc : documentos_da_pasta()) {
        const QString html = ler(doc);
        ASSERT_FALSE(html.isEmpty()) << doc.toStdString();
        for (auto it = alvo.globalMatch(html); it.hasNext();) {
            QString caminho = it.next().captured(1);
            if (caminho.startsWith(QLatin1String("http://")) || caminho.startsWith(QLatin1String("https://"))
                || caminho.startsWith(QLatin1String("mailto:")))
                continue;
            caminho = caminho.section(QLatin1Char('#'), 0, 0);
            if (caminho.isEmpty())
                continue; // a link inside the same document
            const QString arquivo = QUrl::fromPercentEncoding(caminho.toUtf8());
            EXPECT_TRUE(QFileInfo(QDir(PASTA), arquivo).isFile())
                << doc.toStdString() << ": " << caminho.toStdString();
            ++verificadas;
        }
    }
    EXPECT_GT(verificadas, 100);
}

TEST(DocumentosAjuda, CaminhosDeMenuCitadosExistemNoPrograma)
{
    const TArvoreMenus a = arvore();
    QStringList menus;
    for (const auto &[menu, itens] : a.itens)
        menus << QRegularExpression::escape(menu);
    const QRegularExpression caminho(QStringLiteral("(%1) > ").arg(menus.join(QLatin1Char('|'))));
    int verificados = 0;
    for (const QString &doc : documentos_da_pasta()) {
        const QString texto = texto_visivel(ler(doc));
        for (auto it = caminho.globalMatch(texto); it.hasNext();) {
            const QRegularExpressionMatch m = it.next();
            QString menu = m.captured(1);
            QString resto = texto.mid(m.capturedEnd());
            // Follow "Menu > Submenu > Item" as far as the document goes.
            for (;;) {
                const auto itens = a.itens.find(menu);
                const QString item = itens == a.itens.end() ? QString() : item_no_inicio(itens->second, resto);
                EXPECT_FALSE(item.isEmpty()) << doc.toStdString() << ": \"" << menu.toStdString() << " > "
                                             << resto.left(30).toStdString() << "\"";
                if (item.isEmpty())
                    break;
                ++verificados;
                resto = resto.mid(item.size());
                const auto sub = a.submenu_de.find(menu + QLatin1Char('\n') + item);
                if (sub == a.submenu_de.end() || !resto.startsWith(QLatin1String(" > ")))
                    break;
                menu = sub->second;
                resto = resto.mid(3);
            }
        }
    }
    EXPECT_GT(verificados, 10);
}

TEST(DocumentosAjuda, AtalhosETeclasCitadosExistemNoPrograma)
{
    const TArvoreMenus a = arvore();
    QSet<QString> teclas = a.atalhos;
    for (const char *t : TECLAS_COMUNS)
        teclas << QString::fromUtf8(t);
    // A modifier combination, or a function key; "Ctrl++" and "Ctrl+-" are the zoom keys.
    const QRegularExpression atalho(QStringLiteral("\\b(Ctrl\\+(?:Shift\\+)?(?:[A-Z0-9](?![A-Za-z])|\\+|-)|F\\d{1,2})(?![\\w])"));
    const QRegularExpression tecla(QStringLiteral("[Tt]ecl(?:e|a|as)\\s+<b>([^<]+)</b>"));
    int verificados = 0;
    for (const QString &doc : documentos_da_pasta()) {
        const QString html = ler(doc);
        const QString texto = texto_visivel(html);
        for (auto it = atalho.globalMatch(texto); it.hasNext();) {
            const QString s = it.next().captured(1);
            EXPECT_TRUE(a.atalhos.contains(s)) << doc.toStdString() << ": " << s.toStdString();
            ++verificados;
        }
        for (auto it = tecla.globalMatch(html); it.hasNext();) {
            const QString s = it.next().captured(1);
            EXPECT_TRUE(teclas.contains(s)) << doc.toStdString() << ": tecla " << s.toStdString();
            ++verificados;
        }
    }
    EXPECT_GT(verificados, 30);
}

} // namespace
