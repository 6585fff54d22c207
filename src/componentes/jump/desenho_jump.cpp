// The junction's picture: one library picture, red when selected.
#include "componentes/jump/familia_jump.h"
#include "componentes/pintor.h"
#include "modelo/componente.h"

namespace zefira {

void TFamilia_Jump::desenhar(TComponente &c, TPintor &pintor) const
{
    if (c.jump && !pintor.longe(c))
        pintor.figura(c.esquerda, c.topo, c.jump->figura);
}

void TFamilia_Jump::anotar_sem_desenhar(TComponente &) const {}
bool TFamilia_Jump::desenho_pendente(const TComponente &) const { return false; }
void TFamilia_Jump::repor_desenho_pendente(TComponente &) const {}
TComponente *TFamilia_Jump::amostra(TLista_Componente &, int, QString &, QStringList &) const { return nullptr; }

} // namespace zefira
