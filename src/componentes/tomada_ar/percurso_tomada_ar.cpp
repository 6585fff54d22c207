// The air supply in the pressure walk: walks start from it, none passes through it.
#include "componentes/contexto_percurso.h"
#include "componentes/tomada_ar/familia_tomada_ar.h"

namespace zefira {

TPasso_Percurso TFamilia_Tomada_Ar::sair(TContexto_Percurso &p, TComponente &, int) const { return p.retornar(false); }
TPasso_Percurso TFamilia_Tomada_Ar::entrar(TContexto_Percurso &p, TComponente &, int) const { return p.retornar(false); }
bool TFamilia_Tomada_Ar::percorrer_uma_vez() const { return false; }
void TFamilia_Tomada_Ar::receber_ar(TContexto_Simulacao &, TComponente &, const TTomada_Ar &) const {}

} // namespace zefira
