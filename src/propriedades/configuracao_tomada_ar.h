#pragma once
// TConfiguracao_Tomada_Ar: the air supply dialog without its window: the supply's pressure in
// bar, 0..10, or the grades 2, 5 and 8 bar.

#include "propriedades/configuracao_valor_fuzzy.h"

namespace zefira {

class TConfiguracao_Tomada_Ar : public TConfiguracao_Valor_Fuzzy {
public:
    TConfiguracao_Tomada_Ar();
    static const TFaixa FAIXA;
};

} // namespace zefira
