// zefira-cli gerar --sequencia "A+ B+ B- A-" --metodo intuitivo|cascata|passo-a-passo [--eletrico] SAIDA.zfr
// Writes the circuit that performs the sequence once per start, and shows the method's table
// of groups or steps on stderr.
#include "cli/comandos.h"

#include "assistente/assistente_sequencia.h"
#include "documento/arquivo_circuito.h"

namespace zefira::cli {

namespace {

const char *const USO_GERAR =
    "Uso: zefira-cli gerar --sequencia \"A+ B+ B- A-\" --metodo intuitivo|cascata|passo-a-passo\n"
    "                      [--eletrico] SAIDA.zfr\n"
    "  Grava em SAIDA.zfr um circuito que executa a sequência uma vez a cada partida: cilindros\n"
    "  de dupla ação A, B, ... com seus fins de curso, válvulas 5/2 e as memórias do método; a\n"
    "  partida é a válvula \"partida\" (botão S1 com --eletrico). A tabela de grupos ou de passos\n"
    "  do método sai em stderr. Sequência: cilindros A a F, movimentos X+ e X-, parênteses para\n"
    "  movimentos no mesmo passo, como \"A+ (B+ C+) A-\"; cada cilindro começa recuado, alterna\n"
    "  avanço e recuo e termina recuado.\n"
    "  Saída: 0 gravado; 3 erro ao salvar; 4 uso incorreto, sequência inválida ou sobreposição\n"
    "  de sinais no método intuitivo.";

int uso(const QString &mensagem = QString())
{
    return recusar_uso(USO_GERAR, mensagem);
}

} // namespace

int gerar(const QStringList &args)
{
    TPedido_Sequencia pedido;
    bool com_sequencia = false, com_metodo = false;
    QStringList posicionais;
    for (int i = 0; i < args.size(); ++i) {
        const QString &a = args[i];
        if (a == QLatin1String("--eletrico")) {
            pedido.eletrico = true;
        } else if (a == QLatin1String("--sequencia") || a == QLatin1String("--metodo")) {
            if (i + 1 >= args.size())
                return uso(QStringLiteral("opção sem valor: ") + a);
            const QString valor = args[++i];
            if (a == QLatin1String("--sequencia")) {
                pedido.sequencia = valor;
                com_sequencia = true;
            } else if (!Ler_Metodo(valor, pedido.metodo)) {
                return uso(QStringLiteral("método desconhecido: ") + valor);
            } else {
                com_metodo = true;
            }
        } else if (a.startsWith(QLatin1String("--"))) {
            return uso(QStringLiteral("opção desconhecida: ") + a);
        } else {
            posicionais << a;
        }
    }
    if (!com_sequencia || !com_metodo || posicionais.size() != 1)
        return uso();

    TSequencia_Movimentos sequencia;
    const QString recusa = Validar_Pedido(pedido, &sequencia);
    if (!recusa.isEmpty()) {
        erro(recusa);
        return ERRO_USO;
    }
    TEstado estado;
    QString motivo;
    if (!Montar_Circuito_Sequencia(estado, pedido, motivo)) {
        erro(motivo);
        return ERRO_USO;
    }
    for (const QString &linha : Tabela_Metodo(sequencia, pedido.metodo, pedido.eletrico))
        erro(linha);
    if (!Salvar_Arquivo(estado, posicionais[0], &motivo)) {
        erro(QStringLiteral("Erro ao salvar arquivo!"));
        return ERRO_ESCRITA;
    }
    return OK;
}

} // namespace zefira::cli
