#pragma once
// TCaixaInteira: a number box that keeps what the user typed, empty or out of range, so the
// dialog's OK rules (an empty box takes a default, a value beyond the range is brought into
// it) decide. A plain spin box would refuse the digit that crosses the maximum and put back
// the previous value when it loses focus with an empty text.

#include <QSpinBox>

namespace zefira {

class TCaixaInteira : public QSpinBox {
    Q_OBJECT
public:
    using QSpinBox::QSpinBox;

protected:
    QValidator::State validate(QString &texto, int &posicao) const override;
    void fixup(QString &) const override {}
};

} // namespace zefira
