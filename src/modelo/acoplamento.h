#pragma once
// Docking: air supplies and AND/OR/exhaust/regulator valves that sit directly on another
// component's port, without a wire between them.

#include "modelo/estado.h"

namespace zefira {

// True when `acoplado` sits on port `porta` of `hospedeiro`: an air supply on a directional
// valve or a cylinder, or an AND/OR/exhaust/regulator valve on a cylinder, each naming the
// host back.
bool Esta_Acoplado(const TComponente &hospedeiro, int porta, const TComponente &acoplado);
// Puts a docked component back in its place under the host's port and lays it out.
void Posicionar_Acoplado(const TComponente &hospedeiro, int porta, TComponente &acoplado);
// After an air supply moved: docks it on the first nearby free port 1 of a directional valve or
// port 1/2 of a cylinder, or undocks it from a host it moved away from. Selected hosts move
// with the supply and are left out.
void Acoplar_Tomada_Ar(TEstado &estado, TComponente &tomada);
// The same for an AND/OR/exhaust/regulator valve over the cylinders, by its port 1.
void Acoplar_Valvula_E_OU(TEstado &estado, TComponente &valvula);

} // namespace zefira
