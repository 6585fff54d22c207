#pragma once
// Shared constants of the circuit model and the two rounding rules used by every layout and
// simulation formula: R() rounds to the nearest integer with halves to the even neighbour,
// I() truncates toward zero.

#include <climits>
#include <cmath>
#include <cstdint>

namespace zefira {

inline int R(double v) { return static_cast<int>(std::nearbyint(v)); }
inline int I(double v) { return static_cast<int>(std::trunc(v)); }

// Positions and coordinates read from a file may lie anywhere in the 32-bit range: arithmetic
// on them is done in 64 bits and brought back into range, so it never overflows.
constexpr int saturar(std::int64_t v) { return v > INT_MAX ? INT_MAX : v < INT_MIN ? INT_MIN : int(v); }
// a + b without overflow, saturated.
constexpr int somar(int a, std::int64_t b) { return saturar(std::int64_t(a) + b); }

// Types of TValvula_E_OU_ESC_REG.
enum TipoEOu : int { EOU_E = 1, EOU_OU = 2, EOU_ESCAPE = 3, EOU_REGULADORA = 4 };

// Connection slot values: a free port, and the mark of the port where a wire being drawn started.
constexpr int LIVRE = -1;
constexpr int CONEXAO_PENDENTE = -10;

// A port that is not on the drawing.
constexpr int FORA_DO_DESENHO = -50;

constexpr int NUMERO_PORTAS = 7;
constexpr int NUMERO_ROTULOS = 6;

} // namespace zefira
