#pragma once
// The shapes the electrical symbols share: where a contact's or a load's leads end, and the
// picture names of their states.

#include "componentes/eletrico/familia_eletrica.h"

namespace zefira {

class TEletrico;

// The palette's choice of a kind within an electrical family.
TVariante Variante_Eletrica(int modo);

// A contact with its actuator drawn on its left (41 x 41): port 1 above, 2 below, at x 28.
TFamilia_Eletrica::TPorta_Simbolo Portas_Contato_Acionado(int porta);
// A load or a bare contact (31 x 41): port 1 above, 2 below, at x 15.
TFamilia_Eletrica::TPorta_Simbolo Portas_Carga(int porta);

// "<base>_na" or "<base>_nf", with "_on" while actuated.
QString Figura_Contato(const char *base, const TEletrico &e);
// "<base>", with "_on" while energised.
QString Figura_Carga(const char *base, const TEletrico &e);

} // namespace zefira
