#pragma once
// TJanelaAjuda: the program's own help viewer. Shows a help document without blocking the
// program, follows the links between documents and can be resized.

#include <QTextBrowser>
#include <QWidget>

namespace zefira {

class TJanelaAjuda : public QWidget {
    Q_OBJECT
public:
    explicit TJanelaAjuda(QWidget *pai = nullptr);
    // Shows the document; a missing file shows a plain line instead.
    void abrir(const QString &caminho);

    QTextBrowser *navegador;
};

} // namespace zefira
