// One simulation step: reset the marks of the previous step, feed from every supply, move
// cylinders fed directly or pushed back by their spring, shift every directional valve. Each
// moment runs over the whole list before the next; what a record does in it is its family's.

#include "simulacao/circuito_eletrico.h"
#include "simulacao/passo_simulacao.h"
#include "simulacao/registro_movimentos.h"
#include "simulacao/simulacao.h"

namespace zefira {

namespace {

// The circuit of current comes first, from the positions and pressures the last step left: its
// solenoids act on the valves in this step. A short circuit pauses the run with its message and
// leaves the step undone.
bool resolver_eletrico(TEstado &estado, TPasso_Simulacao &passo)
{
    TCircuito_Eletrico circuito(estado.lista(), [&passo](const QString &r) { return passo.pressoes(r) > 0; });
    if (circuito.vazio())
        return true;
    passo.executar(TEtapa_Simulacao::sensores);
    const QString curto = circuito.resolver();
    if (!curto.isEmpty()) {
        estado.aviso_simulacao = curto;
        TBpausarClick(estado);
        return false;
    }
    passo.definir_solenoides(circuito.solenoides());
    return true;
}

} // namespace

void Atualizar_Sistema(TEstado &estado)
{
    if (estado.modo != MODO_SIMULACAO || !estado.controles.TBiniciar_baixo)
        return;
    ++estado.revisao_simulacao;
    TPasso_Simulacao passo(estado);
    if (!resolver_eletrico(estado, passo))
        return;
    for (TEtapa_Simulacao etapa : {TEtapa_Simulacao::limpeza, TEtapa_Simulacao::alimentacao,
                                   TEtapa_Simulacao::contatos, TEtapa_Simulacao::comutacao})
        passo.executar(etapa);
    Registrar_Passo(estado);
}

} // namespace zefira
