// The run shared by "sequencia", "diagrama" and "avaliar": open a circuit, resolve the clicks,
// start as the window does and run the steps, leaving the record of every step in the state.
#include "cli/comandos.h"

#include "files/arquivo_circuito.h"
#include "simulation/roteiro_simulacao.h"

namespace zefira::cli {

int Simular_Arquivo(TEstado &estado, const QString &arquivo, TRoteiro_Simulacao &roteiro, QString &mensagem)
{
    const TResultadoLeitura leitura = Abrir_Arquivo(estado, arquivo);
    if (leitura.status != StatusLeitura::Ok) {
        mensagem = leitura.mensagem;
        return leitura.status == StatusLeitura::ErroAbrir ? ERRO_LEITURA : INVALIDO;
    }
    mensagem = roteiro.validar(estado);
    if (!mensagem.isEmpty())
        return ERRO_USO;
    roteiro.iniciar(estado);
    for (int k = 1; k <= roteiro.passos; ++k)
        roteiro.executar_passo(estado, k);
    return OK;
}

} // namespace zefira::cli
