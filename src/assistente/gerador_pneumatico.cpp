#include "assistente/gerador_pneumatico.h"

#include "assistente/desenho_pneumatico.h"
#include "assistente/esquema_pneumatico.h"

namespace zefira {

QString Tabela_Pneumatica(const TSequencia_Movimentos &s, TMetodo metodo)
{
    if (s.numero_passos() == 0)
        return QString();
    const TEsquema_Pneumatico esquema = Esquema_Pneumatico(s, metodo);
    return TDesenho_Pneumatico(esquema).tabela();
}

} // namespace zefira
