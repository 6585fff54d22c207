// The picture of an AND, OR, quick-exhaust or flow-regulator valve: one library picture, red
// when selected.
#include "componentes/valvula_e_ou/familia_valvula_e_ou.h"
#include "componentes/pintor.h"
#include "modelo/componente.h"

namespace zefira {

void TFamilia_Valvula_E_Ou::desenhar(TComponente &c, TPintor &pintor) const
{
    if (c.valvula_e_ou_esc_reg && !pintor.longe(c))
        pintor.figura(c.esquerda, c.topo, c.valvula_e_ou_esc_reg->figura);
}

void TFamilia_Valvula_E_Ou::anotar_sem_desenhar(TComponente &) const {}
bool TFamilia_Valvula_E_Ou::desenho_pendente(const TComponente &) const { return false; }
void TFamilia_Valvula_E_Ou::repor_desenho_pendente(TComponente &) const {}
TComponente *TFamilia_Valvula_E_Ou::amostra(TLista_Componente &, int, QString &, QStringList &) const
{
    return nullptr;
}

} // namespace zefira
