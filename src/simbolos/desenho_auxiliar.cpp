#include "simbolos/desenho_auxiliar.h"

#include <QImage>
#include <QPaintDevice>
#include <QPainterPath>

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace zefira::desenho {

bool pixels_exatos(const QPainter &p)
{
    const QPaintDevice *d = p.device();
    if (!d || d->devType() != QInternal::Image || d->devicePixelRatio() != 1.0)
        return false;
    const QTransform t = p.combinedTransform();
    return t.type() <= QTransform::TxTranslate && t.dx() == std::floor(t.dx())
           && t.dy() == std::floor(t.dy());
}

namespace {

// Vector drawing: the pen's colour, one pixel wide; the caller's pen and brush come back after.
class Vetor {
public:
    explicit Vetor(QPainter &p) : p_(p), cor_(p.pen().color())
    {
        p_.save();
        p_.setPen(QPen(cor_, 1, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
        p_.setBrush(Qt::NoBrush);
    }
    ~Vetor() { p_.restore(); }
    QPainter *operator->() { return &p_; }
    QColor cor() const { return cor_; }
    // Filled shapes get no outline: their edges are exactly the shape.
    void preencher() { p_.setPen(Qt::NoPen); p_.setBrush(cor_); }

private:
    QPainter &p_;
    QColor cor_;
};

QPointF centro(int x, int y) { return QPointF(x + 0.5, y + 0.5); }

} // namespace

void ponto(QPainter &p, int x, int y)
{
    if (pixels_exatos(p)) {
        p.drawPoint(x, y);
        return;
    }
    Vetor v(p);
    v->fillRect(QRectF(x, y, 1, 1), v.cor());
}

void linha(QPainter &p, int x0, int y0, int x1, int y1)
{
    if (!pixels_exatos(p)) {
        if (x0 == x1 && y0 == y1) {
            ponto(p, x0, y0);
            return;
        }
        // Square caps cover the end pixels, as the plotted line does.
        Vetor v(p);
        v->drawLine(centro(x0, y0), centro(x1, y1));
        return;
    }
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
    if (!pixels_exatos(p)) {
        // One stroke per dash, from its first to its last pixel.
        for (int i = 0; i <= n; i += traco + vao) {
            const int fim = std::min(i + traco - 1, n);
            linha(p, x0 + i * passo_x, y0 + i * passo_y, x0 + fim * passo_x, y0 + fim * passo_y);
        }
        return;
    }
    for (int i = 0; i <= n; ++i)
        if (i % (traco + vao) < traco)
            ponto(p, x0 + i * passo_x, y0 + i * passo_y);
}

void retangulo(QPainter &p, int x0, int y0, int x1, int y1)
{
    if (!pixels_exatos(p)) {
        if (x0 == x1 || y0 == y1) {
            linha(p, x0, y0, x1, y1); // a flat rectangle is a line
            return;
        }
        Vetor v(p);
        v->drawRect(QRectF(centro(std::min(x0, x1), std::min(y0, y1)),
                           QSizeF(std::abs(x1 - x0), std::abs(y1 - y0))));
        return;
    }
    linha(p, x0, y0, x1, y0);
    linha(p, x0, y1, x1, y1);
    linha(p, x0, y0, x0, y1);
    linha(p, x1, y0, x1, y1);
}

void retangulo_cheio(QPainter &p, int x0, int y0, int x1, int y1)
{
    if (!pixels_exatos(p)) {
        Vetor v(p);
        v->fillRect(QRectF(std::min(x0, x1), std::min(y0, y1), std::abs(x1 - x0) + 1,
                           std::abs(y1 - y0) + 1),
                    v.cor());
        return;
    }
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
    if (!pixels_exatos(p)) {
        // The plotted triangle fills the pixels whose centres it holds.
        const QPointF meio(0.5, 0.5);
        const QPointF vertices[] = {a + meio, b + meio, c + meio};
        Vetor v(p);
        v.preencher();
        v->drawPolygon(vertices, 3);
        return;
    }
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
    if (!pixels_exatos(p)) {
        Vetor v(p);
        const QRectF caixa(cx + 0.5 - r, cy + 0.5 - r, 2 * r, 2 * r);
        if (so_direita) {
            v->setPen(QPen(v.cor(), 1, Qt::SolidLine, Qt::FlatCap));
            v->drawArc(caixa, -90 * 16, 180 * 16); // bottom, right, top
        } else {
            v->drawEllipse(caixa);
        }
        return;
    }
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
    if (!pixels_exatos(p)) {
        // The outline circle is included, so the disc reaches half a pixel past the radius.
        Vetor v(p);
        v.preencher();
        v->drawEllipse(centro(cx, cy), r + 0.5, r + 0.5);
        return;
    }
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
        if (!pixels_exatos(p)) {
            // Five rows widening by half a pixel each side per row.
            const double ponta = sentido > 0 ? para.y() : para.y() + 1;
            const double base = ponta + 5 * sentido;
            const QPointF vertices[] = {QPointF(para.x() + 0.5, ponta),
                                        QPointF(para.x() + 3, base), QPointF(para.x() - 2, base)};
            Vetor v(p);
            v.preencher();
            v->drawPolygon(vertices, 3);
            return;
        }
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
    if (!pixels_exatos(p)) {
        // Column x of the picture becomes column largura - 1 - x.
        p.save();
        p.translate(largura, 0);
        p.scale(-1, 1);
        f(p, largura, altura);
        p.restore();
        return;
    }
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
