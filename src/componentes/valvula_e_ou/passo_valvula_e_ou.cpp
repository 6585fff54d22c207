// The AND, OR, quick-exhaust and flow-regulator valves in the system step and the simulation
// control: their inputs are marked anew each step and a stop shows them at rest.
#include "componentes/contexto_simulacao.h"
#include "componentes/valvula_e_ou/familia_valvula_e_ou.h"
#include "modelo/componente.h"
#include "modelo/estado.h"

namespace zefira {

void TFamilia_Valvula_E_Ou::simular(TContexto_Simulacao &sim, int indice, TEtapa_Simulacao etapa) const
{
    TValvula_E_OU_ESC_REG &e = *sim.estado().lista()[indice].valvula_e_ou_esc_reg;
    switch (etapa) {
    case TEtapa_Simulacao::partida:
    case TEtapa_Simulacao::limpeza:
        e.entrada_esq = false;
        e.entrada_dir = false;
        break;
    case TEtapa_Simulacao::parada:
        // A flow regulator's estado is its configured direction, not a run-time state.
        if (e.tipo() != EOU_REGULADORA)
            e.definir_estado(1);
        break;
    default: break;
    }
}

void TFamilia_Valvula_E_Ou::restaurar_partida(TComponente &c, const TComponente &partida) const
{
    c.valvula_e_ou_esc_reg->definir_estado(partida.valvula_e_ou_esc_reg->estado());
}

bool TFamilia_Valvula_E_Ou::acionar(TComponente &, bool) const { return false; }
bool TFamilia_Valvula_E_Ou::acionavel(const TComponente &, QString &) const { return false; }
bool TFamilia_Valvula_E_Ou::registrar_posicao(const TComponente &, TLinha_Historico &, int &) const { return false; }

TFamilia::TEstado_Simulado TFamilia_Valvula_E_Ou::estado_simulado(const TComponente &c, bool) const
{
    return {"e_ou", QStringLiteral("{\"codigo\":%1,\"estado\":%2}").arg(c.codigo).arg(c.valvula_e_ou_esc_reg->estado())};
}

TFamilia::TVerificado TFamilia_Valvula_E_Ou::verificado(const TComponente &c) const
{
    switch (c.valvula_e_ou_esc_reg->tipo()) {
    case EOU_E: return {"Válvula E", {1, 2, 3}};
    case EOU_OU: return {"Válvula OU", {1, 2, 3}};
    case EOU_ESCAPE: return {"Válvula de Escape Rápido", {1, 2}};
    case EOU_REGULADORA: return {"Válvula Reguladora de Fluxo", {1, 2}};
    default: return {};
    }
}

} // namespace zefira
