#pragma once
// The pneumatic circuit that performs a sequence once per start: double-acting cylinders A, B,
// ... in a row at the top with their end labels, a 5/2 double-pilot valve under each, roller
// limit valves, the memory valves of the method, a 3/2 push-button start valve named
// "partida" and the air supplies, on a grid, with tubes that pass no symbol.

#include "assistente/metodo_sequencia.h"

#include <QString>

namespace zefira {

// The circuit as demonstration-table rows. The intuitive method assumes a sequence without
// signal overlap (Sobreposicao_Sinais empty).
QString Tabela_Pneumatica(const TSequencia_Movimentos &s, TMetodo metodo);

} // namespace zefira
