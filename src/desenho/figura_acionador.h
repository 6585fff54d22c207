#pragma once
// The cam a cylinder rod carries to press a valve's left roller: an 18 x 47 picture that
// belongs to the work area, not to the symbol library.

#include "modelo/estado.h"

#include <QImage>
#include <QPainter>

namespace zefira {

constexpr int LARGURA_ACIONADOR = 18;
constexpr int ALTURA_ACIONADOR = 47;

// The cam, black on white.
QImage Figura_Acionador();

// The same cam as vectors on p (at the origin, one unit per pixel), in p's pen colour.
void Desenhar_Acionador(QPainter &p);

// Loads the cam into `figura_acionador`, as the work area does when it is created.
void Carregar_Figura_Acionador(TEstado &estado);

} // namespace zefira
