#include "cli/comandos.h"

namespace zefira::cli {

int simular(const QStringList &)
{
    erro(QStringLiteral("zefira-cli: comando ainda não disponível: simular"));
    return ERRO_USO;
}

} // namespace zefira::cli
