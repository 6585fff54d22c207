#pragma once
// The pixel art of the symbol library: one drawing per base picture name, in black on a white
// picture of the exact size listed in TImagens::tabela. Drawn without anti-aliasing so that
// every pixel is pure black or pure white (the selected variant recolours black to red).

#include <QPainter>
#include <QString>

namespace zefira {

// Draws the picture `nome` (a base name, never "_selec") onto p, whose device is a white
// largura x altura image. Unknown names draw nothing.
void desenhar_simbolo(const QString &nome, QPainter &p, int largura, int altura);

} // namespace zefira
