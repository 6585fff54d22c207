#pragma once
// Moving components with their wires, docking and undocking supplies and regulators.

#include "model/estado.h"

namespace zefira {

// Moves the component at `indice` of the list by (dx, dy), keeping attached wire ends, docked
// supplies and regulators consistent; for a wire moves its highlighted inner segment.
// (0, 0) re-attaches the wires after a layout change. Sets `modificado`.
void Mover_Componentes(TEstado &estado, int indice, int dx, int dy);

} // namespace zefira
