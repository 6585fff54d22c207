#pragma once
// Drawing wires: starting one on a free port, routing it orthogonally when it is finished on
// another free port, and building a finished wire directly from given points.

#include "modelo/estado.h"

#include <vector>

namespace zefira {

// Sets a port's connection slot to a wire's code, the pending mark or -1. An air supply's port
// holds no docking once a wire uses it, so its pino is cleared too.
void Ligar_Porta_Fio(TComponente &c, int porta, int codigo);

// The component has a port marked under the pointer (ponto_ativo) and that port is still free.
// A marker can be stale: a docked component's green dot, or a port taken since the last move.
bool Porta_Marcada_Livre(const TComponente &c);
// Whether the wire being drawn (estado.componente_atual) may end on `porta` of `c`: a tube joins
// air ports only, a conductor electrical ones. True when no wire is being drawn.
bool Mesmo_Dominio_Do_Fio(const TEstado &estado, const TComponente &c, int porta);

// Starts a wire on port `porta` of the component at list index `indice`: everything is
// deselected, modo becomes MODO_FIO, the port is marked pending (-10) and the new wire, not yet in the
// list, becomes componente_atual with its loose end on the port.
void Iniciar_Fio(TEstado &estado, int indice, int porta);

// Finishes componente_atual on the marked port (ponto_ativo) of the component at list index
// `indice`: the wire joins the list with a new code, both ports get its code and its polyline
// becomes the orthogonal route. A wire whose origin component is gone is dropped instead.
void Finalizar_Fio(TEstado &estado, int indice);

// The bend points of the route from origin s (leaving in direction ds) to destination e
// (entered from direction de), with offset r; the polyline is s, bends, e. Directions: 1 down,
// 2 up, 3 left, 4 right; a direction outside 1..4 counts as up.
std::vector<TPonto> Rota_Fio(const TPonto &s, const TPonto &e, int ds, int de, int r);

// Builds a finished wire with the given code, ends and three or four points, appends it keeping
// its code and makes it componente_atual. The ports at its ends are left to the caller.
TComponente &CriarFio(TEstado &estado, int codigo, int pino_destino, int conexao_destino, int pino_origem,
                      int conexao_origem, int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4,
                      bool com_quarto_ponto);

} // namespace zefira
