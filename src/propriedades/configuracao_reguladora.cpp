#include "propriedades/configuracao_reguladora.h"

#include "modelo/componente.h"

namespace zefira {

const TConfiguracao_Valor_Fuzzy::TFaixa TConfiguracao_Reguladora::FAIXA = {
    0, 2000, 1000, {400, 1000, 1600}, 500, 1500,
    [](TComponente &c) -> int & { return c.valvula_e_ou_esc_reg->vazao; },
    [](TComponente &c) -> bool & { return c.valvula_e_ou_esc_reg->fuzzy; },
};

TConfiguracao_Reguladora::TConfiguracao_Reguladora() : TConfiguracao_Valor_Fuzzy(FAIXA) {}

} // namespace zefira
