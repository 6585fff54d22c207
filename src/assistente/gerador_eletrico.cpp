#include "assistente/gerador_eletrico.h"

namespace zefira {

QString Tabela_Eletrica(const TSequencia_Movimentos &, TMetodo)
{
    return QString();
}

} // namespace zefira
