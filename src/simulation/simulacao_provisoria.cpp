// Placeholder bodies until the simulation engine lands.
#include "simulation/simulacao.h"

namespace zefira {

void Atualizar_Sistema(TEstado &) {}
void AtualizarAcionadores(TEstado &) {}
void Pressionar_Acionador(TEstado &, int, int) {}
void Soltar_Acionadores(TEstado &, bool) {}

} // namespace zefira
