#pragma once
// TDialogo_Fixo: what the property dialogs share as windows: a fixed client size, a title bar
// with the close box only, OK as the default button, and a place at the centre of the screen
// each time they are shown.

#include <QDialog>

namespace zefira {

class TDialogo_Fixo : public QDialog {
    Q_OBJECT
public:
    TDialogo_Fixo(const QString &legenda, int largura, int altura, QWidget *pai);

protected:
    // A dialog whose rows depend on the component (the electrical parts') sets its height
    // before it is shown.
    void definir_altura(int altura);
    // How far the controls stand right of their place in the layout (a wider font's room).
    int deslocamento() const { return deslocamento_; }
    void showEvent(QShowEvent *evento) override;
    // A dialog whose title depends on the component (the cylinder's) grows with it.
    void changeEvent(QEvent *evento) override;

private:
    // The layouts are in pixels; the fonts of the desktop may need more room. The dialog grows
    // so that its title fits the title bar and right-aligned labels keep a margin at the left,
    // and the controls stay centred in it.
    void ajustar_largura();

    int largura_, altura_;
    int deslocamento_ = 0; // how far the controls stand right of their place in the layout
    bool exibido_ = false;
};

} // namespace zefira
