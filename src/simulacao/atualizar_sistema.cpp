// One simulation step: reset the marks of the previous step, feed from every supply, move
// cylinders fed directly or pushed back by their spring, shift every directional valve. Each
// moment runs over the whole list before the next; what a record does in it is its family's.

#include "simulacao/passo_simulacao.h"
#include "simulacao/registro_movimentos.h"
#include "simulacao/simulacao.h"

namespace zefira {

void Atualizar_Sistema(TEstado &estado)
{
    if (estado.modo != MODO_SIMULACAO || !estado.controles.TBiniciar_baixo)
        return;
    ++estado.revisao_simulacao;
    TPasso_Simulacao passo(estado);
    for (TEtapa_Simulacao etapa : {TEtapa_Simulacao::limpeza, TEtapa_Simulacao::alimentacao,
                                   TEtapa_Simulacao::contatos, TEtapa_Simulacao::comutacao})
        passo.executar(etapa);
    Registrar_Passo(estado);
}

} // namespace zefira
