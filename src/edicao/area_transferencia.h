#pragma once
// Deletion and the internal clipboard. The clipboard holds the components themselves (shared
// ownership), so a cut or deleted component stays alive while the clipboard refers to it.

#include "modelo/estado.h"
#include "modelo/interface_usuario.h"

namespace zefira {

// Asks for confirmation, removes every selected component, deselects all.
void TBexcluirClick(TEstado &estado, TInterfaceUsuario &ui);
void copiarClick(TEstado &estado);
void cortarClick(TEstado &estado);
void colarClick(TEstado &estado);

} // namespace zefira
