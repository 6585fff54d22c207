#pragma once
// Moving components with their wires, docking and undocking supplies and regulators.

#include "modelo/estado.h"

namespace zefira {

// Moves the component at `indice` of the list by (dx, dy), keeping attached wire ends, docked
// supplies and regulators consistent; for a wire moves its highlighted inner segment.
// Sets `modificado`: it is an edit.
void Mover_Componentes(TEstado &estado, int indice, int dx, int dy);

// Re-lays the wires and docked parts of the component at `indice` after its picture changed in
// place (a valve that shifted, a regulator re-docked, a dialog's changes): wire ends and the bends
// next to them follow its ports, docked supplies and regulators sit on them again. A move by
// (0, 0), so a component lying past the work area's edges is left as it is. Leaves `modificado`
// alone: the simulation shifts valves with it without editing the document.
void Reassentar_Ligacoes(TEstado &estado, int indice);

} // namespace zefira
