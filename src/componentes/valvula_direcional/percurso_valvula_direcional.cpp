// The directional valve in the pressure walk: its squares route the air between ports, its
// pilots take signals, and a supply docked on port 1 feeds the exits of that port.
#include "componentes/contexto_percurso.h"
#include "componentes/contexto_simulacao.h"
#include "componentes/valvula_direcional/familia_valvula_direcional.h"
#include "modelo/componente.h"

namespace zefira {

namespace {

// Exits of a valve entered at a port, in walking order; `quantidade` 0 = no route.
struct TSaidas {
    int quantidade = 0;
    int porta[2] = {-1, -1};
};

struct Rota {
    int numero_vias;
    int simbolo;
    int entrada;
    TSaidas saidas;
};

// Exits per square symbol and entry port. The closed squares (2, 3, 8, 14) and pairs not
// listed route nothing; a symbol that does not belong to the valve's ways routes nothing.
const Rota ROTAS[] = {
    {2, 1, 1, {1, {2, -1}}},  {2, 1, 2, {1, {1, -1}}},

    {3, 4, 1, {1, {2, -1}}},  {3, 4, 2, {1, {1, -1}}},
    {3, 5, 2, {1, {3, -1}}},  {3, 5, 3, {1, {2, -1}}},

    {4, 6, 2, {2, {4, 3}}},   {4, 6, 3, {2, {2, 4}}},   {4, 6, 4, {2, {2, 3}}},
    {4, 7, 1, {2, {2, 4}}},   {4, 7, 2, {2, {1, 4}}},   {4, 7, 4, {2, {1, 2}}},
    {4, 9, 1, {1, {3, -1}}},  {4, 9, 3, {1, {1, -1}}},
    {4, 10, 1, {1, {2, -1}}}, {4, 10, 2, {1, {1, -1}}}, {4, 10, 3, {1, {4, -1}}}, {4, 10, 4, {1, {3, -1}}},
    {4, 11, 1, {1, {4, -1}}}, {4, 11, 2, {1, {3, -1}}}, {4, 11, 3, {1, {2, -1}}}, {4, 11, 4, {1, {1, -1}}},

    {5, 12, 2, {1, {3, -1}}}, {5, 12, 3, {1, {2, -1}}}, {5, 12, 4, {1, {5, -1}}}, {5, 12, 5, {1, {4, -1}}},
    // Entered at 2 or 4 the pressurised-centre 5-way square leads back to the supply only.
    {5, 13, 1, {2, {2, 4}}},  {5, 13, 2, {1, {1, -1}}}, {5, 13, 4, {1, {1, -1}}},
    {5, 15, 1, {1, {2, -1}}}, {5, 15, 2, {1, {1, -1}}}, {5, 15, 4, {1, {5, -1}}}, {5, 15, 5, {1, {4, -1}}},
    {5, 16, 1, {1, {4, -1}}}, {5, 16, 2, {1, {3, -1}}}, {5, 16, 3, {1, {2, -1}}}, {5, 16, 4, {1, {1, -1}}},
};

// The exits of the square the valve shows, entered at `entrada`.
TSaidas saidas(const TValvula_Direcional &v, int entrada)
{
    const TParte *parte = v.parte(v.posicao_atual);
    if (parte)
        for (const Rota &r : ROTAS)
            if (r.numero_vias == v.numero_vias && r.simbolo == parte->tipo() && r.entrada == entrada)
                return r.saidas;
    return {};
}

} // namespace

// Any port vents when open, and so does one with a record docked on it; a wire leads on.
TPasso_Percurso TFamilia_Valvula_Direcional::sair(TContexto_Percurso &p, TComponente &c, int porta) const
{
    TPasso_Percurso fim;
    TComponente *x = p.vizinho(c, porta, true, fim);
    if (!x)
        return fim;
    if (x->e_fio())
        return p.sair_para_fio(c, *x, false);
    return p.retornar(true);
}

TPasso_Percurso TFamilia_Valvula_Direcional::entrar(TContexto_Percurso &p, TComponente &c, int q) const
{
    TValvula_Direcional &v = *c.valvula_direcional;
    // Pilot ports take the signal (exhaust probes included) and lead nowhere.
    if (q == 6) {
        v.acionado_esq = true;
        p.alterar_contato(v);
        return p.retornar(false);
    }
    if (q == 7) {
        v.acionado_dir = true;
        return p.retornar(false);
    }
    const TSaidas s = saidas(v, q);
    if (s.quantidade == 0)
        return p.retornar(false);
    if (s.quantidade == 1)
        return p.seguir(c.codigo, s.porta[0]);
    return p.seguir_ate_abrir(c.codigo, s.porta, 2);
}

bool TFamilia_Valvula_Direcional::percorrer_uma_vez() const { return false; }

// A docked supply always feeds port 1. The ports it feeds are the exits of port 1 in the
// routing table, but here every one of them is walked, whatever the first gave.
void TFamilia_Valvula_Direcional::receber_ar(TContexto_Simulacao &sim, TComponente &c, const TTomada_Ar &tomada) const
{
    Tno *raiz = sim.nova_raiz(c.codigo, -1, tomada.pressao, VAZAO_MAXIMA);
    const TSaidas s = saidas(*c.valvula_direcional, 1);
    for (int k = 0; k < s.quantidade; ++k) {
        raiz->porta = s.porta[k];
        sim.percorrer(true, raiz);
    }
}

} // namespace zefira
