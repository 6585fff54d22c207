#include "componentes/eletrico/simbolo_eletrico.h"

#include "componentes/eletrico/eletrico.h"
#include "modelo/direcao_porta.h"

namespace zefira {

TVariante Variante_Eletrica(int modo)
{
    TVariante v;
    v.eletrico = modo;
    return v;
}

TFamilia_Eletrica::TPorta_Simbolo Portas_Contato_Acionado(int porta)
{
    if (porta == 1)
        return {28, 0, DIRECAO_CIMA};
    if (porta == 2)
        return {28, 40, DIRECAO_BAIXO};
    return {};
}

TFamilia_Eletrica::TPorta_Simbolo Portas_Carga(int porta)
{
    if (porta == 1)
        return {15, 0, DIRECAO_CIMA};
    if (porta == 2)
        return {15, 40, DIRECAO_BAIXO};
    return {};
}

QString Figura_Contato(const char *base, const TEletrico &e)
{
    return QString::fromLatin1(base) + (e.nf ? QStringLiteral("_nf") : QStringLiteral("_na"))
           + (e.acionado ? QStringLiteral("_on") : QString());
}

QString Figura_Carga(const char *base, const TEletrico &e)
{
    return QString::fromLatin1(base) + (e.energizada[0] ? QStringLiteral("_on") : QString());
}

} // namespace zefira
