#include "simulacao/simulacao_arquivo.h"

#include "documento/arquivo_circuito.h"

namespace zefira {

TResultado_Simulacao Simular_Arquivo(TEstado &estado, const QString &arquivo, TRoteiro_Simulacao &roteiro,
                                     QString &mensagem)
{
    const TResultadoLeitura leitura = Abrir_Arquivo(estado, arquivo);
    if (leitura.status != StatusLeitura::Ok) {
        mensagem = leitura.mensagem;
        return leitura.status == StatusLeitura::ErroAbrir ? TResultado_Simulacao::erro_leitura
                                                          : TResultado_Simulacao::invalido;
    }
    mensagem = roteiro.validar(estado);
    if (!mensagem.isEmpty())
        return TResultado_Simulacao::clique_invalido;
    roteiro.iniciar(estado);
    for (int k = 1; k <= roteiro.passos; ++k)
        roteiro.executar_passo(estado, k);
    return TResultado_Simulacao::ok;
}

} // namespace zefira
