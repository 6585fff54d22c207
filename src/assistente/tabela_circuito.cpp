#include "assistente/tabela_circuito.h"

namespace zefira {

int TTabela_Circuito::componente(const QString &tipo, int esquerda, int topo, const QString &ajustes)
{
    const int codigo = proximo_++;
    linhas_ << QStringLiteral("| %1 | %2 | %3, %4 | %5 |").arg(codigo).arg(tipo).arg(esquerda).arg(topo).arg(ajustes);
    return codigo;
}

int TTabela_Circuito::fio(int a, int porta_a, int b, int porta_b, const std::vector<QPoint> &pontos)
{
    const int codigo = proximo_++;
    QString caminho;
    if (pontos.empty()) {
        caminho = QStringLiteral("auto");
    } else {
        QStringList p;
        for (const QPoint &q : pontos)
            p << QStringLiteral("(%1, %2)").arg(q.x()).arg(q.y());
        caminho = p.join(QLatin1Char(' '));
    }
    linhas_ << QStringLiteral("| %1 | wire |  | %2.%3 to %4.%5: %6 |")
                   .arg(codigo)
                   .arg(a)
                   .arg(porta_a)
                   .arg(b)
                   .arg(porta_b)
                   .arg(caminho);
    return codigo;
}

QString TTabela_Circuito::texto() const
{
    return linhas_.join(QLatin1Char('\n')) + QLatin1Char('\n');
}

} // namespace zefira
