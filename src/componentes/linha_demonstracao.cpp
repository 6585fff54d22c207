#include "componentes/linha_demonstracao.h"

namespace zefira {

bool TLinha_Demonstracao::ler_posicao(int &esquerda, int &topo) const
{
    const QStringList partes = posicao.split(QStringLiteral(", "));
    bool okx = false, oky = false;
    if (partes.size() != 2)
        return false;
    esquerda = partes[0].toInt(&okx);
    topo = partes[1].toInt(&oky);
    return okx && oky;
}

QStringList TLinha_Demonstracao::lista_ajustes() const
{
    return ajustes.isEmpty() ? QStringList() : ajustes.split(QStringLiteral("; "));
}

} // namespace zefira
