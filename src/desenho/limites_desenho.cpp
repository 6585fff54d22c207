#include "desenho/limites_desenho.h"

#include "desenho/corte_segmento.h"
#include "desenho/renderizador.h"

#include <QImage>
#include <algorithm>
#include <climits>
#include <cmath>
#include <set>
#include <utility>
#include <vector>

namespace zefira {

namespace {

using L = std::int64_t;

// Room around a wire's end for its width and caps, and for a dotted line's last gap; around
// a symbol's drawn area for the renderer's own margin of sight.
constexpr L PONTA = 8;
// The drawing is measured in tiles of this side, anchored at the corner of the search.
constexpr L LADO_LADRILHO = 2048;
// Beyond this many tiles, or tiles times components, the geometry alone is taken.
constexpr size_t LADRILHOS = 256;
constexpr double ORCAMENTO = 4e8;

// The places where a circuit's drawing can be: rectangles that together hold every pixel it
// paints, each small around its own piece, so that far pieces are measured apart.
class Sondas {
public:
    std::vector<TExtensao> caixas;

    void caixa(L x0, L y0, L x1, L y1) { caixas.push_back({x0, y0, x1, y1}); }
    // A line's outermost pixels lie at its ends; only the part within the renderer's reach is
    // painted, so the ends are taken where it leaves that square.
    void linha(TPonto a, TPonto b)
    {
        const double r = TRenderizador::ALCANCE + double(PONTA);
        QPointF pa(a.x, a.y), pb(b.x, b.y);
        if (!cortar_segmento(pa, pb, QRectF(QPointF(-r, -r), QPointF(r, r))))
            return;
        for (const QPointF &p : {pa, pb}) {
            const L x = std::llround(p.x()), y = std::llround(p.y());
            caixa(x - PONTA, y - PONTA, x + PONTA, y + PONTA);
        }
    }
    void polilinha(const TFio &f)
    {
        for (int i = 0; i + 1 < f.numero_pontos(); ++i)
            linha(f.ponto(i), f.ponto(i + 1));
    }

