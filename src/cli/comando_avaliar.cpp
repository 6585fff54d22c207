// zefira-cli avaliar --sequencia "A+ B+ B- A-" [--passos N] [--clique ...] [--soltar ...] ARQUIVO...
// Runs every circuit with the same options and tells whether its first movements are the
// expected sequence: a whole class's exercises graded in one command.
#include "cli/comandos.h"

#include "modelo/estado.h"
#include "simulacao/avaliacao_sequencia.h"
#include "simulacao/registro_movimentos.h"
#include "simulacao/roteiro_simulacao.h"

namespace zefira::cli {

namespace {

constexpr int PASSOS_AVALIAR = 60;

const char *const USO_AVALIAR =
    "Uso: zefira-cli avaliar --sequencia \"A+ B+ B- A-\" [--passos N] [--clique K:ALVO:esq|dir]...\n"
    "                        [--soltar K]... ARQUIVO...\n"
    "  Simula cada circuito como \"simular\" (60 passos se --passos for omitido) e compara os\n"
    "  primeiros movimentos dos cilindros com a sequência esperada (nomes sem distinguir\n"
    "  maiúsculas). Uma linha por arquivo: \"ARQUIVO: aprovado\", \"ARQUIVO: reprovado (esperado:\n"
    "  ...; obtido: ...)\" ou \"ARQUIVO: erro (MENSAGEM)\" para um arquivo que não pôde ser lido ou\n"
    "  que não tem a válvula de um --clique.\n"
    "  Saída: 0 todos aprovados; 1 algum reprovado ou com erro; 4 uso incorreto.";

int uso(const QString &mensagem = QString())
{
    if (!mensagem.isEmpty())
        erro(QStringLiteral("zefira-cli: ") + mensagem);
    erro(QString::fromUtf8(USO_AVALIAR));
    return ERRO_USO;
}

} // namespace

int avaliar(const QStringList &args)
{
    QStringList resto;
    QString texto_sequencia;
    bool com_sequencia = false;
    for (int i = 0; i < args.size(); ++i) {
        if (args[i] != QLatin1String("--sequencia")) {
            resto << args[i];
            continue;
        }
        if (i + 1 >= args.size())
            return uso(QStringLiteral("opção sem valor: --sequencia"));
        texto_sequencia = args[++i];
        com_sequencia = true;
    }
    QStringList esperada;
    if (!com_sequencia)
        return uso();
    if (!Ler_Sequencia(texto_sequencia, esperada))
        return uso(QStringLiteral("sequência inválida: ") + texto_sequencia);

    TRoteiro_Simulacao modelo(PASSOS_AVALIAR);
    QStringList arquivos;
    QString mensagem;
    if (!modelo.ler(resto, arquivos, mensagem))
        return uso(mensagem);
    if (arquivos.isEmpty())
        return uso();
    for (const QString &a : arquivos)
        if (a.startsWith(QLatin1String("--")))
            return uso(QStringLiteral("opção desconhecida: ") + a);

    const QString texto_esperado = esperada.join(QLatin1Char(' '));
    int status = OK;
    for (const QString &arquivo : arquivos) {
        TEstado estado;
        TRoteiro_Simulacao roteiro = modelo; // names resolve per circuit
        if (Simular_Arquivo(estado, arquivo, roteiro, mensagem) != OK) {
            saida(QStringLiteral("%1: erro (%2)").arg(arquivo, mensagem));
            status = INVALIDO;
            continue;
        }
        const QStringList obtida = Sequencia_Observada(estado.historico).mid(0, esperada.size());
        if (Sequencia_Cumprida(esperada, obtida)) {
            saida(arquivo + QStringLiteral(": aprovado"));
        } else {
            saida(QStringLiteral("%1: reprovado (esperado: %2; obtido: %3)")
                      .arg(arquivo, texto_esperado, obtida.join(QLatin1Char(' '))));
            status = INVALIDO;
        }
    }
    return status;
}

} // namespace zefira::cli
