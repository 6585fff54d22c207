#include "dialogos/configuracaovalvulareguladora.h"

namespace zefira {

namespace {
const TDialogo_Valor_Fuzzy::TAparencia APARENCIA = {
    "Válvula Reguladora de Fluxo", "Labelvazao", "Vazão", "(0..2000 L/min)", 28, "SEvazao", 4,
    "rgVazao", " Vazão ", 152, 81,
};
} // namespace

TFormconfiguracaovalvulareguladora::TFormconfiguracaovalvulareguladora(QWidget *pai)
    : TDialogo_Valor_Fuzzy(config_, TConfiguracao_Reguladora::FAIXA, APARENCIA, pai)
{
    setObjectName(QStringLiteral("Formconfiguracaovalvulareguladora"));
}

} // namespace zefira
