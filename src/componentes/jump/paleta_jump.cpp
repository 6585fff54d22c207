// The junction on the palette; it has no property dialog.
#include "componentes/entrada_paleta.h"
#include "componentes/jump/familia_jump.h"
#include "modelo/componente.h"

namespace zefira {

const std::vector<TEntrada_Paleta> &TFamilia_Jump::paleta() const
{
    static const std::vector<TEntrada_Paleta> entradas = {
        {14, TVariante(), "SBjump", "Nó", "no", "&Nó", "N", 3, 1, 2, 314, "jump", "jump"},
    };
    return entradas;
}

void TFamilia_Jump::posicionar(TLista_Componente &, TComponente &c, const TVariante &) const
{
    c.atualizar_geometria();
}

QString TFamilia_Jump::dialogo_propriedades(const TComponente &) const { return QString(); }

} // namespace zefira
