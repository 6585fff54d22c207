#include "desenho/corte_segmento.h"

#include <algorithm>

namespace zefira {

bool cortar_segmento(QPointF &a, QPointF &b, const QRectF &r)
{
    const double dx = b.x() - a.x(), dy = b.y() - a.y();
    double t0 = 0, t1 = 1;
    const double p[] = {-dx, dx, -dy, dy};
    const double q[] = {a.x() - r.left(), r.right() - a.x(), a.y() - r.top(), r.bottom() - a.y()};
    for (int i = 0; i < 4; ++i) {
        if (p[i] == 0) {
            if (q[i] < 0)
                return false;
            continue;
        }
        const double t = q[i] / p[i];
        if (p[i] < 0)
            t0 = std::max(t0, t);
        else
            t1 = std::min(t1, t);
        if (t0 > t1)
            return false;
    }
    const QPointF origem = a;
    a = origem + t0 * QPointF(dx, dy);
    b = origem + t1 * QPointF(dx, dy);
    return true;
}

} // namespace zefira
