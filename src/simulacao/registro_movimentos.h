#pragma once
// The movement recorder: after the start and after every step it keeps where each cylinder
// and directional valve stands (THistorico_Passos, as each family's registrar_posicao says),
// and reads back the movements the cylinders made, "A+" when a position grew and "A-" when it
// fell.

#include "modelo/estado.h"

#include <QStringList>

namespace zefira {

// Appends the positions of the current state as the next step. A component set other than
// the recorded one (the document was replaced) starts the record over.
void Registrar_Passo(TEstado &estado);

// The movements of step k (k >= 1) in component-list order; none when k is out of range.
QStringList Movimentos_Passo(const THistorico_Passos &historico, int k);
// The movements of every step in order.
QStringList Sequencia_Observada(const THistorico_Passos &historico);

} // namespace zefira
