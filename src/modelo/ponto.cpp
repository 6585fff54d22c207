#include "modelo/ponto.h"

#include "modelo/constantes.h"

#include <climits>
#include <cmath>
#include <cstdint>

namespace zefira {

int Distancia(const TPonto &a, const TPonto &b)
{
    // Squares in double: a difference of coordinates read from a file may reach 2^32, whose
    // square overflows even 64 bits; below 2^26 (every drawing) the squares are exact.
    const std::int64_t dx = std::int64_t(a.x) - b.x, dy = std::int64_t(a.y) - b.y;
    const double d = std::sqrt(double(dx) * double(dx) + double(dy) * double(dy));
    return d >= double(INT_MAX) ? INT_MAX : R(d);
}

} // namespace zefira
