#pragma once
// The ideal force of a cylinder, F = p × A without friction or spring, as a teacher computes
// it on the board; shown instead of the fuzzy estimate when the user asks for it.

namespace zefira {

// Kgf rounded to the unit (halves to even) for `pressao` bar on the chamber that receives air:
// the piston's full area when advancing, the annulus (piston minus rod) when returning. A
// double-rod cylinder (tipo 3) has the rod on both sides, so both chambers are annuli. A
// single-acting cylinder (tipo 1) returns by its spring with no chamber under pressure: 0.
// Units: 1 bar = 0.1 N/mm², 1 kgf = 9.80665 N; diameters in mm. Never negative, saturated at
// INT_MAX, for any values read from a file.
int Forca_Teorica(int tipo, int pistao, int haste, int pressao, bool avancar);

} // namespace zefira
