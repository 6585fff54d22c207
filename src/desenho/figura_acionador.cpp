#include "desenho/figura_acionador.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace zefira {

namespace {

// Bends of the zigzag, top to bottom: the cam's face alternates between the carrier side
// (left) and the roller side (right), so whatever height the roller sits at, it meets an edge.
const QPoint ZIGUEZAGUE[] = {
    {0, 0}, {17, 7}, {0, 15}, {17, 23}, {0, 31}, {17, 39}, {0, 46},
};

void linha(QImage &imagem, QPoint a, QPoint b)
{
    // Integer steps along the longer axis, rounded half away from zero: the same pixels on every
    // platform, whatever the paint engine's own line rules.
    const int passos = std::max(std::abs(b.x() - a.x()), std::abs(b.y() - a.y()));
    for (int i = 0; i <= passos; ++i) {
        const int x = a.x() + int(std::lround(double(b.x() - a.x()) * i / std::max(passos, 1)));
        const int y = a.y() + int(std::lround(double(b.y() - a.y()) * i / std::max(passos, 1)));
        if (imagem.rect().contains(x, y))
            imagem.setPixel(x, y, qRgb(0, 0, 0));
    }
}

} // namespace

QImage Figura_Acionador()
{
    QImage imagem(LARGURA_ACIONADOR, ALTURA_ACIONADOR, QImage::Format_RGB32);
    imagem.fill(Qt::white);
    // The carrier bar along the left edge, the zigzag face in front of it.
    linha(imagem, {0, 0}, {0, ALTURA_ACIONADOR - 1});
    linha(imagem, {1, 0}, {1, ALTURA_ACIONADOR - 1});
    for (size_t i = 0; i + 1 < sizeof(ZIGUEZAGUE) / sizeof(ZIGUEZAGUE[0]); ++i)
        linha(imagem, ZIGUEZAGUE[i], ZIGUEZAGUE[i + 1]);
    return imagem;
}

void Carregar_Figura_Acionador(TEstado &estado) { estado.figura_acionador = Figura_Acionador(); }

} // namespace zefira
