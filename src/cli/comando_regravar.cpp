// zefira-cli regravar ENTRADA SAIDA: reads a circuit and writes it back with the circuit writer.
#include "cli/comandos.h"

#include "documento/arquivo_circuito.h"

namespace zefira::cli {

int ler_e_informar(TEstado &estado, const QString &nome); // comando_verificar.cpp

int regravar(const QStringList &args)
{
    if (args.size() != 2) {
        erro(QStringLiteral("Uso: zefira-cli regravar ENTRADA SAIDA\n"
                            "  Lê ENTRADA como \"verificar\" (mesmas linhas) e grava o que foi lido em SAIDA,\n"
                            "  também quando ENTRADA é inválido. Nada é gravado se ENTRADA não puder ser lido.\n"
                            "  Saída: 0 válido; 1 arquivo inválido; 2 erro ao abrir; 3 erro ao salvar."));
        return ERRO_USO;
    }
    TEstado estado;
    const int status = ler_e_informar(estado, args[0]);
    if (status == ERRO_LEITURA)
        return status;
    if (!Salvar_Arquivo(estado, args[1])) {
        saida(QStringLiteral("Erro ao salvar arquivo!"));
        return ERRO_ESCRITA;
    }
    return status;
}

} // namespace zefira::cli
