// The help documents: every link and picture resolves, every menu path, shortcut and key a
// document tells the student to use exists in the program, and the menus, the toolbar and the
// menu tables of Navegação follow the program's order. (That the 20 files the menus open
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
#include <vector>

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

// The rows of the table `id` of a document, each as its cells' visible text.
std::vector<QStringList> linhas_tabela(const QString &html, const QString &id)
{
    static const QRegularExpression LINHA(QStringLiteral("<tr>(.*?)</tr>"), QRegularExpression::DotMatchesEverythingOption);
    static const QRegularExpression CELULA(QStringLiteral("<td[^>]*>(.*?)</td>"), QRegularExpression::DotMatchesEverythingOption);
    const int inicio = html.indexOf(QStringLiteral("<table id=\"%1\"").arg(id));
    const QString tabela = inicio < 0 ? QString() : html.mid(inicio, html.indexOf(QLatin1String("</table>"), inicio) - inicio);
    std::vector<QStringList> linhas;
    for (auto l = LINHA.globalMatch(tabela); l.hasNext();) {
        QStringList celulas;
        for (auto c = CELULA.globalMatch(l.next().captured(1)); c.hasNext();)
            celulas << texto_visivel(c.next().captured(1));
        if (!celulas.isEmpty())
            linhas.push_back(celulas);
    }
    return linhas;
}

TEST(DocumentosAjuda, IntroducaoNomeiaOsMenusNaOrdemDoPrograma)
{
    const QRegularExpressionMatch m =
        QRegularExpression(QStringLiteral("barra de menus \\(([^)]*)\\)")).match(texto_visivel(ler(QStringLiteral("Introdução.hlp"))));
    ASSERT_TRUE(m.hasMatch());
    QStringList programa;
    for (const auto &menu : zefira::Menus_Principais())
        programa << sem_acelerador(QString::fromUtf8(menu.legenda));
    EXPECT_EQ(m.captured(1).replace(QLatin1String(" e "), QLatin1String(", ")), programa.join(QLatin1String(", ")));
}

// Navegação describes these menus row by row: each item with its shortcut, in the menu's order.
TEST(DocumentosAjuda, TabelasDaNavegacaoSeguemOsMenusItemAItem)
{
    const QString html = ler(QStringLiteral("Navegacao.hlp"));
    for (const char *menu : {"editar", "exibir", "simulacao"}) {
        QStringList programa, documento;
        for (const auto &i : zefira::Itens_Menu())
            if (qstrcmp(i.menu, menu) == 0 && *i.legenda != '-')
                programa << sem_acelerador(QString::fromUtf8(i.legenda)) + QStringLiteral(" | ") + (*i.atalho ? i.atalho : "-");
        for (const QStringList &linha : linhas_tabela(html, QString::fromLatin1(menu)))
            documento << linha.value(0) + QStringLiteral(" | ") + linha.value(1);
        EXPECT_EQ(documento.join(QLatin1Char('\n')).toStdString(), programa.join(QLatin1Char('\n')).toStdString()) << menu;
    }
}

// The toolbar's buttons by their tooltips, left to right, then the zoom box of its own toolbar.
TEST(DocumentosAjuda, BarraDeFerramentasNaOrdemDoPrograma)
{
    QStringList programa, documento;
    for (const auto &b : zefira::Botoes_Barra())
        if (*b.nome)
            programa << QString::fromUtf8(b.dica);
    programa << QStringLiteral("caixa com a porcentagem de zoom");
    for (const QStringList &linha : linhas_tabela(ler(QStringLiteral("Navegacao.hlp")), QStringLiteral("barra")))
        documento << linha.value(1).split(QLatin1String(", "));
    EXPECT_EQ(documento.join(QLatin1Char('\n')).toStdString(), programa.join(QLatin1Char('\n')).toStdString());
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
