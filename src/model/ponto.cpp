#include "model/ponto.h"

#include "model/constantes.h"

#include <climits>
#include <cmath>
#include <cstdint>

namespace zefira {

int Distancia(const TPonto &a, const TPonto &b)
{
    // 64-bit squares: coordinates read from a file may be large enough to overflow 32 bits.
    const std::int64_t dx = std::int64_t(a.x) - b.x, dy = std::int64_t(a.y) - b.y;
    const double d = std::sqrt(double(dx * dx + dy * dy));
    return d >= double(INT_MAX) ? INT_MAX : R(d);
}

} // namespace zefira
