// The run shared by "sequencia", "diagrama" and "avaliar": open a circuit, resolve the clicks,
// start as the window does and run the steps, leaving the record of every step in the state.
#include "cli/comandos.h"

#include "documento/arquivo_circuito.h"
#include "simulacao/roteiro_simulacao.h"

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

bool ler_opcoes_simulacao(const QStringList &args, int quantidade, const char *uso, TRoteiro_Simulacao &roteiro,
                          QStringList &posicionais)
{
    QString mensagem;
    bool certo = roteiro.ler(args, posicionais, mensagem) && posicionais.size() == quantidade;
    for (int i = 0; certo && i < posicionais.size(); ++i)
        certo = !posicionais[i].startsWith(QLatin1String("--"));
    if (certo)
        return true;
    if (!mensagem.isEmpty())
        erro(QStringLiteral("zefira-cli: ") + mensagem);
    erro(QString::fromUtf8(uso));
    return false;
}

int ler_e_simular(const QStringList &args, int quantidade, const char *uso, TEstado &estado,
                  QStringList &posicionais)
{
    TRoteiro_Simulacao roteiro;
    if (!ler_opcoes_simulacao(args, quantidade, uso, roteiro, posicionais))
        return ERRO_USO;
    QString mensagem;
    const int status = Simular_Arquivo(estado, posicionais[0], roteiro, mensagem);
    if (status != OK)
        erro(status == ERRO_USO ? QStringLiteral("zefira-cli: ") + mensagem : mensagem);
    return status;
}

} // namespace zefira::cli
