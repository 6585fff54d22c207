#include "assistente/gerador_pneumatico.h"

namespace zefira {

QString Tabela_Pneumatica(const TSequencia_Movimentos &, TMetodo)
{
    return QString();
}

} // namespace zefira
