// The tube in the pressure walk: entered by one end, it leads into the component at the other.
#include "componentes/contexto_percurso.h"
#include "componentes/fio/familia_fio.h"
#include "modelo/componente.h"

namespace zefira {

// A loose far end is closed.
TPasso_Percurso TFamilia_Fio::sair(TContexto_Percurso &p, TComponente &c, int porta) const
{
    const TFio &w = *c.fio;
    const bool para_destino = porta == 0;
    const int longe = para_destino ? w.conexao_destino : w.conexao_origem;
    const int q = para_destino ? w.pino_destino : w.pino_origem;
    if (longe == LIVRE)
        return p.retornar(false);
    TComponente *x = p.procurar(longe);
    if (!x)
        return p.retornar(false);
    return x->familia().entrar(p, *x, q);
}

TPasso_Percurso TFamilia_Fio::entrar(TContexto_Percurso &p, TComponente &, int) const { return p.retornar(false); }
bool TFamilia_Fio::percorrer_uma_vez() const { return false; }
void TFamilia_Fio::receber_ar(TContexto_Simulacao &, TComponente &, const TTomada_Ar &) const {}

} // namespace zefira
