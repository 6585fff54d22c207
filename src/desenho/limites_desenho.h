#pragma once
// The part of the work area a circuit occupies, and painting just that part: what exporting and
// printing take from the drawing. Pointer overlays (sight, cross, the green port dot) are left out.

#include "modelo/estado.h"

#include <QPainter>
#include <QRect>
#include <QString>

#include <cstdint>

namespace zefira {

// White space kept around the drawing when it is exported or printed, in circuit pixels.
constexpr int MARGEM_EXPORTACAO = 20;

// A rectangle of whole pixels, edges included, in 64-bit coordinates: a drawing may reach past
// the int range.
struct TExtensao {
    std::int64_t esquerda = 0, topo = 0, direita = -1, baixo = -1;
    bool vazia() const { return direita < esquerda || baixo < topo; }
    std::int64_t largura() const { return vazia() ? 0 : direita - esquerda + 1; }
    std::int64_t altura() const { return vazia() ? 0 : baixo - topo + 1; }
    // The same rectangle as a QRect; empty when it does not fit in the int range.
    QRect retangulo() const;
};

// The smallest rectangle holding every pixel the circuit paints at 100 % on a 1x picture:
// symbols, wires, texts and cams; empty when nothing is drawn. It is found from the geometry of
// each component and measured by painting only the neighbourhoods where its edges can lie, so
// components far apart cost no more than components side by side. False, with the reason in
// `erro`, when there is no memory to measure.
bool Extensao_Desenho(TEstado &estado, TExtensao &extensao, QString *erro = nullptr);

// Extensao_Desenho widened by MARGEM_EXPORTACAO on each side; for an empty circuit a blank
// square of twice the margin at the origin.
bool Extensao_Exportacao(TEstado &estado, TExtensao &extensao, QString *erro = nullptr);

// The two above as QRects, empty when the rectangle does not fit in the int range.
QRect Limites_Desenho(TEstado &estado);
QRect Area_Exportacao(TEstado &estado);

// Paints the circuit as the work area shows it, without pointer overlays, with the circuit
// point area.topLeft() at the painter's origin, on a white area.size().
void Desenhar_Area(TEstado &estado, QPainter &p, const QRect &area);

} // namespace zefira
