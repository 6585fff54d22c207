#include "assistente/assistente_sequencia.h"

#include "assistente/gerador_eletrico.h"
#include "assistente/gerador_pneumatico.h"
#include "demonstracoes/demonstracoes.h"
#include "documento/comandos_documento.h"
#include "documento/historico_documento.h"

namespace zefira {

QString Validar_Pedido(const TPedido_Sequencia &pedido, TSequencia_Movimentos *sequencia)
{
    TSequencia_Movimentos s;
    QString erro;
    if (!TSequencia_Movimentos::ler(pedido.sequencia, s, erro))
        return QStringLiteral("sequência inválida: ") + erro;
    if (pedido.metodo == TMetodo::intuitivo) {
        const QString conflito = Sobreposicao_Sinais(s, pedido.eletrico);
        if (!conflito.isEmpty())
            return QStringLiteral("sobreposição de sinais entre %1 : use cascata ou passo-a-passo").arg(conflito);
    }
    if (sequencia)
        *sequencia = s;
    return QString();
}

bool Montar_Circuito_Sequencia(TEstado &estado, const TPedido_Sequencia &pedido, QString &erro)
{
    TSequencia_Movimentos s;
    erro = Validar_Pedido(pedido, &s);
    if (!erro.isEmpty())
        return false;
    const QString linhas =
        pedido.eletrico ? Tabela_Eletrica(s, pedido.metodo) : Tabela_Pneumatica(s, pedido.metodo);
    TEstado novo;
    if (linhas.isEmpty() || !Acrescentar_Tabela(novo, linhas.toUtf8().constData(), &erro)) {
        erro = QStringLiteral("não foi possível montar o circuito: ") + erro;
        return false;
    }
    Limpar_Lista(estado);
    Acrescentar_Tabela(estado, linhas.toUtf8().constData());
    estado.nome_documento.clear();
    estado.observacoes = {QStringLiteral("Sequência: ") + s.texto(),
                          QStringLiteral("Método: %1 (%2)")
                              .arg(Nome_Metodo(pedido.metodo),
                                   pedido.eletrico ? QStringLiteral("eletropneumático") : QStringLiteral("pneumático"))};
    Iniciar_Historico(estado);
    return true;
}

bool Abrir_Circuito_Sequencia(TEstado &estado, TInterfaceUsuario &ui, const TPedido_Sequencia &pedido)
{
    // Built aside first: a refusal must not cost the current circuit.
    TEstado rascunho;
    QString motivo;
    if (!Montar_Circuito_Sequencia(rascunho, pedido, motivo)) {
        ui.mensagem(motivo);
        return false;
    }
    estado.novo_confirmado = true;
    novoClick(estado, ui);
    if (!estado.novo_confirmado)
        return false;
    Montar_Circuito_Sequencia(estado, pedido, motivo);
    // Nothing on disk yet: closing asks to save it, as any unsaved work.
    estado.modificado = true;
    return true;
}

} // namespace zefira
