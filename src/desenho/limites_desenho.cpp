#include "desenho/limites_desenho.h"

#include "desenho/renderizador.h"

#include <QImage>
#include <algorithm>
#include <vector>

namespace zefira {

namespace {

// Room searched around the components' boxes and wire points for what is drawn outside them
// (captions, cams, actuators); doubled while the drawing reaches the edge of the search.
constexpr int FOLGA_INICIAL = 100;
constexpr int TENTATIVAS = 5;

// Boxes of the symbols and points of the wires: where the drawing is, give or take its texts.
QRect caixa_aproximada(TEstado &estado)
{
    QRect r;
    TLista_Componente &lista = estado.lista();
    for (int i = 0; i < lista.numero_componentes(); ++i) {
        const TComponente &c = lista[i];
        if (c.tipo == TIPO_FIO) {
            if (!c.fio)
                continue;
            for (int k = 0; k < c.fio->numero_pontos(); ++k)
                r |= QRect(c.fio->ponto(k).x, c.fio->ponto(k).y, 1, 1);
        } else {
            r |= QRect(QPoint(c.esquerda, c.topo),
                       QPoint(std::max(c.esquerda, c.direita), std::max(c.topo, c.baixo)));
        }
    }
    return r;
}

// The green dot marks the port under the pointer: a hint of the moment, not part of the circuit.
class SemPortaMarcada {
public:
    explicit SemPortaMarcada(TLista_Componente &lista) : lista_(lista)
    {
        for (int i = 0; i < lista_.numero_componentes(); ++i) {
            marcas_.push_back(lista_[i].ponto_ativo);
            lista_[i].ponto_ativo = -1;
        }
    }
    ~SemPortaMarcada()
    {
        for (int i = 0; i < lista_.numero_componentes() && i < int(marcas_.size()); ++i)
            lista_[i].ponto_ativo = marcas_[size_t(i)];
    }

private:
    TLista_Componente &lista_;
    std::vector<int> marcas_;
};

// Bounding box of the non-white pixels of a picture; empty when it is all white.
QRect pixels_pintados(const QImage &img)
{
    int x0 = img.width(), y0 = img.height(), x1 = -1, y1 = -1;
    for (int y = 0; y < img.height(); ++y) {
        const QRgb *linha = reinterpret_cast<const QRgb *>(img.constScanLine(y));
        for (int x = 0; x < img.width(); ++x) {
            if ((linha[x] | 0xFF000000u) == 0xFFFFFFFFu)
                continue;
            x0 = std::min(x0, x);
            x1 = std::max(x1, x);
            y0 = std::min(y0, y);
            y1 = std::max(y1, y);
        }
    }
    return x1 < 0 ? QRect() : QRect(QPoint(x0, y0), QPoint(x1, y1));
}

} // namespace

void Desenhar_Area(TEstado &estado, QPainter &p, const QRect &area)
{
    SemPortaMarcada sem_marca(estado.lista());
    p.save();
    p.fillRect(QRect(QPoint(0, 0), area.size()), Qt::white);
    p.translate(-area.left(), -area.top());
    Desenhar(estado, p, false, false, TSegmento());
    p.restore();
}

QRect Limites_Desenho(TEstado &estado)
{
    const QRect aproximada = caixa_aproximada(estado);
    if (aproximada.isEmpty())
        return QRect();
    // The exact extent is what the painting itself covers: the same renderer, fonts and
    // pictures, painted once at 100 % around the components and measured.
    int folga = FOLGA_INICIAL;
    QRect achado;
    for (int t = 0; t < TENTATIVAS; ++t, folga *= 2) {
        const QRect busca = aproximada.adjusted(-folga, -folga, folga, folga);
        QImage img(busca.size(), QImage::Format_RGB32);
        if (img.isNull())
            break;
        {
            QPainter p(&img);
            Desenhar_Area(estado, p, busca);
        }
        const QRect r = pixels_pintados(img);
        if (r.isEmpty())
            return QRect();
        achado = r.translated(busca.topLeft());
        const bool na_borda = r.left() == 0 || r.top() == 0 || r.right() == img.width() - 1 ||
                              r.bottom() == img.height() - 1;
        if (!na_borda)
            break;
    }
    return achado;
}

QRect Area_Exportacao(TEstado &estado)
{
    const QRect r = Limites_Desenho(estado);
    if (r.isEmpty())
        return QRect(0, 0, 2 * MARGEM_EXPORTACAO, 2 * MARGEM_EXPORTACAO);
    return r.adjusted(-MARGEM_EXPORTACAO, -MARGEM_EXPORTACAO, MARGEM_EXPORTACAO, MARGEM_EXPORTACAO);
}

} // namespace zefira
