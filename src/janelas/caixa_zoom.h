#pragma once
// The toolbar's zoom box: shows the work area's zoom as a percentage and sets it from a chosen
// or typed value.

#include <QComboBox>

namespace zefira {

class TFormArquivo;

class TCaixaZoom : public QComboBox {
    Q_OBJECT
public:
    TCaixaZoom(TFormArquivo *area, QWidget *pai = nullptr);
    // "150%" for 1.5.
    static QString texto(double zoom);
    // The zoom a typed text asks for ("150", "150 %", "150%"); 0 when it is not a number.
    static double ler(const QString &texto);

private:
    void aplicar(const QString &texto);
    void mostrar(double zoom);
    TFormArquivo *area_;
};

} // namespace zefira
