#pragma once
// The electro-pneumatic circuit that performs a sequence once per start: the cylinders and
// their 5/2 double-solenoid valves (1Y1/1Y2, ...) at the left, the limit switches 1S1/1S2, ...
// and the current paths between +24 V and 0 V at the right (under them when too wide), numbered
// left to right; start button S1. Intuitive: the limit switches drive the solenoids; cascade: a
// relay for each group but the last, which runs when all are dropped; step-by-step: one relay
// per step plus one.

#include "assistente/metodo_sequencia.h"

#include <QString>

namespace zefira {

// The circuit as demonstration-table rows. The intuitive method assumes a sequence without
// signal overlap (Sobreposicao_Sinais empty).
QString Tabela_Eletrica(const TSequencia_Movimentos &s, TMetodo metodo);

} // namespace zefira
