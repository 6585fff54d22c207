#pragma once
// The main window over a fresh state, for the window tests.

#include "apoio/eventos.h"
#include "modelo/estado.h"
#include "janelas/principal.h"

namespace zefira::teste {

// The state is declared first: the window keeps a reference to it.
struct Principal {
    TEstado estado;
    TForm1 form{estado, false};
};

} // namespace zefira::teste
