// The cylinder in the pressure walk: the arrival rule (air reaching one chamber moves the rod
// when the other chamber can exhaust) and the direct feed of a supply docked on a port.
#include "componentes/cilindro/familia_cilindro.h"
#include "componentes/contexto_percurso.h"
#include "componentes/contexto_simulacao.h"
#include "modelo/componente.h"
#include "modelo/estado.h"

#include <algorithm>

namespace zefira {

namespace {

using TMemoria = TContexto_Percurso::TMemoria;

// After the zero-pressure re-walk of a closed probe path.
TPasso_Percurso depois_da_limpeza(TContexto_Percurso &p, bool)
{
    const TMemoria &m = p.memoria();
    p.atualizar_contatos(*m.componente->cilindro);
    return p.retornar(m.resultado);
}

// After the exhaust probe of the other chamber: the rod moves if it vented, otherwise the
// tentative step is undone and the probe's path is walked again without pressure to clear
// its wires.
TPasso_Percurso depois_da_sonda(TContexto_Percurso &p, bool r)
{
    TMemoria &m = p.memoria();
    TCilindro &c = *m.componente->cilindro;
    Tno *filho = m.filho;
    const bool avancar = m.porta == 1;
    // The smallest regulated flow on the exhaust path governs the force.
    if (p.vazao_minima() < m.vazao)
        filho->vazao = p.vazao_minima();
    if (r && (avancar ? c.posicao < 100 : c.posicao > 0)) {
        c.posicao = p.proxima_posicao(c, avancar, filho->vazao, filho->pressao);
        p.atualizar_contatos(c);
        return p.retornar(r);
    }
    c.posicao -= avancar ? 1 : -1;
    filho->pressao = 0;
    filho->vazao = 0;
    m.resultado = r;
    return p.aguardar(filho, true, depois_da_limpeza);
}

} // namespace

// An open port vents, and so does a supply docked on it; a regulator docked on it in its
// regulated direction leads on by its port 2.
TPasso_Percurso TFamilia_Cilindro::sair(TContexto_Percurso &p, TComponente &c, int porta) const
{
    TPasso_Percurso fim;
    TComponente *x = p.vizinho(c, porta, true, fim);
    if (!x)
        return fim;
    if (x->tipo == TIPO_TOMADA_AR)
        return p.retornar(true);
    if (x->e_fio())
        return p.sair_para_fio(c, *x, true);
    if (x->tipo == TIPO_E_OU_ESC_REG && x->valvula_e_ou_esc_reg->estado() == 1)
        return p.seguir(x->codigo, 2);
    return p.retornar(false);
}

TPasso_Percurso TFamilia_Cilindro::entrar(TContexto_Percurso &p, TComponente &componente, int q) const
{
    if (q != 1 && q != 2)
        return p.retornar(false);
    TCilindro &c = *componente.cilindro;
    const bool avancar = q == 1;
    c.marcado = false;
    (avancar ? c.pressurizado_1 : c.pressurizado_2) = true;
    if (avancar ? c.pressurizado_2 : c.pressurizado_1) {
        // Both chambers under pressure: nothing moves.
        p.atualizar_contatos(c);
        return p.retornar(false);
    }
    Tno *filho = p.continuacao(componente.codigo, avancar ? 2 : 1);
    p.memoria() = {&componente, q, p.no().vazao, filho, false};
    if (avancar ? c.posicao >= 100 : c.posicao <= 0) {
        p.atualizar_contatos(c);
        return p.retornar(false);
    }
    // The tentative step takes a cylinder off the label it stands on before the search.
    c.posicao += avancar ? 1 : -1;
    p.definir_vazao_minima(p.no().vazao);
    return p.aguardar(filho, false, depois_da_sonda);
}

bool TFamilia_Cilindro::percorrer_uma_vez() const { return false; }

// Fed directly: no tentative step and no chamber flags; the other chamber must vent.
void TFamilia_Cilindro::receber_ar(TContexto_Simulacao &sim, TComponente &componente, const TTomada_Ar &tomada) const
{
    TCilindro &c = *componente.cilindro;
    const bool na_porta_1 = tomada.pino == 1;
    Tno *raiz = sim.nova_raiz(componente.codigo, na_porta_1 ? 2 : 1, tomada.pressao, VAZAO_MAXIMA);
    TEstado &estado = sim.estado();
    estado.vazao_minima = VAZAO_MAXIMA;
    if (!sim.percorrer(true, raiz))
        return;
    if (na_porta_1 ? c.posicao >= 100 : c.posicao < 1)
        return;
    raiz->vazao = std::min(raiz->vazao, estado.vazao_minima);
    c.posicao = sim.proxima_posicao(c, na_porta_1, raiz->vazao, raiz->pressao);
    sim.atualizar_contatos(c, TFormaContato::direto);
}

} // namespace zefira
