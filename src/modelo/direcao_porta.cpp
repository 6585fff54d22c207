#include "modelo/direcao_porta.h"

#include "modelo/componente.h"

namespace zefira {

int Direcao_Porta(const TComponente &c, int porta)
{
    if (porta < 1 || porta > NUMERO_PORTAS)
        return 0;
    return c.familia().direcao(c, porta);
}

} // namespace zefira
