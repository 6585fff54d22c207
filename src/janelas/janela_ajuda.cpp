#include "janelas/janela_ajuda.h"

#include "documento/documentos_ajuda.h"
#include "janelas/menus.h"
#include "janelas/preferencias.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QMainWindow>
#include <QMenu>
#include <QScreen>
#include <QToolBar>
#include <QToolButton>
#include <QUrl>
#include <QVBoxLayout>

namespace zefira {

namespace {

const QString TITULO = QStringLiteral("Ajuda - ZEFIRA");
const QString CHAVE_GEOMETRIA = QStringLiteral("ajuda/geometria");

// The index names a document as its menu does; the submenu's name tells the two
// "Introdução" apart.
QString nome_no_indice(const TDocumentoAjuda &d)
{
    QString nome = QString::fromUtf8(d.legenda).remove(QLatin1Char('&'));
    for (const TItemMenu &i : Itens_Menu())
        if (qstrcmp(i.item, d.item) == 0 && qstrcmp(i.menu, "circuitossequenciais") == 0)
            return QStringLiteral("Circuitos Sequenciais: ") + nome;
    return nome;
}

bool eh_circuito(const QUrl &url) { return url.path().endsWith(QStringLiteral(".zfr"), Qt::CaseInsensitive); }

} // namespace

TJanelaAjuda::TJanelaAjuda(QWidget *pai) : QWidget(pai, Qt::Window)
{
    setWindowTitle(TITULO);
    resize(760, 600);
    pasta_programa_ = [] { return QCoreApplication::applicationDirPath() + QLatin1Char('/'); };

    navegador = new QTextBrowser(this);
    // Links are followed here so that every ".hlp" target is read as HTML.
    navegador->setOpenLinks(false);
    connect(navegador, &QTextBrowser::anchorClicked, this, &TJanelaAjuda::seguir);
    connect(navegador, &QTextBrowser::sourceChanged, this, &TJanelaAjuda::atualizar_titulo);

    auto *barra = new QToolBar(this);
    barra->setToolButtonStyle(Qt::ToolButtonTextOnly);
    voltar = barra->addAction(QStringLiteral("Voltar"), navegador, &QTextBrowser::backward);
    voltar->setShortcut(QKeySequence(Qt::ALT | Qt::Key_Left));
    voltar->setToolTip(QStringLiteral("Voltar (Alt+Esquerda)"));
    voltar->setEnabled(false);
    avancar = barra->addAction(QStringLiteral("Avançar"), navegador, &QTextBrowser::forward);
    avancar->setShortcut(QKeySequence(Qt::ALT | Qt::Key_Right));
    avancar->setToolTip(QStringLiteral("Avançar (Alt+Direita)"));
    avancar->setEnabled(false);
    connect(navegador, &QTextBrowser::backwardAvailable, voltar, &QAction::setEnabled);
    connect(navegador, &QTextBrowser::forwardAvailable, avancar, &QAction::setEnabled);
    inicio = barra->addAction(QStringLiteral("Início"), this, [this] { abrir_item(QStringLiteral("introducao")); });
    inicio->setToolTip(QStringLiteral("Introdução"));
    for (QAction *a : {voltar, avancar})
        a->setShortcutContext(Qt::WindowShortcut);

    indice = new QToolButton(barra);
    indice->setText(QStringLiteral("Índice"));
    indice->setPopupMode(QToolButton::InstantPopup);
    auto *menu = new QMenu(indice);
    for (const TDocumentoAjuda &d : Documentos_Ajuda()) {
        const QString item = QString::fromLatin1(d.item);
        menu->addAction(nome_no_indice(d), this, [this, item] { abrir_item(item); })->setObjectName(item);
    }
    indice->setMenu(menu);
    barra->addWidget(indice);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(barra);
    layout->addWidget(navegador);
}

void TJanelaAjuda::abrir(const QString &caminho)
{
    const QFileInfo info(caminho);
    if (info.isFile()) {
        navegador->setSearchPaths({info.absolutePath()});
        // The ".hlp" documents are HTML; tell the browser so.
        navegador->setSource(QUrl::fromLocalFile(info.absoluteFilePath()), QTextDocument::HtmlResource);
        atualizar_titulo();
    } else {
        navegador->setPlainText(QStringLiteral("Documento de ajuda não encontrado: ") + caminho);
        setWindowTitle(TITULO);
    }
    if (!posicionada_)
        posicionar();
    show();
    raise();
    activateWindow();
}

void TJanelaAjuda::abrir_item(const QString &item) { abrir(Caminho_Ajuda(pasta_programa_(), item)); }

void TJanelaAjuda::seguir(const QUrl &alvo)
{
    const QUrl resolvido = navegador->source().resolved(alvo);
    if (!resolvido.isLocalFile())
        return; // web addresses are not opened inside the viewer
    if (eh_circuito(resolvido)) {
        emit abrir_circuito(resolvido.toLocalFile());
        return;
    }
    if (resolvido.adjusted(QUrl::RemoveFragment) != navegador->source().adjusted(QUrl::RemoveFragment))
        abrir(resolvido.toLocalFile());
    if (resolvido.hasFragment())
        navegador->scrollToAnchor(resolvido.fragment());
}

void TJanelaAjuda::atualizar_titulo()
{
    // The document's own title, with its accents; a document without one is named by its file.
    const QString titulo = navegador->documentTitle().simplified();
    if (!titulo.isEmpty())
        setWindowTitle(titulo);
    else if (navegador->source().isLocalFile())
        setWindowTitle(QFileInfo(navegador->source().toLocalFile()).completeBaseName() + QStringLiteral(" - ") + TITULO);
    else
        setWindowTitle(TITULO);
}

void TJanelaAjuda::posicionar()
{
    posicionada_ = true;
    if (restoreGeometry(Preferencias()->value(CHAVE_GEOMETRIA).toByteArray()))
        return;
    auto *principal = qobject_cast<QMainWindow *>(parentWidget() ? parentWidget()->window() : nullptr);
    QScreen *tela = principal ? principal->screen() : screen();
    const QRect area = tela->availableGeometry();
    const int largura = std::min(760, area.width() * 55 / 100);
    // Below the menu bar and toolbar, so both stay in sight.
    int topo = area.top();
    if (principal && principal->centralWidget())
        topo = std::max(topo, principal->centralWidget()->mapToGlobal(QPoint(0, 0)).y());
    const int altura = std::min(800, area.bottom() - topo - 60);
    // Beside the main window when there is room, otherwise against the right of the screen,
    // away from the palette at the left.
    int esquerda = area.right() - largura - 10;
    if (principal && !principal->isMaximized() && principal->frameGeometry().right() + largura < area.right())
        esquerda = principal->frameGeometry().right() + 1;
    resize(largura, std::max(altura, 300));
    move(esquerda, topo);
}

void TJanelaAjuda::hideEvent(QHideEvent *evento)
{
    Preferencias()->setValue(CHAVE_GEOMETRIA, saveGeometry());
    QWidget::hideEvent(evento);
}

} // namespace zefira
