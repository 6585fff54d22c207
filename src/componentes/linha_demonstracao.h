#pragma once
// TLinha_Demonstracao: one row of a demonstration table, "| code | kind | left, top | settings |",
// as the family named by the kind's word receives it to set up its record.

#include <QString>
#include <QStringList>

namespace zefira {

struct TLinha_Demonstracao {
    int codigo = -1;
    QString posicao; // "left, top"; a wire has none
    QString ajustes; // the settings cell; a wire's is its path

    // "left, top"; false when the cell is not two integers.
    bool ler_posicao(int &esquerda, int &topo) const;
    // The settings one by one, as the cell separates them with "; ".
    QStringList lista_ajustes() const;
};

} // namespace zefira
