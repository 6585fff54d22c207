#pragma once
// Docking: parts that sit by their port 1 directly on another component's port, without a wire
// (air supplies on valves and cylinders, AND/OR/exhaust/regulator valves on cylinders). Which
// part docks on which host, and where it sits, each family answers (componentes/familia.h).

#include "modelo/estado.h"

namespace zefira {

// A port within this distance of a docked part's port 1 takes it; at it or beyond, lets it go.
constexpr int PERTO_ACOPLAMENTO = 5;

// True when `acoplado` sits on port `porta` of `hospedeiro`: a part the host takes, naming the
// host back.
bool Esta_Acoplado(const TComponente &hospedeiro, int porta, const TComponente &acoplado);
// Under the port, 5 below the box: where a part docked on a cylinder sits, and where a part a
// damaged file docks on any other kind is put.
TFamilia::TEncaixe Sob_Porta(const TComponente &hospedeiro, int porta);
// Puts a docked component back in its place under the host's port and lays it out.
void Posicionar_Acoplado(const TComponente &hospedeiro, int porta, TComponente &acoplado);
// Ties both ends of a docking and marks the part docked; Soltar_Acoplado only drops the mark,
// each host untying its own port.
void Prender_Acoplado(TComponente &acoplado, TComponente &hospedeiro, int porta);
void Soltar_Acoplado(TComponente &acoplado);
// After a dockable part moved: docks it on the first host nearby that takes it, or undocks it
// from a host it moved away from. Selected hosts move with it and are left out; a part wired by
// its port 1 stays as it is.
void Acoplar(TEstado &estado, TComponente &acoplado);

} // namespace zefira
