#pragma once
// The main window over a fresh state, for the window tests.

#include "apoio/eventos.h"
#include "model/estado.h"
#include "shell/preferencias.h"
#include "shell/principal.h"

namespace zefira::teste {

// Each window starts as on a first run: nothing remembered from an earlier test.
struct SemPreferencias {
    SemPreferencias() { Preferencias()->clear(); }
};

// The state is declared first: the window keeps a reference to it.
struct Principal {
    SemPreferencias sem_preferencias;
    TEstado estado;
    TForm1 form{estado, false};
};

} // namespace zefira::teste
