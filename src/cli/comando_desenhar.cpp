#include "cli/comandos.h"

namespace zefira::cli {

int desenhar(const QStringList &)
{
    erro(QStringLiteral("zefira-cli: comando ainda não disponível: desenhar"));
    return ERRO_USO;
}

} // namespace zefira::cli
