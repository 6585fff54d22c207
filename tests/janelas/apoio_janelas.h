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

// The main window shown, its pending events handled.
struct PrincipalVisivel : Principal {
    PrincipalVisivel()
    {
        form.show();
        processar_eventos();
    }
};

} // namespace zefira::teste
