#pragma once
// TFormBiblioteca: the component palette. One toggle button per palette entry of the families,
// at most one down; the core keeps which one is down and the window mirrors it. The pneumatic
// and the electrical buttons are two pages, chosen by two buttons in the last row.

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
    // Shows the core's pressed button, on its page.
    void sincronizar();
    // The page shown: the electrical parts' or the pneumatic components'.
    void mostrar_eletricos(bool eletricos);
    bool eletricos() const { return eletricos_; }

protected:
    void keyPressEvent(QKeyEvent *evento) override;

private:
    TEstado &estado_;
    QMap<int, QToolButton *> botoes_;
    QMap<int, bool> eletrico_;      // the page of each code's button
    QToolButton *grupo_[2] = {};    // the page choosers: pneumatic, electrical
    bool eletricos_ = false;
};

} // namespace zefira
