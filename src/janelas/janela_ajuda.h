#pragma once
// TJanelaAjuda: the program's own help viewer. Shows a help document without blocking the
// program, follows the links between documents, goes back and forward, and hands links to
// circuit files to the main window.

#include <QTextBrowser>
#include <QWidget>
#include <functional>

class QToolButton;

namespace zefira {

class TJanelaAjuda : public QWidget {
    Q_OBJECT
public:
    explicit TJanelaAjuda(QWidget *pai = nullptr);
    // The program folder, asked whenever the home button or the index opens a document.
    void definir_pasta(std::function<QString()> pasta_programa) { pasta_programa_ = std::move(pasta_programa); }
    // Shows the document; a missing file shows a plain line instead.
    void abrir(const QString &caminho);

    QTextBrowser *navegador;
    QAction *voltar, *avancar, *inicio;
    QToolButton *indice;

signals:
    // A link to a circuit file was clicked: the main window opens it as an unnamed copy, so
    // the file shipped with the help is never saved over.
    void abrir_circuito(const QString &caminho);

protected:
    void hideEvent(QHideEvent *evento) override;

private:
    void seguir(const QUrl &alvo);
    void abrir_item(const QString &item);
    void atualizar_titulo();
    // First opening: the place kept from the last run, or beside the main window's palette.
    void posicionar();

    std::function<QString()> pasta_programa_;
    bool posicionada_ = false;
};

} // namespace zefira
