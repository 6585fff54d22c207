// The junction keeps no state of its own in a run.
#include "componentes/jump/familia_jump.h"

namespace zefira {

void TFamilia_Jump::simular(TContexto_Simulacao &, int, TEtapa_Simulacao) const {}
void TFamilia_Jump::restaurar_partida(TComponente &, const TComponente &) const {}
bool TFamilia_Jump::acionar(TComponente &, bool) const { return false; }
bool TFamilia_Jump::acionavel(const TComponente &, QString &) const { return false; }
bool TFamilia_Jump::registrar_posicao(const TComponente &, TLinha_Historico &, int &) const { return false; }
TFamilia::TEstado_Simulado TFamilia_Jump::estado_simulado(const TComponente &, bool) const { return {}; }
// A junction may end a line.
TFamilia::TVerificado TFamilia_Jump::verificado(const TComponente &) const { return {"Nó", {}}; }

} // namespace zefira
