// zefira-cli avaliar --sequencia "A+ B+ B- A-" [--ciclos N] [--csv] [--passos N] [--clique ...]
// [--soltar ...] ARQUIVO...
// Runs every circuit with the same options and grades its movements against the expected
// sequence: a whole class's exercises in one command.
#include "cli/comandos.h"

#include "simulacao/avaliacao_turma.h"

namespace zefira::cli {

namespace {

const char *const USO_AVALIAR =
    "Uso: zefira-cli avaliar --sequencia \"A+ B+ B- A-\" [--ciclos N] [--csv] [--passos N]\n"
    "                        [--clique K:ALVO:esq|dir]... [--soltar K]... ARQUIVO...\n"
    "  Simula cada circuito como \"simular\" e compara os movimentos dos cilindros, passo a\n"
    "  passo, com a sequência esperada: cilindros A a F (nomes sem distinguir maiúsculas),\n"
    "  movimentos X+ e X-, parênteses para movimentos que acontecem no mesmo passo, como\n"
    "  \"A+ (B+ C+) A-\"; movimentos escritos separados devem acontecer em passos diferentes.\n"
    "  Sem --ciclos, aprova quando os movimentos são a sequência, repetida por inteiro ou não\n"
    "  (ciclo contínuo; a última repetição pode ser cortada pelo fim da simulação), e nada mais.\n"
    "  Com --ciclos N, aprova só quando a sequência acontece exatamente N vezes e depois nada se\n"
    "  move por 10 passos. Sem --passos, a simulação tem 60 passos, ou mais quando --ciclos pede.\n"
    "  Uma linha por arquivo: \"ARQUIVO: aprovado\", \"ARQUIVO: reprovado (esperado: ...; obtido:\n"
    "  ...)\" ou \"ARQUIVO: erro (MENSAGEM)\" para um arquivo que não pôde ser lido ou que não tem a\n"
    "  válvula de um --clique. --csv imprime um cabeçalho e uma linha por arquivo, campos separados\n"
    "  por \";\": arquivo;resultado;esperado;obtido;mensagem.\n"
    "  Saída: 0 todos aprovados; 1 algum reprovado ou com erro; 4 uso incorreto ou sequência\n"
    "  inválida.";

int uso(const QString &mensagem = QString())
{
    return recusar_uso(USO_AVALIAR, mensagem);
}

} // namespace

int avaliar(const QStringList &args)
{
    QStringList resto;
    QString texto_sequencia;
    bool com_sequencia = false, csv = false;
    TCriterio_Avaliacao criterio;
    for (int i = 0; i < args.size(); ++i) {
        const QString &a = args[i];
        if (a == QLatin1String("--csv")) {
            csv = true;
            continue;
        }
        if (a != QLatin1String("--sequencia") && a != QLatin1String("--ciclos")) {
            resto << a;
            continue;
        }
        if (i + 1 >= args.size())
            return uso(QStringLiteral("opção sem valor: ") + a);
        const QString valor = args[++i];
        if (a == QLatin1String("--sequencia")) {
            texto_sequencia = valor;
            com_sequencia = true;
            continue;
        }
        bool ok = false;
        criterio.ciclos = valor.toInt(&ok);
        if (!ok || criterio.ciclos < 1 || criterio.ciclos > 1000)
            return uso(QStringLiteral("número de ciclos inválido: ") + valor);
    }
    if (!com_sequencia)
        return uso();
    QString falha;
    if (!TSequencia_Movimentos::ler(texto_sequencia, criterio.sequencia, falha)) {
        erro(QStringLiteral("zefira-cli: sequência inválida: ") + falha);
        return ERRO_USO;
    }

    TRoteiro_Simulacao modelo(Passos_Avaliacao(criterio));
    QStringList arquivos;
    QString mensagem;
    if (!modelo.ler(resto, arquivos, mensagem))
        return uso(mensagem);
    if (arquivos.isEmpty())
        return uso();
    for (const QString &a : arquivos)
        if (a.startsWith(QLatin1String("--")))
            return uso(QStringLiteral("opção desconhecida: ") + a);

    if (csv)
        saida(Cabecalho_Csv());
    int status = OK;
    for (const QString &arquivo : arquivos) {
        const TResultado_Avaliacao r = Avaliar_Arquivo(arquivo, modelo, criterio);
        saida(csv ? Linha_Csv(r) : Linha_Resultado(r));
        if (r.situacao != TResultado_Avaliacao::aprovado)
            status = INVALIDO;
    }
    return status;
}

} // namespace zefira::cli
