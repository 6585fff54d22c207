// zefira-cli exportar ARQUIVO SAIDA.png|svg|pdf [--escala K] [--passos N] [--clique ...] [--soltar ...]
// Writes the part of the work area the circuit occupies, with a white margin, as a picture.
#include "cli/comandos.h"

#include "desenho/exportacao_circuito.h"
#include "simulacao/roteiro_simulacao.h"


namespace zefira::cli {

namespace {

const char *const USO_EXPORTAR =
    "Uso: zefira-cli exportar ARQUIVO SAIDA.png|svg|pdf [--escala K] [--passos N] [--clique K:CODIGO:esq|dir]... [--soltar K]...\n"
    "  Grava o circuito em PNG, SVG ou PDF, conforme a extensão de SAIDA: o menor retângulo que\n"
    "  contém o desenho, com 20 pixels de margem branca, ampliado K vezes (K de 0,1 a 20, padrão 1).\n"
    "  SVG e PDF são vetoriais. Um PNG de mais de 100 milhões de pixels, ou uma figura de mais de\n"
    "  100 000 pixels de lado (SVG e PDF: no tamanho em 100 %), não é gravado. As opções de\n"
    "  simulação são as do comando \"desenhar\".\n"
    "  Saída: 0 gravado; 1 arquivo inválido; 2 erro ao abrir; 3 erro ao salvar; 4 uso incorreto ou\n"
    "  figura grande demais.";

// Takes "--escala K" out of args. False for a missing or malformed K, or K out of range.
bool ler_escala(QStringList &args, double &escala)
{
    escala = 1;
    for (int i = 0; i < args.size(); ++i) {
        if (args[i] != QLatin1String("--escala"))
            continue;
        if (i + 1 >= args.size())
            return false;
        bool ok = false;
        escala = args[i + 1].toDouble(&ok);
        if (!ok || !(escala >= ESCALA_MINIMA && escala <= ESCALA_MAXIMA))
            return false;
        args.remove(i, 2);
        --i;
    }
    return true;
}

} // namespace

int exportar(const QStringList &argumentos)
{
    QStringList args = argumentos;
    double escala = 1;
    if (!ler_escala(args, escala)) {
        erro(QStringLiteral("zefira-cli: escala inválida (use um número de 0,1 a 20)"));
        erro(QString::fromUtf8(USO_EXPORTAR));
        return ERRO_USO;
    }
    TRoteiro_Simulacao roteiro;
    QStringList posicionais;
    if (!ler_opcoes_simulacao(args, 2, USO_EXPORTAR, roteiro, posicionais))
        return ERRO_USO;
    if (!formato_exportacao_valido(posicionais[1])) {
        erro(QStringLiteral("zefira-cli: formato desconhecido (use .png, .svg ou .pdf): ") + posicionais[1]);
        return ERRO_USO;
    }
    TEstado estado;
    const int status = abrir_e_simular(roteiro, posicionais[0], estado);
    if (status != OK)
        return status;
    QString motivo;
    const ResultadoExportacao r = Exportar_Circuito(estado, posicionais[1], escala, &motivo);
    if (r == ResultadoExportacao::grande_demais) {
        erro(QStringLiteral("zefira-cli: ") + motivo);
        return ERRO_USO;
    }
    if (r != ResultadoExportacao::ok) {
        erro(QStringLiteral("Erro ao salvar arquivo!"));
        if (!motivo.isEmpty())
            erro(QStringLiteral("zefira-cli: ") + motivo);
        return ERRO_ESCRITA;
    }
    return OK;
}

} // namespace zefira::cli
