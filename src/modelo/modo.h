#pragma once
// The editor's mode (TEstado::modo): editing, drawing a wire, placing a palette component, or
// simulating. The numbers stay as they are: scripts name placement codes ("paleta 3"), and the
// palette button held down (TEstado::botao_paleta) is the code of the mode it starts. The
// placement codes are the families' palette entries (componentes/entrada_paleta.h).

#include "componentes/entrada_paleta.h"
#include "modelo/constantes.h"

#include <vector>

namespace zefira {

constexpr int MODO_EDICAO = 0;
constexpr int MODO_FIO = 1;
constexpr int MODO_SIMULACAO = 15;

// What a placement mode puts on the work area: a palette entry of a family.
struct TPeca {
    const TFamilia *familia;
    const TEntrada_Paleta *entrada;
};

// Every family's palette entries in palette order, that of their codes: buttons, menu items
// and placement cursors (slot i + 1) follow this order.
const std::vector<TPeca> &Pecas();
inline int Numero_Pecas() { return int(Pecas().size()); }

// Place of a placement mode in palette order (0 .. Numero_Pecas() - 1); -1 when `modo` places nothing.
int Ordem_Peca(int modo);

// True while `modo` is placing a palette component.
inline bool posicionando(int modo) { return Ordem_Peca(modo) >= 0; }

// The component `modo` places, or nullptr when it places nothing.
const TPeca *Peca_Posicionada(int modo);

} // namespace zefira
