#include "cli/comandos.h"

namespace zefira::cli {

int regravar(const QStringList &)
{
    erro(QStringLiteral("zefira-cli: comando ainda não disponível: regravar"));
    return ERRO_USO;
}

} // namespace zefira::cli
