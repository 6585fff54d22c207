// A tube is drawn port to port, never placed from the palette, and has no property dialog.
#include "componentes/entrada_paleta.h"
#include "componentes/fio/familia_fio.h"

namespace zefira {

const std::vector<TEntrada_Paleta> &TFamilia_Fio::paleta() const
{
    static const std::vector<TEntrada_Paleta> nenhuma;
    return nenhuma;
}

void TFamilia_Fio::posicionar(TLista_Componente &, TComponente &, const TVariante &) const {}

QString TFamilia_Fio::dialogo_propriedades(const TComponente &) const { return QString(); }

} // namespace zefira
