#pragma once
// TFormconfiguracaovalvulareguladora: the flow regulator dialog, the valve's flow in L/min.

#include "propriedades/configuracao_reguladora.h"
#include "dialogos/dialogo_valor_fuzzy.h"

namespace zefira {

class TFormconfiguracaovalvulareguladora : public TDialogo_Valor_Fuzzy {
    Q_OBJECT
public:
    explicit TFormconfiguracaovalvulareguladora(QWidget *pai = nullptr);
    TConfiguracao_Reguladora &configuracao() { return config_; }

private:
    TConfiguracao_Reguladora config_;
};

} // namespace zefira
