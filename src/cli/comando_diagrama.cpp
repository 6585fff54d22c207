// zefira-cli diagrama ARQUIVO SAIDA.png|svg|pdf [--passos N] [--clique K:ALVO:esq|dir]... [--soltar K]...
//                    [--eletrico]
// Runs the circuit as "simular" does and draws that run's displacement-step diagram, as the
// diagram window shows it, in the format the output's extension names; --eletrico adds the rows
// of the solenoids and relays.
#include "cli/comandos.h"

#include "desenho/diagrama_trajeto_passo.h"
#include "desenho/exportacao.h"
#include "modelo/estado.h"

#include <QPainter>

namespace zefira::cli {

namespace {

const char *const USO_DIAGRAMA =
    "Uso: zefira-cli diagrama ARQUIVO SAIDA.png|svg|pdf [--passos N] [--clique K:ALVO:esq|dir]... [--soltar K]...\n"
    "                         [--eletrico]\n"
    "  Simula como \"simular\" e desenha o diagrama trajeto-passo da simulação em SAIDA, no\n"
    "  formato indicado pela extensão. --eletrico acrescenta uma linha por solenoide e por relé\n"
    "  (1 energizado, 0 desligado).\n"
    "  Saída: 0 gravado; 1 arquivo inválido; 2 erro ao abrir; 3 erro ao salvar; 4 uso incorreto.";

} // namespace

int diagrama(const QStringList &args)
{
    QStringList demais = args;
    const bool eletricos = demais.removeAll(QStringLiteral("--eletrico")) > 0;
    TEstado estado;
    QStringList posicionais;
    const int status = ler_e_simular(demais, 2, USO_DIAGRAMA, estado, posicionais);
    if (status != OK)
        return status;
    QString falha;
    const ResultadoExportacao r = Exportar_Diagrama(
        TDiagrama_Trajeto_Passo(estado.historico, estado.observacoes, true, false, eletricos), posicionais[1], 1.0, &falha);
    if (r == ResultadoExportacao::formato_desconhecido) {
        erro(QStringLiteral("zefira-cli: formato desconhecido: ") + posicionais[1]);
        erro(QString::fromUtf8(USO_DIAGRAMA));
        return ERRO_USO;
    }
    if (r != ResultadoExportacao::ok) {
        erro(QStringLiteral("Erro ao salvar arquivo!"));
        return ERRO_ESCRITA;
    }
    return OK;
}

} // namespace zefira::cli
