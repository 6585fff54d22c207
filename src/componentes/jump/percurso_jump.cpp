// The junction in the pressure walk: air entering by one port spreads to the three others.
#include "componentes/contexto_percurso.h"
#include "componentes/jump/familia_jump.h"
#include "modelo/componente.h"

namespace zefira {

// An open junction port does not vent.
TPasso_Percurso TFamilia_Jump::sair(TContexto_Percurso &p, TComponente &c, int porta) const
{
    TPasso_Percurso fim;
    TComponente *x = p.vizinho(c, porta, false, fim);
    if (x && x->e_fio())
        return p.sair_para_fio(c, *x, false);
    return p.retornar(false);
}

TPasso_Percurso TFamilia_Jump::entrar(TContexto_Percurso &p, TComponente &c, int q) const
{
    if (q < 1 || q > 4)
        return p.retornar(false);
    int outras[3], k = 0;
    for (int porta = 1; porta <= 4; ++porta)
        if (porta != q)
            outras[k++] = porta;
    return p.seguir_todas(c.codigo, outras, 3);
}

bool TFamilia_Jump::percorrer_uma_vez() const { return true; }
void TFamilia_Jump::receber_ar(TContexto_Simulacao &, TComponente &, const TTomada_Ar &) const {}

} // namespace zefira
