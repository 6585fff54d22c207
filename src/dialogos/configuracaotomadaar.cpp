#include "dialogos/configuracaotomadaar.h"

namespace zefira {

namespace {
const TDialogo_Valor_Fuzzy::TAparencia APARENCIA = {
    "Suprimento de Ar Comprimido", "Labelpressao", "Pressão", "(0..10 bar)", 40, "SEpressao", 2,
    "rgPressao", " Pressão ", 150, 85,
};
} // namespace

TFormconfiguracaotomadaar::TFormconfiguracaotomadaar(QWidget *pai) : TDialogo_Valor_Fuzzy(config_, TConfiguracao_Tomada_Ar::FAIXA, APARENCIA, pai)
{
    setObjectName(QStringLiteral("Formconfiguracaotomadaar"));
}

} // namespace zefira
