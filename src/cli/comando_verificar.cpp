// zefira-cli verificar ARQUIVO: reads a circuit as the open command does and reports the result.
#include "cli/comandos.h"

#include "files/arquivo_circuito.h"

namespace zefira::cli {

namespace {
const Status STATUS_LEITURA[] = {OK, INVALIDO, ERRO_LEITURA}; // by StatusLeitura
} // namespace

// Reads nome into a fresh document, prints the reader's message (if any) and the count line.
// The count line is printed in every case, "componentes: 0" when the file could not be read.
int ler_e_informar(TEstado &estado, const QString &nome)
{
    const TResultadoLeitura r = Abrir_Arquivo(estado, nome);
    if (!r.mensagem.isEmpty())
        saida(r.mensagem);
    saida(QStringLiteral("componentes: %1").arg(estado.lista().numero_componentes()));
    return STATUS_LEITURA[int(r.status)];
}

int verificar(const QStringList &args)
{
    if (args.size() != 1) {
        erro(QStringLiteral("Uso: zefira-cli verificar ARQUIVO\n"
                            "  Imprime a mensagem do leitor, se houver, e \"componentes: N\" (também após\n"
                            "  \"Erro ao abrir arquivo!\", com N = 0).\n"
                            "  Saída: 0 válido; 1 arquivo inválido; 2 erro ao abrir."));
        return ERRO_USO;
    }
    TEstado estado;
    return ler_e_informar(estado, args[0]);
}

} // namespace zefira::cli
