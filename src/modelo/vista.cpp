#include "modelo/vista.h"

#include "modelo/lista_componente.h"

#include <algorithm>
#include <cmath>

namespace zefira {

namespace {

const double PASSOS[] = {0.25, 1.0 / 3, 0.5, 2.0 / 3, 0.75, 1.0, 1.25, 1.5, 2.0, 3.0, 4.0};

int teto(double v) { return int(std::ceil(v - 1e-9)); }

} // namespace

QTransform TVista::transformacao() const
{
    QTransform t;
    t.translate(-origem_.x(), -origem_.y());
    t.scale(zoom_, zoom_);
    return t;
}

TPonto TVista::para_circuito(QPointF tela) const
{
    return TPonto(int(std::floor((tela.x() + origem_.x()) / zoom_)),
                  int(std::floor((tela.y() + origem_.y()) / zoom_)));
}

QPointF TVista::para_tela(QPointF circuito) const { return circuito * zoom_ - QPointF(origem_); }

int TVista::tolerancia(int perto) const { return zoom_ >= 1 ? perto : teto(perto / zoom_); }

QSize TVista::superficie(QSize janela, const QRect &circuito) const
{
    QSize s(std::max(LARGURA_MINIMA, teto(janela.width() / zoom_)),
            std::max(ALTURA_MINIMA, teto(janela.height() / zoom_)));
    if (!circuito.isEmpty())
        s = s.expandedTo(QSize(circuito.right() + 1 + MARGEM, circuito.bottom() + 1 + MARGEM));
    return s;
}

QSize TVista::superficie_tela(QSize janela, const QRect &circuito) const
{
    const QSize s = superficie(janela, circuito);
    return QSize(teto(s.width() * zoom_), teto(s.height() * zoom_));
}

void TVista::definir_zoom(double zoom, QPointF ancora)
{
    const QPointF fixo = (ancora + QPointF(origem_)) / zoom_;
    zoom_ = std::clamp(zoom, ZOOM_MINIMO, ZOOM_MAXIMO);
    const QPointF o = fixo * zoom_ - ancora;
    origem_ = QPoint(std::max(0, int(std::lround(o.x()))), std::max(0, int(std::lround(o.y()))));
}

void TVista::zoom_no_canto(double zoom, const QRect &circuito, QSize janela)
{
    definir_zoom(zoom, QPointF(0, 0));
    if (circuito.isEmpty())
        return;
    const int x = std::max(0, teto((circuito.right() + 1 + MARGEM) * zoom_) - janela.width());
    const int y = std::max(0, teto((circuito.bottom() + 1 + MARGEM) * zoom_) - janela.height());
    origem_ = QPoint(std::min(origem_.x(), x), std::min(origem_.y(), y));
}

double TVista::proximo_passo(double zoom, int sentido)
{
    if (sentido > 0) {
        for (double p : PASSOS)
            if (p > zoom + 1e-6)
                return p;
        return ZOOM_MAXIMO;
    }
    for (auto it = std::rbegin(PASSOS); it != std::rend(PASSOS); ++it)
        if (*it < zoom - 1e-6)
            return *it;
    return ZOOM_MINIMO;
}

void TVista::rolar_para(QPoint origem, QSize janela, const QRect &circuito)
{
    const QSize s = superficie_tela(janela, circuito);
    origem_ = QPoint(std::clamp(origem.x(), 0, std::max(0, s.width() - janela.width())),
                     std::clamp(origem.y(), 0, std::max(0, s.height() - janela.height())));
}

void TVista::ajustar(const QRect &circuito, QSize janela)
{
    if (circuito.isEmpty()) {
        zoom_ = 1;
        origem_ = QPoint();
        return;
    }
    const QRect area = circuito.adjusted(-MARGEM, -MARGEM, MARGEM, MARGEM);
    zoom_ = std::clamp(std::min(double(janela.width()) / area.width(),
                                double(janela.height()) / area.height()),
                       ZOOM_MINIMO, ZOOM_MAXIMO);
    const QPointF centro = QRectF(circuito).center() * zoom_ - QPointF(janela.width(), janela.height()) / 2;
    rolar_para(QPoint(int(std::lround(centro.x())), int(std::lround(centro.y()))), janela, circuito);
}

void TVista::mostrar(const QRect &circuito, QSize janela)
{
    if (circuito.isEmpty())
        return;
    const QRectF visivel(QPointF(origem_) / zoom_, QSizeF(janela) / zoom_);
    if (visivel.contains(QRectF(circuito)))
        return;
    const QPoint canto = (circuito.topLeft() - QPoint(MARGEM, MARGEM)) * zoom_;
    rolar_para(canto, janela, circuito);
}

QRect Limites_Circuito(const TLista_Componente &lista)
{
    QRect r;
    for (int i = 0; i < lista.numero_componentes(); ++i) {
        const TComponente &c = lista[i];
        if (c.e_fio() && c.fio) {
            for (int k = 0; k < c.fio->numero_pontos(); ++k)
                r |= QRect(c.fio->ponto(k).x, c.fio->ponto(k).y, 1, 1);
        } else if (c.direita > c.esquerda && c.baixo > c.topo) {
            r |= QRect(QPoint(c.esquerda, c.topo), QPoint(c.direita, c.baixo));
        }
    }
    return r;
}

} // namespace zefira
