#include "editor/mover_componentes.h"

namespace zefira {

void Mover_Componentes(TEstado &estado, int indice, int dx, int dy)
{
    (void)indice;
    (void)dx;
    (void)dy;
    estado.modificado = true; // placeholder until the move logic lands
}

} // namespace zefira
