#include "shell/janela_ajuda.h"

#include <QFileInfo>
#include <QUrl>
#include <QVBoxLayout>

namespace zefira {

TJanelaAjuda::TJanelaAjuda(QWidget *pai) : QWidget(pai, Qt::Window)
{
    setWindowTitle(QStringLiteral("Ajuda - ZEFIRA"));
    resize(760, 600);
    navegador = new QTextBrowser(this);
    // Links are followed here so that every ".hlp" target is read as HTML.
    navegador->setOpenLinks(false);
    connect(navegador, &QTextBrowser::anchorClicked, this, [this](const QUrl &alvo) {
        const QUrl resolvido = navegador->source().resolved(alvo);
        if (!resolvido.isLocalFile())
            return;
        abrir(resolvido.toLocalFile());
        if (resolvido.hasFragment())
            navegador->scrollToAnchor(resolvido.fragment());
    });
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(navegador);
}

void TJanelaAjuda::abrir(const QString &caminho)
{
    const QFileInfo info(caminho);
    if (info.isFile()) {
        navegador->setSearchPaths({info.absolutePath()});
        // The ".hlp" documents are HTML; tell the browser so.
        const QUrl url = QUrl::fromLocalFile(info.absoluteFilePath());
        navegador->setSource(url, QTextDocument::HtmlResource);
        setWindowTitle(info.completeBaseName() + QStringLiteral(" - Ajuda - ZEFIRA"));
    } else {
        navegador->setPlainText(QStringLiteral("Documento de ajuda não encontrado: ") + caminho);
        setWindowTitle(QStringLiteral("Ajuda - ZEFIRA"));
    }
    show();
    raise();
    activateWindow();
}

} // namespace zefira
