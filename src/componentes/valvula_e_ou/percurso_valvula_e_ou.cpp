// The AND, OR, quick-exhaust and flow-regulator valves in the pressure walk: what each passes
// from an input to its output and back, and the regulator's limit on the flow.
#include "componentes/contexto_percurso.h"
#include "componentes/valvula_e_ou/familia_valvula_e_ou.h"
#include "modelo/componente.h"

namespace zefira {

// An open port vents. A regulator docked by its port 1 on a cylinder port feeds the cylinder
// directly; otherwise a wire leads on.
TPasso_Percurso TFamilia_Valvula_E_Ou::sair(TContexto_Percurso &p, TComponente &c, int porta) const
{
    TPasso_Percurso fim;
    TComponente *x = p.vizinho(c, porta, true, fim);
    if (!x)
        return fim;
    const TValvula_E_OU_ESC_REG &e = *c.valvula_e_ou_esc_reg;
    if (e.pino == -1 || porta != 1) {
        if (x->e_fio())
            return p.sair_para_fio(c, *x, false);
        return p.retornar(false);
    }
    if (x->tipo == TIPO_CILINDRO)
        return x->familia().entrar(p, *x, e.pino);
    return p.retornar(false);
}

TPasso_Percurso TFamilia_Valvula_E_Ou::entrar(TContexto_Percurso &p, TComponente &componente, int q) const
{
    TValvula_E_OU_ESC_REG &e = *componente.valvula_e_ou_esc_reg;
    const int codigo = componente.codigo;
    // Only walks that carry supply pressure switch the AND/OR symbol.
    auto mudar_estado = [&](int estado) {
        if (p.pressurizando() && e.estado() != estado)
            e.definir_estado(estado);
    };
    switch (e.tipo()) {
    case EOU_E:
        if (q == 1 || q == 3) {
            const bool direita = q == 3;
            e.definir_entrada(direita, true);
            mudar_estado(direita ? 3 : 2);
            if (!e.entrada(!direita))
                return p.retornar(false);
            mudar_estado(1);
            return p.seguir(codigo, 2);
        }
        if (q == 2) {
            // Flow arriving backwards at the output goes back to the inputs that fed it.
            if (e.estado() == 1) {
                const int portas[2] = {3, 1};
                return p.seguir_todas(codigo, portas, 2);
            }
            if (e.estado() == 2)
                return p.seguir(codigo, 3);
            if (e.estado() == 3)
                return p.seguir(codigo, 1);
        }
        return p.retornar(false);
    case EOU_OU:
        if (q == 1) {
            mudar_estado(2);
            e.entrada_esq = true;
            return p.seguir(codigo, 2);
        }
        if (q == 3) {
            mudar_estado(1);
            e.entrada_dir = true;
            return p.seguir(codigo, 2);
        }
        if (q == 2 && e.estado() == 1)
            return p.seguir(codigo, 3);
        if (q == 2 && e.estado() == 2)
            return p.seguir(codigo, 1);
        return p.retornar(false);
    case EOU_REGULADORA: {
        if (q != 1 && q != 2)
            return p.retornar(false);
        const bool de_1 = q == 1;
        e.definir_entrada(de_1, true); // arriving at 1 marks entrada_dir, at 2 entrada_esq
        Tno *filho = p.continuacao(codigo, de_1 ? 2 : 1);
        // The regulated direction is 1 -> 2 in estado 1 and 2 -> 1 in estado 2.
        if (e.estado() == (de_1 ? 1 : 2) && e.vazao < p.no().vazao) {
            p.definir_vazao_minima(e.vazao);
            filho->vazao = e.vazao;
        }
        return p.seguir(filho);
    }
    default: return p.retornar(false); // a quick-exhaust valve ends the path
    }
}

bool TFamilia_Valvula_E_Ou::percorrer_uma_vez() const { return false; }

void TFamilia_Valvula_E_Ou::receber_ar(TContexto_Simulacao &, TComponente &, const TTomada_Ar &) const {}

} // namespace zefira
