#include "cli/comandos.h"

#include "demonstracoes/demonstracoes.h"
#include "demonstracoes/tabelas_demonstracoes.h"
#include "documento/arquivo_circuito.h"
#include "modelo/estado.h"
#include "modelo/interface_roteirizada.h"

#include <algorithm>

namespace zefira::cli {

namespace {
const char *const USO_DEMO = "uso: zefira-cli demo NOME SAIDA | zefira-cli demo --lista";
}

int demo(const QStringList &args)
{
    if (args.size() == 1 && args[0] == QLatin1String("--lista")) {
        // Each name beside its menu caption (without the accelerator mark), in aligned
        // columns; the name is the first word of the line.
        const QStringList nomes = Nomes_Demonstracoes();
        qsizetype largura = 0;
        for (const QString &nome : nomes)
            largura = std::max(largura, nome.size());
        for (const QString &nome : nomes)
            saida(nome.leftJustified(largura + 2)
                  + QString::fromUtf8(Tabela_Demonstracao(nome)->legenda).remove(QLatin1Char('&')));
        return OK;
    }
    // "--lista" goes alone; with anything after it the call is malformed, not a name.
    if (args.size() != 2 || args[0].startsWith(QLatin1String("--"))) {
        erro(QString::fromUtf8(USO_DEMO));
        return ERRO_USO;
    }
    if (!Nomes_Demonstracoes().contains(args[0])) {
        erro(QStringLiteral("zefira-cli: demonstração desconhecida: ") + args[0]);
        return ERRO_USO;
    }
    TEstado estado;
    TInterfaceRoteirizada ui;
    if (!Construir_Demonstracao(estado, ui, args[0])) {
        erro(QStringLiteral("zefira-cli: a demonstração não pôde ser construída: ") + args[0]);
        return ERRO_USO;
    }
    if (!Salvar_Arquivo(estado, args[1])) {
        erro(QStringLiteral("Erro ao salvar arquivo!"));
        return ERRO_ESCRITA;
    }
    return OK;
}

} // namespace zefira::cli
