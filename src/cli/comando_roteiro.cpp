#include "cli/comandos.h"

namespace zefira::cli {

int roteiro(const QStringList &)
{
    erro(QStringLiteral("zefira-cli: comando ainda não disponível: roteiro"));
    return ERRO_USO;
}

} // namespace zefira::cli
