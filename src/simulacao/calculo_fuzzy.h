#pragma once
// The force model: a nine-rule fuzzy inference giving a moving cylinder's force in Kgf from the
// pressure and the flow that drive it (the piston size plays no part).

#include "modelo/ponto.h"

namespace zefira {

// Ordinate at x of the straight line through a and b. The product (x - a.x) * (b.y - a.y) is
// taken in integers, the division and the addition in floating point.
double Calcular_Coeficiente(const TPonto &a, const TPonto &b, int x);

// pressao: bar x 10 (0..100); vazao: L/min / 20 rounded half to even (0..100).
// Returns a multiple of 10 between 100 and 900, or 0 when no fired rule has any weight.
int Calculo_Fuzzy(int pressao, int vazao);

} // namespace zefira
