#pragma once
// The simulation's entry points used by the editor, the shell and zefira-cli.

#include "modelo/estado.h"
#include "simulacao/controle_simulacao.h"

namespace zefira {

// One simulation step: reset marks, feed from every supply, move cylinders, shift valves.
// Does nothing unless simulating (MODO_SIMULACAO) with the start button down.
void Atualizar_Sistema(TEstado &estado);

// The rest-state update: valves back to rest, rollers held by cylinders standing on labels.
void AtualizarAcionadores(TEstado &estado);

// Left press at (x, y) while simulating: toggles the actuator band the point lies in, on every
// valve whose band it is.
void Pressionar_Acionador(TEstado &estado, int x, int y);
// A button released while simulating: every valve's actuation is released, unless Shift
// alone is held.
void Soltar_Acionadores(TEstado &estado, bool somente_shift);

} // namespace zefira
