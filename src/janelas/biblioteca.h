#pragma once
// TFormBiblioteca: the component palette. One toggle button per palette entry of the families,
// at most one down; the core keeps which one is down and the window mirrors it.

#include <QMap>
#include <QToolButton>
#include <QWidget>

namespace zefira {

struct TEstado;

class TFormBiblioteca : public QWidget {
    Q_OBJECT
public:
    TFormBiblioteca(TEstado &estado, QWidget *pai = nullptr);

    static QString item_menu(int codigo);
    QToolButton *botao(int codigo) const { return botoes_.value(codigo); }

    void menu_clicado(int codigo);
    // Shows the core's pressed button.
    void sincronizar();

protected:
    void keyPressEvent(QKeyEvent *evento) override;

private:
    TEstado &estado_;
    QMap<int, QToolButton *> botoes_;
};

} // namespace zefira
