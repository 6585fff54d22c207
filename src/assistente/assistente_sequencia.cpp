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

namespace {

struct TCircuito_Gerado {
    TSequencia_Movimentos sequencia;
    QByteArray linhas; // the table rows, known to build
};

// Checks the request and writes its circuit's rows, trying them on a scratch state so that a
// failure costs nothing; false with the reason.
bool gerar(const TPedido_Sequencia &pedido, TCircuito_Gerado &gerado, QString &erro)
{
    erro = Validar_Pedido(pedido, &gerado.sequencia);
    if (!erro.isEmpty())
        return false;
    const TSequencia_Movimentos &s = gerado.sequencia;
    gerado.linhas =
        (pedido.eletrico ? Tabela_Eletrica(s, pedido.metodo) : Tabela_Pneumatica(s, pedido.metodo)).toUtf8();
    TEstado rascunho;
    if (gerado.linhas.isEmpty() || !Acrescentar_Tabela(rascunho, gerado.linhas.constData(), &erro)) {
        erro = QStringLiteral("não foi possível montar o circuito: ") + erro;
        return false;
    }
    return true;
}

void instalar(TEstado &estado, const TPedido_Sequencia &pedido, const TCircuito_Gerado &gerado)
{
    Limpar_Lista(estado);
    Acrescentar_Tabela(estado, gerado.linhas.constData());
    estado.observacoes = {QStringLiteral("Sequência: ") + gerado.sequencia.texto(),
                          QStringLiteral("Método: %1 (%2)")
                              .arg(Nome_Metodo(pedido.metodo),
                                   pedido.eletrico ? QStringLiteral("eletropneumático") : QStringLiteral("pneumático"))};
    Iniciar_Historico(estado);
}

} // namespace

bool Montar_Circuito_Sequencia(TEstado &estado, const TPedido_Sequencia &pedido, QString &erro)
{
    TCircuito_Gerado gerado;
    if (!gerar(pedido, gerado, erro))
        return false;
    instalar(estado, pedido, gerado);
    return true;
}

bool Abrir_Circuito_Sequencia(TEstado &estado, TInterfaceUsuario &ui, const TPedido_Sequencia &pedido)
{
    // Generated before the question: a refusal must not cost the current circuit.
    TCircuito_Gerado gerado;
    QString motivo;
    if (!gerar(pedido, gerado, motivo)) {
        ui.mensagem(motivo);
        return false;
    }
    estado.novo_confirmado = true;
    novoClick(estado, ui);
    if (!estado.novo_confirmado)
        return false;
    instalar(estado, pedido, gerado);
    // Nothing on disk yet: closing asks to save it, as any unsaved work.
    estado.modificado = true;
    return true;
}

} // namespace zefira
