// The simulation options of the commands that run a circuit, and the run's exit statuses.
#include "cli/comandos.h"

#include "simulacao/simulacao_arquivo.h"

namespace zefira::cli {

namespace {

int executar(TEstado &estado, const QString &arquivo, TRoteiro_Simulacao &roteiro, QString &mensagem)
{
    switch (zefira::Simular_Arquivo(estado, arquivo, roteiro, mensagem)) {
    case TResultado_Simulacao::ok: return OK;
    case TResultado_Simulacao::erro_leitura: return ERRO_LEITURA;
    case TResultado_Simulacao::invalido: return INVALIDO;
    case TResultado_Simulacao::clique_invalido: return ERRO_USO;
    }
    return OK;
}

} // namespace

int recusar_uso(const char *uso, const QString &mensagem)
{
    if (!mensagem.isEmpty())
        erro(QStringLiteral("zefira-cli: ") + mensagem);
    erro(QString::fromUtf8(uso));
    return ERRO_USO;
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
    recusar_uso(uso, mensagem);
    return false;
}

int ler_e_simular(const QStringList &args, int quantidade, const char *uso, TEstado &estado,
                  QStringList &posicionais)
{
    TRoteiro_Simulacao roteiro;
    if (!ler_opcoes_simulacao(args, quantidade, uso, roteiro, posicionais))
        return ERRO_USO;
    QString mensagem;
    const int status = executar(estado, posicionais[0], roteiro, mensagem);
    if (status != OK)
        erro(status == ERRO_USO ? QStringLiteral("zefira-cli: ") + mensagem : mensagem);
    return status;
}

} // namespace zefira::cli
