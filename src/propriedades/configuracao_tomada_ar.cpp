#include "propriedades/configuracao_tomada_ar.h"

#include "modelo/componente.h"

namespace zefira {

const TConfiguracao_Valor_Fuzzy::TFaixa TConfiguracao_Tomada_Ar::FAIXA = {
    0, 10, 6, {2, 5, 8}, 4, 8,
    [](TComponente &c) -> int & { return c.tomada_ar->pressao; },
    [](TComponente &c) -> bool & { return c.tomada_ar->fuzzy; },
};

TConfiguracao_Tomada_Ar::TConfiguracao_Tomada_Ar() : TConfiguracao_Valor_Fuzzy(FAIXA) {}

} // namespace zefira
