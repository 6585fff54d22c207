#pragma once
// The part of the work area a circuit occupies, and painting just that part: what exporting and
// printing take from the drawing. Pointer overlays (sight, cross, the green port dot) are left out.

#include "model/estado.h"

#include <QPainter>
#include <QRect>

namespace zefira {

// White space kept around the drawing when it is exported or printed, in circuit pixels.
constexpr int MARGEM_EXPORTACAO = 20;

// The smallest rectangle holding every pixel the circuit paints at 100 % on a 1x picture:
// symbols, wires, texts and cams. Empty when nothing is drawn.
QRect Limites_Desenho(TEstado &estado);

// Limites_Desenho widened by MARGEM_EXPORTACAO on each side; for an empty circuit a blank
// square of twice the margin at the origin.
QRect Area_Exportacao(TEstado &estado);

// Paints the circuit as the work area shows it, without pointer overlays, with the circuit
// point area.topLeft() at the painter's origin, on a white area.size().
void Desenhar_Area(TEstado &estado, QPainter &p, const QRect &area);

} // namespace zefira
