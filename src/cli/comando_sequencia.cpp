// zefira-cli sequencia ARQUIVO [--passos N] [--clique K:ALVO:esq|dir]... [--soltar K]...
// Runs the circuit as "simular" does and prints, for each step in which a cylinder moved, the
// movements of that step.
#include "cli/comandos.h"

#include "modelo/estado.h"
#include "simulacao/registro_movimentos.h"

namespace zefira::cli {

namespace {

const char *const USO_SEQUENCIA =
    "Uso: zefira-cli sequencia ARQUIVO [--passos N] [--clique K:ALVO:esq|dir]... [--soltar K]...\n"
    "  Simula como \"simular\" e imprime, para cada passo K em que algum cilindro se moveu, uma\n"
    "  linha \"passo K: A+ B-\": os movimentos na ordem da lista de componentes, cada um o nome do\n"
    "  cilindro (\"C\" e o código quando não tem nome) seguido de + (avançou) ou - (recuou).\n"
    "  Saída: 0 sucesso; 1 arquivo inválido; 2 erro ao abrir; 4 uso incorreto.";

} // namespace

int sequencia(const QStringList &args)
{
    TEstado estado;
    QStringList posicionais;
    const int status = ler_e_simular(args, 1, USO_SEQUENCIA, estado, posicionais);
    if (status != OK)
        return status;
    for (int k = 1; k < estado.historico.numero_passos(); ++k) {
        const QStringList movimentos = Movimentos_Passo(estado.historico, k);
        if (!movimentos.isEmpty())
            saida(QStringLiteral("passo %1: %2").arg(k).arg(movimentos.join(QLatin1Char(' '))));
    }
    return OK;
}

} // namespace zefira::cli
