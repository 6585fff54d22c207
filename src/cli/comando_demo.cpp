#include "cli/comandos.h"

namespace zefira::cli {

int demo(const QStringList &)
{
    erro(QStringLiteral("zefira-cli: comando ainda não disponível: demo"));
    return ERRO_USO;
}

} // namespace zefira::cli
