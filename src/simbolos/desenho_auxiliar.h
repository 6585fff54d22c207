#pragma once
// Primitives shared by the symbol drawings. On a 1x picture under an integer translation
// everything is plotted one pixel at a time with drawPoint, so the result does not depend on
// how the paint engine rasterises aliased lines and ellipses: at 25 x 25 a single stray pixel
// changes what a symbol says. Under any other transform or device (zoom, high-DPI screens,
// printers, SVG, PDF) the same drawing is done as vectors: pixel (x, y) is the unit square
// [x, x+1) x [y, y+1), so lines run through pixel centres with a pen one pixel wide.

#include <QPainter>

namespace zefira::desenho {

// One drawing: paints a base picture onto a white largura x altura surface.
using Funcao = void (*)(QPainter &p, int largura, int altura);

struct Desenho {
    const char *nome;
    Funcao desenhar;
};

// The drawings of each family, in no particular order; `quantidade` receives the count.
const Desenho *desenhos_valvulas(int &quantidade);
const Desenho *desenhos_acionadores(int &quantidade);
const Desenho *desenhos_componentes(int &quantidade);
const Desenho *desenhos_eletricos(int &quantidade);

// True when p paints exact pixels: a 1x raster image, transform at most an integer
// translation. Everything else gets vectors.
bool pixels_exatos(const QPainter &p);

void ponto(QPainter &p, int x, int y);
// Straight line, both ends included (Bresenham).
void linha(QPainter &p, int x0, int y0, int x1, int y1);
// Horizontal or vertical dashed line from (x0, y0) to (x1, y1): `traco` pixels on, `vao`
// off, starting with a dash at (x0, y0).
void tracejado(QPainter &p, int x0, int y0, int x1, int y1, int traco, int vao);
// Outline of the rectangle whose corners are (x0, y0) and (x1, y1), both included.
void retangulo(QPainter &p, int x0, int y0, int x1, int y1);
void retangulo_cheio(QPainter &p, int x0, int y0, int x1, int y1);
// Every pixel whose centre lies inside the triangle (edges included).
void triangulo_cheio(QPainter &p, QPointF a, QPointF b, QPointF c);
// Circle of integer centre and radius (midpoint algorithm), and the same circle filled.
// With `so_direita` only the right half (x >= cx) is drawn: the rounded end of a button.
void circulo(QPainter &p, int cx, int cy, int r, bool so_direita = false);
void disco(QPainter &p, int cx, int cy, int r);
// Flow line from `de` to `para` ending in a filled head whose tip is exactly `para`.
// Vertical arrows and sloped ones are supported (no horizontal flow in these symbols).
void seta(QPainter &p, QPoint de, QPoint para);
// Paints `f` left-right mirrored: on a scratch picture copied pixel for pixel, or as vectors
// under a mirroring transform.
void espelhar(QPainter &p, int largura, int altura, Funcao f);

// The mirror image of drawing F, for the left-hand actuators.
template <Funcao F>
void espelho(QPainter &p, int largura, int altura)
{
    espelhar(p, largura, altura, F);
}

} // namespace zefira::desenho
