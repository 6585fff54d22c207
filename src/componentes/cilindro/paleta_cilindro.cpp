// The cylinders on the palette: single acting, double acting with a single rod, double rod.
#include "componentes/cilindro/familia_cilindro.h"
#include "componentes/entrada_paleta.h"
#include "modelo/componente.h"

namespace zefira {

namespace {

TVariante cilindro(int tipo)
{
    TVariante v;
    v.tipo_cilindro = tipo;
    return v;
}

} // namespace

const std::vector<TEntrada_Paleta> &TFamilia_Cilindro::paleta() const
{
    static const std::vector<TEntrada_Paleta> entradas = {
        {7, cilindro(1), "SBcilindroSE", "Cilindro de Simples Ação (retorno por mola)", "cilindrosimplesacao",
         "Cilindro de &Simples Ação", "S", 0, 0, 2, 2, "cilindro_se", "cilindro_se_dehs"},
        {8, cilindro(2), "SBcilindroDAHS", "Cilindro de Dupla Ação (haste simples)", "cilindrodehs",
         "Cilindro de Dupla Ação &Haste Simples", "H", 0, 1, 80, 2, "cilindro_dehs", "cilindro_se_dehs"},
        {9, cilindro(3), "SBcilindroDAHD", "Cilindro de Dupla Ação (haste dupla)", "cilindrodehd",
         "Cilindro de Dupla Ação Haste &Dupla", "D", 0, 2, 2, 54, "cilindro_dehd", "cilindro_dehd"},
    };
    return entradas;
}

void TFamilia_Cilindro::posicionar(TLista_Componente &, TComponente &c, const TVariante &) const
{
    c.atualizar_geometria();
}

QString TFamilia_Cilindro::dialogo_propriedades(const TComponente &) const
{
    return QStringLiteral("TFormconfiguracaocilindro");
}

} // namespace zefira
