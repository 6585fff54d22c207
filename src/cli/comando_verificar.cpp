#include "cli/comandos.h"

namespace zefira::cli {

int verificar(const QStringList &)
{
    erro(QStringLiteral("zefira-cli: comando ainda não disponível: verificar"));
    return ERRO_USO;
}

} // namespace zefira::cli
