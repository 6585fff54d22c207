#pragma once
// TFormfiguras: the drop-down symbol picker of the valve dialog. A borderless list of pictures
// under the pressed image; a click stores the row's code in the shared working copy.

#include "propriedades/configuracao_figuras.h"

#include <QWidget>

namespace zefira {

class TImagens;

class TFormfiguras : public QWidget {
    Q_OBJECT
public:
    TFormfiguras(const TImagens &imagens, QWidget *pai = nullptr);

    // The working copy shared with the valve dialog.
    TConfiguracao_Figuras &configuracao() { return figuras_; }
    // Shows the current list with its top-left corner at the global point canto.
    void mostrar_em(const QPoint &canto);

signals:
    // Hidden, with or without a choice: the valve dialog runs its rules again.
    void escondida();

protected:
    void paintEvent(QPaintEvent *) override;
    void mousePressEvent(QMouseEvent *evento) override;
    void mouseMoveEvent(QMouseEvent *evento) override;
    void keyPressEvent(QKeyEvent *evento) override;
    void hideEvent(QHideEvent *evento) override;

private:
    const TImagens &imagens_;
    TConfiguracao_Figuras figuras_;
};

} // namespace zefira
