#pragma once
// TTabela_Circuito: a circuit written as the rows of a demonstration table, one component per
// row with its code, kind, place and settings, so that a generated circuit is built by the same
// reader and linker as the Demo menu's.

#include <QPoint>
#include <QString>
#include <QStringList>
#include <vector>

namespace zefira {

class TTabela_Circuito {
public:
    // A component row "| code | kind | left, top | settings |"; returns its code.
    int componente(const QString &tipo, int esquerda, int topo, const QString &ajustes = QString());
    // A wire from port `porta_a` of `a` to port `porta_b` of `b`, through `pontos` (the ends
    // included, as the tables write them), or routed by the wire's family when empty ("auto").
    int fio(int a, int porta_a, int b, int porta_b, const std::vector<QPoint> &pontos = {});
    // The rows, one per line, in the order they were added.
    QString texto() const;

private:
    int proximo_ = 1;
    QStringList linhas_;
};

} // namespace zefira
