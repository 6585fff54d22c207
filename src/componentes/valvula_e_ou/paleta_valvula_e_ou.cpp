// The AND, OR, quick-exhaust and flow-regulator valves on the palette; only the regulator has a
// property dialog.
#include "componentes/entrada_paleta.h"
#include "componentes/valvula_e_ou/familia_valvula_e_ou.h"
#include "modelo/componente.h"

namespace zefira {

namespace {

TVariante e_ou(int tipo)
{
    TVariante v;
    v.tipo_e_ou = tipo;
    return v;
}

} // namespace

const std::vector<TEntrada_Paleta> &TFamilia_Valvula_E_Ou::paleta() const
{
    static const std::vector<TEntrada_Paleta> entradas = {
        {10, e_ou(EOU_E), "SBvalvulae", "Válvula E", "valvulae", "Válvula &E", "E", 2, 3, 80, 262, "e", "valvula_e"},
        {11, e_ou(EOU_OU), "SBvalvulaou", "Válvula OU", "valvulaou", "Válvula &OU", "O", 2, 2, 2, 262, "ou",
         "valvula_ou"},
        {12, e_ou(EOU_ESCAPE), "SBvalvulaescape", "Válvula de Escape Rápido", "valvulaescaperapido",
         "Válvula de Escape &Rápido", "R", 2, 1, 80, 210, "escape", "valvula_escape"},
        {13, e_ou(EOU_REGULADORA), "SBvalvulareguladorauni", "Válvula Reguladora de Fluxo Unidirecional",
         "valvularegfluxo", "Válvula Reguladora de &Fluxo", "F", 2, 0, 2, 210, "reguladora", "valvula_reguladora"},
    };
    return entradas;
}

void TFamilia_Valvula_E_Ou::posicionar(TLista_Componente &, TComponente &c, const TVariante &) const
{
    c.atualizar_geometria();
}

QString TFamilia_Valvula_E_Ou::dialogo_propriedades(const TComponente &c) const
{
    return c.valvula_e_ou_esc_reg->tipo() == EOU_REGULADORA ? QStringLiteral("TFormconfiguracaovalvulareguladora")
                                                            : QString();
}

} // namespace zefira