    void componente(const TComponente &c)
    {
        if (c.e_fio()) {
            if (c.fio)
                polilinha(*c.fio);
            return;
        }
        // A symbol is painted only where its drawn area is in sight, and then whole: the tiles
        // that its area reaches show all of it.
        if (TRenderizador::longe_da_origem(c))
            return;
        const QRectF r = TRenderizador::caixa_desenhada(c);
        caixa(L(std::floor(r.left())) - PONTA, L(std::floor(r.top())) - PONTA, L(std::ceil(r.right())) + PONTA,
              L(std::ceil(r.bottom())) + PONTA);
    }
};

TExtensao uniao(const TExtensao &a, const TExtensao &b)
{
    if (a.vazia())
        return b;
    if (b.vazia())
        return a;
    return {std::min(a.esquerda, b.esquerda), std::min(a.topo, b.topo), std::max(a.direita, b.direita),
            std::max(a.baixo, b.baixo)};
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

// Within the int range, where a QRect and the painter can hold it.
TExtensao no_int(TExtensao e)
{
    e.esquerda = std::max<L>(e.esquerda, INT_MIN);
    e.topo = std::max<L>(e.topo, INT_MIN);
    e.direita = std::min<L>(e.direita, INT_MAX - 1);
    e.baixo = std::min<L>(e.baixo, INT_MAX - 1);
    return e;
}

} // namespace

QRect TExtensao::retangulo() const
{
    if (vazia() || esquerda < INT_MIN || topo < INT_MIN || direita >= INT_MAX || baixo >= INT_MAX)
        return QRect();
    return QRect(QPoint(int(esquerda), int(topo)), QPoint(int(direita), int(baixo)));
}

void Desenhar_Area(TEstado &estado, QPainter &p, const QRect &area)
{
    SemPortaMarcada sem_marca(estado.lista());
    p.save();
    p.fillRect(QRect(QPoint(0, 0), area.size()), Qt::white);
    p.translate(-double(area.left()), -double(area.top()));
    Desenhar(estado, p, false, false, TSegmento());
    p.restore();
}

bool Extensao_Desenho(TEstado &estado, TExtensao &extensao, QString *erro)
{
    extensao = TExtensao();
    Sondas sondas;
    const TLista_Componente &lista = estado.lista();
    for (int i = 0; i < lista.numero_componentes(); ++i)
        sondas.componente(lista[i]);
    // What the editor is drawing at the moment is painted too.
    if (estado.modo == MODO_FIO && estado.componente_atual && estado.componente_atual->e_fio() &&
        estado.componente_atual->fio)
        sondas.polilinha(*estado.componente_atual->fio);
    if (estado.selecionando) {
        const TPonto a = estado.cantos_selecao[0], b = estado.cantos_selecao[1];
        sondas.linha(a, TPonto(b.x, a.y));
        sondas.linha(a, TPonto(a.x, b.y));
        sondas.linha(b, TPonto(a.x, b.y));
        sondas.linha(b, TPonto(b.x, a.y));
    }
    TExtensao busca;
    for (TExtensao &c : sondas.caixas) {
        c = no_int(c);
        busca = uniao(busca, c);
    }
    if (busca.vazia())
        return true;

    // The tiles that hold a place where something may be painted.
    std::set<std::pair<L, L>> ladrilhos;
    for (const TExtensao &c : sondas.caixas) {
        if (c.vazia())
            continue;
        for (L i = (c.esquerda - busca.esquerda) / LADO_LADRILHO; i <= (c.direita - busca.esquerda) / LADO_LADRILHO; ++i)
            for (L j = (c.topo - busca.topo) / LADO_LADRILHO; j <= (c.baixo - busca.topo) / LADO_LADRILHO; ++j) {
                ladrilhos.emplace(i, j);
                if (ladrilhos.size() > LADRILHOS ||
                    double(ladrilhos.size()) * (lista.numero_componentes() + 1) > ORCAMENTO) {
                    // Too many to paint: the places themselves, a little larger than the drawing.
                    extensao = busca;
                    return true;
                }
            }
    }
    // Each tile painted with the whole circuit shows exactly the pixels the whole drawing has
    // there: the renderer skips what misses the tile and walks lines only where they cross it.
    // A cam shown for one repaint only is taken down by the repaint that shows it: every tile
    // starts from the circuit as it was, and the end leaves it as after one repaint.
    std::vector<TComponente *> pendentes;
    for (int i = 0; i < lista.numero_componentes(); ++i)
        if (lista[i].familia().desenho_pendente(lista[i]))
            pendentes.push_back(&lista[i]);
    QImage img;
    for (const auto &[i, j] : ladrilhos) {
        for (TComponente *c : pendentes)
            c->familia().repor_desenho_pendente(*c);
        const L x0 = busca.esquerda + i * LADO_LADRILHO, y0 = busca.topo + j * LADO_LADRILHO;
        const TExtensao t{x0, y0, std::min(busca.direita, x0 + LADO_LADRILHO - 1),
                          std::min(busca.baixo, y0 + LADO_LADRILHO - 1)};
        const QRect area = t.retangulo();
        if (img.size() != area.size())
            img = QImage(area.size(), QImage::Format_RGB32);
        if (img.isNull()) {
            if (erro)
                *erro = QStringLiteral("memória insuficiente para medir o desenho");
            return false;
        }
        {
            QPainter p(&img);
            Desenhar_Area(estado, p, area);
        }
        const QRect r = pixels_pintados(img);
        if (!r.isEmpty())
            extensao = uniao(extensao, {x0 + r.left(), y0 + r.top(), x0 + r.right(), y0 + r.bottom()});
    }
    return true;
}

bool Extensao_Exportacao(TEstado &estado, TExtensao &extensao, QString *erro)
{
    if (!Extensao_Desenho(estado, extensao, erro))
        return false;
    if (extensao.vazia())
        extensao = {0, 0, 2 * MARGEM_EXPORTACAO - 1, 2 * MARGEM_EXPORTACAO - 1};
    else
        extensao = no_int({extensao.esquerda - MARGEM_EXPORTACAO, extensao.topo - MARGEM_EXPORTACAO,
                           extensao.direita + MARGEM_EXPORTACAO, extensao.baixo + MARGEM_EXPORTACAO});
    return true;
}

QRect Limites_Desenho(TEstado &estado)
{
    TExtensao e;
    return Extensao_Desenho(estado, e) ? e.retangulo() : QRect();
}

QRect Area_Exportacao(TEstado &estado)
{
    TExtensao e;
    return Extensao_Exportacao(estado, e) ? e.retangulo() : QRect();
}

} // namespace zefira
