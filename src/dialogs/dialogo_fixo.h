#pragma once
// TDialogo_Fixo: what the property dialogs share as windows: a fixed client size, a title bar
// with the close box only, and a place at the centre of the screen each time they are shown.

#include <QDialog>

namespace zefira {

class TDialogo_Fixo : public QDialog {
    Q_OBJECT
public:
    TDialogo_Fixo(const QString &legenda, int largura, int altura, QWidget *pai);

protected:
    void showEvent(QShowEvent *evento) override;
};

} // namespace zefira
