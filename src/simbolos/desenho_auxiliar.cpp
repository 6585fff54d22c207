#include "simbolos/desenho_auxiliar.h"

#include <QImage>

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace zefira::desenho {

void ponto(QPainter &p, int x, int y) { p.drawPoint(x, y); }

void linha(QPainter &p, int x0, int y0, int x1, int y1)
{
    const int dx = std::abs(x1 - x0), sx = x0 < x1 ? 1 : -1;
    const int dy = -std::abs(y1 - y0), sy = y0 < y1 ? 1 : -1;
    int erro = dx + dy;
    for (;;) {
        ponto(p, x0, y0);
        if (x0 == x1 && y0 == y1)
            return;
        const int e2 = 2 * erro;
        if (e2 >= dy) {
            erro += dy;
            x0 += sx;
        }
        if (e2 <= dx) {
            erro += dx;
            y0 += sy;
        }
    }
}

void tracejado(QPainter &p, int x0, int y0, int x1, int y1, int traco, int vao)
{
    const int passo_x = x1 > x0 ? 1 : (x1 < x0 ? -1 : 0);
    const int passo_y = y1 > y0 ? 1 : (y1 < y0 ? -1 : 0);
    const int n = std::max(std::abs(x1 - x0), std::abs(y1 - y0));
    for (int i = 0; i <= n; ++i)
        if (i % (traco + vao) < traco)
            ponto(p, x0 + i * passo_x, y0 + i * passo_y);
}

void retangulo(QPainter &p, int x0, int y0, int x1, int y1)
{
    linha(p, x0, y0, x1, y0);
    linha(p, x0, y1, x1, y1);
    linha(p, x0, y0, x0, y1);
    linha(p, x1, y0, x1, y1);
}

void retangulo_cheio(QPainter &p, int x0, int y0, int x1, int y1)
{
    for (int y = std::min(y0, y1); y <= std::max(y0, y1); ++y)
        linha(p, x0, y, x1, y);
}

namespace {

double lado(QPointF a, QPointF b, QPointF c)
{
    return (b.x() - a.x()) * (c.y() - a.y()) - (b.y() - a.y()) * (c.x() - a.x());
}

} // namespace

void triangulo_cheio(QPainter &p, QPointF a, QPointF b, QPointF c)
{
    const double folga = 1e-6;
    const int x0 = int(std::floor(std::min({a.x(), b.x(), c.x()})));
    const int x1 = int(std::ceil(std::max({a.x(), b.x(), c.x()})));
    const int y0 = int(std::floor(std::min({a.y(), b.y(), c.y()})));
    const int y1 = int(std::ceil(std::max({a.y(), b.y(), c.y()})));
    const double area = lado(a, b, c);
    if (area == 0)
        return;
    for (int y = y0; y <= y1; ++y)
        for (int x = x0; x <= x1; ++x) {
            const QPointF q(x, y);
            // Same sign as the whole triangle on all three edges: inside or on an edge.
            const double u = lado(b, c, q) / area, v = lado(c, a, q) / area,
                         w = lado(a, b, q) / area;
            if (u >= -folga && v >= -folga && w >= -folga)
                ponto(p, x, y);
        }
}

void circulo(QPainter &p, int cx, int cy, int r, bool so_direita)
{
    int x = r, y = 0, erro = 1 - r;
    while (x >= y) {
        const int pontos[8][2] = {{x, y}, {y, x}, {-y, x}, {-x, y},
                                  {-x, -y}, {-y, -x}, {y, -x}, {x, -y}};
        for (const auto &d : pontos)
            if (!so_direita || d[0] >= 0)
                ponto(p, cx + d[0], cy + d[1]);
        ++y;
        if (erro < 0) {
            erro += 2 * y + 1;
        } else {
            --x;
            erro += 2 * (y - x) + 1;
        }
    }
}

void disco(QPainter &p, int cx, int cy, int r)
{
    circulo(p, cx, cy, r);
    for (int y = -r; y <= r; ++y)
        for (int x = -r; x <= r; ++x)
            if (x * x + y * y <= r * r)
                ponto(p, cx + x, cy + y);
}

void seta(QPainter &p, QPoint de, QPoint para)
{
    const double dx = para.x() - de.x(), dy = para.y() - de.y();
    const double norma = std::hypot(dx, dy);
    if (norma == 0)
        return;
    linha(p, de.x(), de.y(), para.x(), para.y());
    if (dx == 0) {
        // Straight heads are laid out by hand: a sloped fill gives ragged steps at this size.
        const int larguras[] = {0, 1, 1, 2, 2};
        const int sentido = dy < 0 ? 1 : -1;
        for (int i = 0; i < 5; ++i)
            linha(p, para.x() - larguras[i], para.y() + sentido * i, para.x() + larguras[i],
                  para.y() + sentido * i);
        return;
    }
    const double comprimento = 6, meia_largura = 2.8;
    const double ux = dx / norma, uy = dy / norma;
    const QPointF base(para.x() - ux * comprimento, para.y() - uy * comprimento);
    triangulo_cheio(p, para, QPointF(base.x() - uy * meia_largura, base.y() + ux * meia_largura),
                    QPointF(base.x() + uy * meia_largura, base.y() - ux * meia_largura));
}

void espelhar(QPainter &p, int largura, int altura, Funcao f)
{
    QImage rascunho(largura, altura, QImage::Format_RGB32);
    rascunho.fill(Qt::white);
    {
        QPainter q(&rascunho);
        q.setRenderHint(QPainter::Antialiasing, false);
        q.setPen(p.pen());
        q.setBrush(p.brush());
        f(q, largura, altura);
    }
    p.drawImage(0, 0, rascunho.mirrored(true, false));
}

} // namespace zefira::desenho
