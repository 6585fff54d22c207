// The air supply's picture: one library picture, red when selected.
#include "componentes/tomada_ar/familia_tomada_ar.h"
#include "componentes/pintor.h"
#include "modelo/componente.h"

namespace zefira {

void TFamilia_Tomada_Ar::desenhar(TComponente &c, TPintor &pintor) const
{
    if (c.tomada_ar && !pintor.longe(c))
        pintor.figura(c.esquerda, c.topo, c.tomada_ar->figura);
}

void TFamilia_Tomada_Ar::anotar_sem_desenhar(TComponente &) const {}
bool TFamilia_Tomada_Ar::desenho_pendente(const TComponente &) const { return false; }
void TFamilia_Tomada_Ar::repor_desenho_pendente(TComponente &) const {}
TComponente *TFamilia_Tomada_Ar::amostra(TLista_Componente &, int, QString &, QStringList &) const { return nullptr; }

} // namespace zefira
