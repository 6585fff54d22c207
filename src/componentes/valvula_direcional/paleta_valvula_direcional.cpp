// The directional valves on the palette: one entry per number of ways, and how a placed valve starts.
#include "componentes/entrada_paleta.h"
#include "componentes/valvula_direcional/familia_valvula_direcional.h"
#include "modelo/lista_componente.h"

namespace zefira {

namespace {

TVariante vias(int n)
{
    TVariante v;
    v.numero_vias = n;
    return v;
}

// How a new valve of each number of ways starts: its two squares by symbol code.
struct TValvula_Nova {
    int parte1, parte2;
    bool mola_dir;
    bool pilotos;
};

const TValvula_Nova VALVULAS_NOVAS[] = {
    {1, 2, false, false},   // 2 ways
    {4, 5, true, false},    // 3 ways
    {11, 10, false, true},  // 4 ways
    {16, 15, false, true},  // 5 ways
};

} // namespace

const std::vector<TEntrada_Paleta> &TFamilia_Valvula_Direcional::paleta() const
{
    static const std::vector<TEntrada_Paleta> entradas = {
        {2, vias(2), "SBvalvula2vias", "Válvula de 2 vias", "valvula2vias", "Válvula de &2 vias", "2", 1, 0, 2, 106,
         "valvula2vias", "fig_2va"},
        {3, vias(3), "SBvalvula3vias", "Válvula de 3 vias", "valvula3vias", "Válvula de &3 vias", "3", 1, 1, 80, 106,
         "valvula3vias", "fig_3va"},
        {4, vias(4), "SBvalvula4vias", "Válvula de 4 vias", "valvula4vias", "Válvula de &4 vias", "4", 1, 2, 2, 158,
         "valvula4vias", "fig_4d"},
        {5, vias(5), "SBvalvula5vias", "Válvula de 5 vias", "valvula5vias", "Válvula de &5 vias", "5", 1, 3, 80, 158,
         "valvula5vias", "fig_5d"},
    };
    return entradas;
}

// A placed valve starts with its squares, springs and pilots for its number of ways, and with a
// supply docked on its pressure port.
void TFamilia_Valvula_Direcional::posicionar(TLista_Componente &lista, TComponente &c, const TVariante &v) const
{
    const TValvula_Nova &n = VALVULAS_NOVAS[v.numero_vias - 2];
    TValvula_Direcional &valvula = *c.valvula_direcional;
    valvula.definir_parte(1, n.parte1);
    valvula.definir_parte(2, n.parte2);
    valvula.mola_dir = n.mola_dir;
    valvula.piloto_dir = valvula.piloto_esq = n.pilotos;
    valvula.tomada_ar = true;
    c.atualizar_geometria();

    alimentar(lista, c);
    c.desselecionar(); // loads the actuator pictures
}

QString TFamilia_Valvula_Direcional::dialogo_propriedades(const TComponente &) const
{
    return QStringLiteral("TFormconfiguracaovalvula");
}

} // namespace zefira
