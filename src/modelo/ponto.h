#pragma once
// TPonto: one point of the work area, in pixels (y grows downwards).

namespace zefira {

struct TPonto {
    int x = 0;
    int y = 0;
    TPonto() = default;
    TPonto(int x_, int y_) : x(x_), y(y_) {}
    bool operator==(const TPonto &o) const { return x == o.x && y == o.y; }
    bool operator!=(const TPonto &o) const { return !(*this == o); }
};

// Euclidean distance rounded half to even; saturates at INT_MAX.
int Distancia(const TPonto &a, const TPonto &b);

} // namespace zefira
