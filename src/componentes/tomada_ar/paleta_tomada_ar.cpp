// The compressed-air supply on the palette.
#include "componentes/entrada_paleta.h"
#include "componentes/tomada_ar/familia_tomada_ar.h"
#include "modelo/componente.h"

namespace zefira {

const std::vector<TEntrada_Paleta> &TFamilia_Tomada_Ar::paleta() const
{
    static const std::vector<TEntrada_Paleta> entradas = {
        {6, TVariante(), "SBtomadaar", "Tomada de Ar Comprimido", "tomadadearcomprimido", "Tomada de &Ar Comprimido",
         "A", 3, 0, 80, 54, "tomada_de_ar", "tomada_de_ar"},
    };
    return entradas;
}

void TFamilia_Tomada_Ar::posicionar(TLista_Componente &, TComponente &c, const TVariante &) const
{
    c.atualizar_geometria();
}

QString TFamilia_Tomada_Ar::dialogo_propriedades(const TComponente &) const
{
    return QStringLiteral("TFormconfiguracaotomadaar");
}

} // namespace zefira
