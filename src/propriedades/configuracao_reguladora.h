#pragma once
// TConfiguracao_Reguladora: the flow regulator dialog without its window: the valve's flow in
// L/min, 0..2000, or the grades 400, 1000 and 1600 L/min.

#include "propriedades/configuracao_valor_fuzzy.h"

namespace zefira {

class TConfiguracao_Reguladora : public TConfiguracao_Valor_Fuzzy {
public:
    TConfiguracao_Reguladora();
    static const TFaixa FAIXA;
};

} // namespace zefira
