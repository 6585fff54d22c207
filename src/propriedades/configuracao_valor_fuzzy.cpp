#include "propriedades/configuracao_valor_fuzzy.h"

#include "modelo/componente.h"

namespace zefira {

const QStringList &TConfiguracao_Valor_Fuzzy::nomes_graus()
{
    static const QStringList nomes = {QStringLiteral("Pequena"), QStringLiteral("Média"), QStringLiteral("Grande")};
    return nomes;
}

TConfiguracao_Valor_Fuzzy::TConfiguracao_Valor_Fuzzy(const TFaixa &faixa_)
    : faixa(faixa_), valor{faixa_.inicial, faixa_.minimo, faixa_.maximo, false}
{
}

int TConfiguracao_Valor_Fuzzy::grau_de(int v) const
{
    if (v < faixa.inicio_media)
        return 0;
    return v < faixa.inicio_grande ? 1 : 2;
}

void TConfiguracao_Valor_Fuzzy::FormShow()
{
    TComponente &x = *componente;
    fuzzy = faixa.fuzzy(x);
    valor.definir(faixa.valor(x));
    grau = grau_de(valor.valor);
}

void TConfiguracao_Valor_Fuzzy::cbFuzzyClick(bool marcado)
{
    fuzzy = marcado;
    if (componente)
        faixa.fuzzy(*componente) = marcado;
}

void TConfiguracao_Valor_Fuzzy::ButOKClick()
{
    if (valor.vazio)
        valor.definir(0);
    TComponente &x = *componente;
    x.desselecionar();
    if (fuzzy) {
        if (grau >= 0 && grau < 3)
            faixa.valor(x) = faixa.graus[grau];
    } else {
        faixa.valor(x) = valor.limitado();
    }
}

} // namespace zefira
