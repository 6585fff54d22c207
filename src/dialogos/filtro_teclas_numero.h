#pragma once
// TFiltro_Teclas_Numero: the keys of the dialogs' numeric boxes. Enter confirms the dialog,
// Escape closes it, digits and Backspace are typed, every other key is swallowed.

#include <QObject>
#include <functional>

class QAbstractSpinBox;

namespace zefira {

class TFiltro_Teclas_Numero : public QObject {
public:
    TFiltro_Teclas_Numero(std::function<void()> confirmar, std::function<void()> fechar, QObject *pai);

    // Installs the filter on a box and limits the length of what can be typed into it.
    void vigiar(QAbstractSpinBox *caixa, int tamanho_maximo);

protected:
    bool eventFilter(QObject *objeto, QEvent *evento) override;

private:
    std::function<void()> confirmar_, fechar_;
};

} // namespace zefira
