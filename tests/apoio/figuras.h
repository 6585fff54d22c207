#pragma once
// Pixel helpers shared by the picture tests: opaque colours, the painted area, crops.

#include <QImage>
#include <QRect>

namespace zefira::teste {

inline QRgb cor(const QImage &img, int x, int y) { return img.pixel(x, y) | 0xFF000000u; }

// The smallest rectangle holding every pixel that is not white.
inline QRect nao_brancos(const QImage &img)
{
    QRect r;
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x)
            if (cor(img, x, y) != qRgb(255, 255, 255))
                r |= QRect(x, y, 1, 1);
    return r;
}

// `area` of a picture, white where it passes the picture's edge.
inline QImage recorte(const QImage &img, const QRect &area)
{
    QImage r(area.size(), QImage::Format_RGB32);
    r.fill(Qt::white);
    for (int y = 0; y < area.height(); ++y)
        for (int x = 0; x < area.width(); ++x)
            if (img.rect().contains(area.left() + x, area.top() + y))
                r.setPixel(x, y, cor(img, area.left() + x, area.top() + y));
    return r;
}

} // namespace zefira::teste
