#pragma once
// TFormconfiguracaotomadaar: the air supply dialog, the supply's pressure in bar.

#include "propriedades/configuracao_tomada_ar.h"
#include "dialogos/dialogo_valor_fuzzy.h"

namespace zefira {

class TFormconfiguracaotomadaar : public TDialogo_Valor_Fuzzy {
    Q_OBJECT
public:
    explicit TFormconfiguracaotomadaar(QWidget *pai = nullptr);
    TConfiguracao_Tomada_Ar &configuracao() { return config_; }

private:
    TConfiguracao_Tomada_Ar config_;
};

} // namespace zefira
