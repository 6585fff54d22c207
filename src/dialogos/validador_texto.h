#pragma once
// TValidador_Texto: the validator of the dialogs' text boxes whose content goes into the
// circuit file. Drops what the file cannot hold and applies the box's letter case as typed.

#include <QValidator>

namespace zefira {

class TValidador_Texto : public QValidator {
public:
    enum class Caixa { Livre, Maiusculas, Minusculas };

    explicit TValidador_Texto(Caixa caixa, QObject *pai = nullptr) : QValidator(pai), caixa_(caixa) {}

    State validate(QString &texto, int &posicao) const override;
    void fixup(QString &texto) const override;

private:
    Caixa caixa_;
};

} // namespace zefira
