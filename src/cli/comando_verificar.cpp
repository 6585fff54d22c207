// zefira-cli verificar [--avisos] ARQUIVO: reads a circuit as the open command does and reports
// the result; with --avisos, a valid circuit's findings of the classroom check follow.
#include "cli/comandos.h"

#include "documento/arquivo_circuito.h"
#include "simulacao/verificacao_circuito.h"

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
    QStringList arquivos = args;
    const bool avisos = arquivos.removeAll(QStringLiteral("--avisos")) == 1;
    if (arquivos.size() != 1 || args.size() != (avisos ? 2 : 1)) {
        erro(QStringLiteral("Uso: zefira-cli verificar [--avisos] ARQUIVO\n"
                            "  Imprime a mensagem do leitor, se houver, e \"componentes: N\" (também após\n"
                            "  \"Erro ao abrir arquivo!\", com N = 0).\n"
                            "  --avisos: se o circuito for válido, imprime em seguida um aviso por linha,\n"
                            "  \"CÓDIGO COMPONENTE: AVISO\", e por fim \"avisos: K\". Os avisos são conselhos\n"
                            "  e não mudam o código de saída.\n"
                            "  Saída: 0 válido; 1 arquivo inválido; 2 erro ao abrir."));
        return ERRO_USO;
    }
    TEstado estado;
    const int status = ler_e_informar(estado, arquivos[0]);
    if (!avisos || status != OK)
        return status;
    const std::vector<TAviso> achados = Verificar_Circuito(estado.lista());
    for (const TAviso &a : achados)
        saida(a.linha());
    saida(QStringLiteral("avisos: %1").arg(achados.size()));
    return OK;
}

} // namespace zefira::cli
