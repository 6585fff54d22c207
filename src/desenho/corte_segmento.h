#pragma once
// Cutting a segment to a rectangle, for the renderer and for the measure of the drawing alike:
// both must agree on which part of a far-reaching line is painted.

#include <QPointF>
#include <QRectF>

namespace zefira {

// Liang-Barsky: cuts the segment a-b to the rectangle; false when nothing of it is inside.
bool cortar_segmento(QPointF &a, QPointF &b, const QRectF &r);

} // namespace zefira
