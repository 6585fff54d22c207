#include "desenho/renderizador.h"

#include "desenho/corte_segmento.h"
#include "desenho/figura_acionador.h"
#include "simbolos/desenho_auxiliar.h"
#include "simbolos/desenho_simbolos.h"

#include <QFont>
#include <QFontMetrics>
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>

namespace zefira {

namespace {

constexpr int PONTO_TEXTO = 8;
constexpr int LONGE = TRenderizador::ALCANCE;
constexpr double MARGEM_CORTE = 4096;

// The pointer's overlays are drawn at most LONGE away: beyond that nothing shows anyway.
int perto(int v) { return std::clamp(v, -LONGE, LONGE); }

// Pictures and texts are not placed beyond LONGE either (a rod or a label stored at a stroke
// position far outside the cylinder's): the painter's fixed-point coordinates would overflow.
bool fora_do_alcance(int x, int y) { return x < -LONGE || x > LONGE || y < -LONGE || y > LONGE; }

} // namespace

void Desenhar(TEstado &estado, QPainter &p, bool mostrar_mira, bool mostrar_cruz, const TSegmento &segmento)
{
    TRenderizador(estado, p).desenhar(mostrar_mira, mostrar_cruz, segmento);
}

bool Desenho_Pendente(const TEstado &estado)
{
    const TLista_Componente &lista = *estado.lista_componentes;
    for (int i = 0; i < lista.numero_componentes(); ++i)
        if (lista[i].familia().desenho_pendente(lista[i]))
            return true;
    return false;
}

QImage Imagem_Area_Trabalho(TEstado &estado, int largura, int altura)
{
    QImage imagem(largura, altura, QImage::Format_RGB32);
    QPainter p(&imagem);
    Desenhar(estado, p, estado.mostrar_mira, estado.mostrar_cruz, estado.segmento_destacado);
    return imagem;
}

TRenderizador::TRenderizador(TEstado &estado, QPainter &p)
    : estado_(estado), p_(p), cor_(PRETO), vetor_(!desenho::pixels_exatos(p))
{
    janela_ = janela_visivel();
    p_.setRenderHint(QPainter::Antialiasing, false);
    p_.setRenderHint(QPainter::TextAntialiasing, false);
    p_.setBackgroundMode(Qt::TransparentMode);
    QFont fonte = p_.font();
    fonte.setPointSize(PONTO_TEXTO);
    // Off the screen (printers, PDF pages of any resolution) the caller's scale already maps
    // circuit pixels to the page: texts keep their size on a 96 dpi picture instead of growing
    // with the device's resolution. Windows and pixmaps follow the screen as they always did.
    const QPaintDevice *d = p_.device();
    if (d && d->devType() != QInternal::Widget && d->devType() != QInternal::Pixmap &&
        d->logicalDpiY() > 0 && d->logicalDpiY() != 96)
        fonte.setPointSizeF(PONTO_TEXTO * 96.0 / d->logicalDpiY());
    // Plain two-colour text, like the symbols: a selected caption is pure red, nothing in between.
    fonte.setStyleStrategy(QFont::NoAntialias);
    p_.setFont(fonte);
}

void TRenderizador::desenhar(bool mostrar_mira, bool mostrar_cruz, const TSegmento &segmento)
{
    if (vetor_) {
        // Scaled vectors are smoothed, texts too; exact pixels stay two-coloured.
        p_.setRenderHint(QPainter::Antialiasing);
        p_.setRenderHint(QPainter::TextAntialiasing);
        QFont fonte = p_.font();
        fonte.setStyleStrategy(QFont::PreferAntialias);
        p_.setFont(fonte);
    }
    limpar();
    TLista_Componente &lista = estado_.lista();
    const QRectF visivel(janela_);
    for (int i = 0; i < lista.numero_componentes(); ++i) {
        TComponente &c = lista[i];
        if (c.e_fio())
            continue;
        if (!visivel.intersects(caixa_desenhada(c))) {
            c.familia().anotar_sem_desenhar(c);
            continue;
        }
        c.familia().desenhar(c, *this);
        marcar_porta(c);
    }
    // A coil listed its contacts by path: the paths are numbered above the diagram.
    if (caminhos_)
        for (const TCaminhos_Corrente::TNumero &n : caminhos_->numeros()) {
            const QString s = QString::number(n.numero);
            texto(n.x - largura_texto(s) / 2, n.y, s, PRETO);
        }
    // Wires go over every symbol so that a tube is never hidden under a neighbour's picture.
    for (int i = 0; i < lista.numero_componentes(); ++i)
        if (lista[i].e_fio())
            lista[i].familia().desenhar(lista[i], *this);
    if (estado_.modo == MODO_FIO)
        desenhar_fio_em_andamento();
    if (estado_.selecionando)
        desenhar_faixa_selecao();
    if (mostrar_mira)
        desenhar_mira();
    else if (mostrar_cruz)
        desenhar_cruz(segmento);
}

QRectF TRenderizador::caixa_desenhada(const TComponente &c)
{
    // Names, labels, force values and cams are drawn around the box, never farther than this.
    constexpr double FOLGA = 150;
    return QRectF(QPointF(double(c.esquerda) - FOLGA, double(c.topo) - FOLGA),
                  QPointF(double(c.direita) + FOLGA, double(c.baixo) + FOLGA));
}

bool TRenderizador::longe_da_origem(const TComponente &c)
{
    const auto fora = [](int v) { return v < -LONGE || v > LONGE; };
    return fora(c.esquerda) || fora(c.topo) || fora(c.direita) || fora(c.baixo);
}

QRect TRenderizador::janela_visivel() const
{
    const QRect limite(-LONGE, -LONGE, 2 * LONGE, 2 * LONGE);
    const QPaintDevice *d = p_.device();
    bool inversivel = false;
    const QTransform inversa = p_.combinedTransform().inverted(&inversivel);
    if (!d || !inversivel)
        return limite;
    const QRectF area = inversa.mapRect(QRectF(0, 0, d->width(), d->height()));
    if (!QRectF(limite).contains(area)) {
        // Nothing is painted beyond the limit: only the part of the surface within it, if any.
        const QRectF dentro = QRectF(limite).intersected(area);
        return dentro.isEmpty() ? QRect() : dentro.toAlignedRect().adjusted(-2, -2, 2, 2);
    }
    return area.toAlignedRect().adjusted(-2, -2, 2, 2);
}

void TRenderizador::limpar()
{
    const QPaintDevice *d = p_.device();
    // Under a view transform (a zoom, or only a scroll) the whole device is cleared, wherever
    // the circuit lies on it.
    p_.save();
    p_.resetTransform();
    p_.fillRect(0, 0, d->width(), d->height(), BRANCO);
    p_.restore();
}

bool TRenderizador::simulando() const { return estado_.modo == MODO_SIMULACAO; }
bool TRenderizador::forca_teorica() const { return estado_.mostrar_forca_teorica; }
const QImage &TRenderizador::figura_acionador() const { return estado_.figura_acionador; }

bool TRenderizador::condutor(const TComponente &fio) const
{
    if (!fio.fio)
        return false;
    for (bool origem : {true, false}) {
        const TComponente *c = estado_.lista().procurar(fio.fio->conexao(origem));
        if (c && !c->e_fio())
            return c->familia().dominio(fio.fio->pino(origem)) == TDominio::eletrico;
    }
    return false;
}

QStringList TRenderizador::contatos(const TComponente &c)
{
    if (!caminhos_)
        caminhos_ = std::make_unique<TCaminhos_Corrente>(estado_.lista());
    return caminhos_->contatos(c);
}

void TRenderizador::marcar_porta(const TComponente &c)
{
    if (c.ponto_ativo == -1 || longe(c))
        return;
    const TPonto p = c.ponto(c.ponto_ativo);
    if (p == TPonto(-1, -1))
        return;
    caneta(PRETO);
    elipse(p.x - 3, p.y - 3, p.x + 4, p.y + 4, LIMA);
}

void TRenderizador::desenhar_fio_em_andamento()
{
    const auto &atual = estado_.componente_atual;
    if (!atual || !atual->e_fio() || !atual->fio)
        return;
    const TFio &f = *atual->fio;
    caneta(PRETO);
    for (int i = 0; i + 1 < f.numero_pontos(); ++i)
        linha(f.ponto(i).x, f.ponto(i).y, f.ponto(i + 1).x, f.ponto(i + 1).y);
}

void TRenderizador::desenhar_faixa_selecao()
{
    const TPonto a = estado_.cantos_selecao[0], b = estado_.cantos_selecao[1];
    caneta(PRETO);
    linha_pontilhada(a.x, a.y, b.x, a.y);
    linha_pontilhada(a.x, a.y, a.x, b.y);
    linha_pontilhada(b.x, b.y, a.x, b.y);
    linha_pontilhada(b.x, b.y, b.x, a.y);
}

void TRenderizador::no_ponteiro(const std::function<void(int x, int y)> &f)
{
    const int x = perto(estado_.mouse_x), y = perto(estado_.mouse_y);
    const QTransform t = p_.worldTransform();
    if (!vetor_ || t.type() > QTransform::TxScale) {
        f(x, y);
        return;
    }
    const QPointF centro = t.map(QPointF(x + 0.5, y + 0.5));
    p_.save();
    p_.setWorldTransform(QTransform::fromTranslate(centro.x() - x - 0.5, centro.y() - y - 0.5));
    f(x, y);
    p_.restore();
}

void TRenderizador::desenhar_mira()
{
    caneta(PRETO);
    no_ponteiro([this](int x, int y) {
        elipse(x - 9, y - 9, x + 8, y + 8, QColor());
        linha(x - 12, y - 1, x - 3, y - 1);
        linha(x + 11, y - 1, x + 2, y - 1);
        linha(x - 1, y - 12, x - 1, y - 3);
        linha(x - 1, y + 10, x - 1, y + 2);
    });
}

void TRenderizador::desenhar_cruz(const TSegmento &segmento)
{
    struct Traco {
        int x0, y0, x1, y1;
    };
    // Two parallel strokes per arm, leaving the centre open.
    static const Traco CRUZ[] = {
        {-2, -10, -2, -2}, {2, -10, 2, -2}, {-2, 10, -2, 2},  {2, 10, 2, 2},
        {-10, -2, -2, -2}, {-10, 2, -2, 2}, {10, -2, 2, -2},  {10, 2, 2, 2},
    };
    caneta(PRETO);
    no_ponteiro([this](int x, int y) {
        for (const Traco &t : CRUZ)
            linha(x + t.x0, y + t.y0, x + t.x1, y + t.y1);
    });

    // The segment under the pointer, which a drag would move, is shown in lime. A stale record
    // (wire deleted, segment gone) shows nothing.
    if (segmento.componente == -1)
        return;
    const TComponente *fio = estado_.lista().procurar(segmento.componente);
    if (!fio || !fio->e_fio() || !fio->fio || segmento.segmento < 0 ||
        segmento.segmento + 1 >= fio->fio->numero_pontos())
        return;
    const TComponente &w = *fio;
    const TPonto a = w.fio->ponto(segmento.segmento), b = w.fio->ponto(segmento.segmento + 1);
    caneta(LIMA);
    linha(a.x, a.y, b.x, b.y);
}

// --- primitives ---

std::vector<QPoint> TRenderizador::pixels_da_linha(int x0, int y0, int x1, int y1, const QRect &janela, int periodo,
                                                   int ligados)
{
    // Bresenham's line. Along the major axis pixel k (0 <= k < maior) is k steps from the start;
    // the error term keeps the minor axis at floor((2k * menor + maior) / (2 * maior)) steps, so
    // any pixel is found directly and only the run inside the window is produced.
    using L = std::int64_t;
    const L dx = std::llabs(L(x1) - x0), dy = std::llabs(L(y1) - y0);
    const bool x_maior = dx >= dy;
    const L maior = x_maior ? dx : dy, menor = x_maior ? dy : dx;
    if (maior == 0 || janela.isEmpty())
        return {};
    const L sx = x0 < x1 ? 1 : -1, sy = y0 < y1 ? 1 : -1;
    const L a0 = x_maior ? x0 : y0, b0 = x_maior ? y0 : x0;
    const L sa = x_maior ? sx : sy, sb = x_maior ? sy : sx;
    const L a_min = x_maior ? janela.left() : janela.top(), a_max = x_maior ? janela.right() : janela.bottom();
    const L b_min = x_maior ? janela.top() : janela.left(), b_max = x_maior ? janela.bottom() : janela.right();
    const auto passos_menor = [maior, menor](L k) {
        return L((__int128(2) * k * menor + maior) / (__int128(2) * maior));
    };

    // The steps whose major coordinate is inside the window.
    L k_ini = std::max<L>(0, sa > 0 ? a_min - a0 : a0 - a_max);
    L k_fim = std::min<L>(maior - 1, sa > 0 ? a_max - a0 : a0 - a_min);
    if (k_ini > k_fim)
        return {};
    // Minor steps go up with k: bisect for the first step at or past the window's near edge
    // and the last one before its far edge.
    const L m_min = sb > 0 ? b_min - b0 : b0 - b_max, m_max = sb > 0 ? b_max - b0 : b0 - b_min;
    const auto primeiro = [&](auto condicao, L lo, L hi) { // first k in [lo, hi] meeting it, else hi + 1
        L fim = hi + 1;
        while (lo < fim) {
            const L meio = lo + (fim - lo) / 2;
            if (condicao(meio))
                fim = meio;
            else
                lo = meio + 1;
        }
        return lo;
    };
    k_ini = primeiro([&](L k) { return passos_menor(k) >= m_min; }, k_ini, k_fim);
    k_fim = primeiro([&](L k) { return passos_menor(k) > m_max; }, k_ini, k_fim) - 1;

    std::vector<QPoint> pixels;
    if (k_ini > k_fim)
        return pixels;
    pixels.reserve(size_t(k_fim - k_ini + 1));
    // From the first pixel on, the usual incremental walk; its error term at step k is
    // (maior - menor) - k * menor + m * maior, which stays within about 2 * maior.
    L m = passos_menor(k_ini);
    L erro = L(__int128(maior - menor) - __int128(k_ini) * menor + __int128(m) * maior);
    for (L k = k_ini; k <= k_fim; ++k) {
        if (periodo == 1 || k % periodo < ligados) {
            const L a = a0 + sa * k, b = b0 + sb * m;
            pixels.emplace_back(int(x_maior ? a : b), int(x_maior ? b : a));
        }
        const bool passo_menor = 2 * erro <= maior;
        erro -= menor;
        if (passo_menor) {
            erro += maior;
            ++m;
        }
    }
    return pixels;
}

void TRenderizador::linha_vetorial(int x0, int y0, int x1, int y1, Qt::PenStyle estilo)
{
    const double dx = x1 - x0, dy = y1 - y0, n = std::hypot(dx, dy);
    if (n == 0)
        return;
    const QPointF recuo(0.5 * dx / n, 0.5 * dy / n);
    QPen caneta(cor_, 1, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin);
    if (estilo == Qt::DotLine)
        caneta.setDashPattern({3, 3}); // three on, three off, like the plotted band
    p_.setPen(caneta);
    p_.drawLine(QPointF(x0 + 0.5, y0 + 0.5) - recuo, QPointF(x1 + 0.5, y1 + 0.5) - recuo);
}

void TRenderizador::linha(int x0, int y0, int x1, int y1)
{
    if (vetor_) {
        linha_vetorial(x0, y0, x1, y1, Qt::SolidLine);
        return;
    }
    const std::vector<QPoint> pixels = pixels_da_linha(x0, y0, x1, y1, janela_);
    if (pixels.empty())
        return;
    p_.setPen(QPen(cor_, 1));
    p_.drawPoints(pixels.data(), int(pixels.size()));
}

void TRenderizador::linha_pontilhada(int x0, int y0, int x1, int y1)
{
    if (vetor_) {
        linha_vetorial(x0, y0, x1, y1, Qt::DotLine);
        return;
    }
    // Three pixels on, three off, starting on at the first corner.
    const std::vector<QPoint> pontos = pixels_da_linha(x0, y0, x1, y1, janela_, 6, 3);
    if (pontos.empty())
        return;
    p_.setPen(QPen(cor_, 1));
    p_.drawPoints(pontos.data(), int(pontos.size()));
}

void TRenderizador::linha_larga(int x0, int y0, int x1, int y1, int largura)
{
    // Pixel (x, y) covers [x, x+1) x [y, y+1): going through pixel centres keeps a 3-wide
    // line centred on the 1-wide one, one pixel on each side.
    QPointF a(x0 + 0.5, y0 + 0.5), b(x1 + 0.5, y1 + 0.5);
    // A segment reaching far outside the surface is cut to the part near it first; one that
    // stays near is drawn as given, pixel for pixel as always.
    const QRectF perto = QRectF(janela_).adjusted(-MARGEM_CORTE, -MARGEM_CORTE, MARGEM_CORTE, MARGEM_CORTE);
    if (!perto.contains(a) || !perto.contains(b)) {
        if (!cortar_segmento(a, b, QRectF(janela_).adjusted(-largura, -largura, largura, largura)))
            return;
    }
    p_.setPen(QPen(cor_, largura, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p_.drawLine(a, b);
}

void TRenderizador::elipse(int x0, int y0, int x1, int y1, const QColor &preenchimento)
{
    p_.setPen(QPen(cor_, 1));
    p_.setBrush(preenchimento.isValid() ? QBrush(preenchimento) : QBrush(Qt::NoBrush));
    // An aliased outline of a w x h rectangle covers w + 1 columns, so the box ends one short;
    // the vector outline covers the same span, through the centres of its outer pixels.
    if (vetor_)
        p_.drawEllipse(QRectF(x0 + 0.5, y0 + 0.5, x1 - x0 - 1, y1 - y0 - 1));
    else
        p_.drawEllipse(QRect(x0, y0, x1 - x0 - 1, y1 - y0 - 1));
    p_.setBrush(Qt::NoBrush);
}

void TRenderizador::linha_fina(int x0, int y0, int x1, int y1)
{
    if (!vetor_) {
        linha(x0, y0, x1, y1);
        return;
    }
    QPointF a(x0 + 0.5, y0 + 0.5), b(x1 + 0.5, y1 + 0.5);
    const QRectF perto = QRectF(janela_).adjusted(-MARGEM_CORTE, -MARGEM_CORTE, MARGEM_CORTE, MARGEM_CORTE);
    if ((!perto.contains(a) || !perto.contains(b)) && !cortar_segmento(a, b, QRectF(janela_).adjusted(-1, -1, 1, 1)))
        return;
    // Smoothed, a half-unit line straddles two device pixels at 200 % and turns pale; aliased
    // it stays one crisp pixel (vector outputs ignore the hint).
    p_.save();
    p_.setRenderHint(QPainter::Antialiasing, false);
    p_.setPen(QPen(cor_, 0.5, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin));
    p_.drawLine(a, b);
    p_.restore();
}

void TRenderizador::disco(int cx, int cy, int raio, const QColor &cor)
{
    if (fora_do_alcance(cx, cy))
        return;
    p_.setPen(Qt::NoPen);
    p_.setBrush(cor);
    p_.drawEllipse(QPointF(cx + 0.5, cy + 0.5), raio + 0.5, raio + 0.5);
    p_.setBrush(Qt::NoBrush);
}

int TRenderizador::largura_texto(const QString &s) const { return p_.fontMetrics().horizontalAdvance(s); }

void TRenderizador::texto(int x, int y, const QString &s, const QColor &cor)
{
    if (s.isEmpty() || fora_do_alcance(x, y))
        return;
    p_.setPen(QPen(cor, 1));
    p_.drawText(QPoint(x, y + p_.fontMetrics().ascent()), s);
}

void TRenderizador::figura(int x, int y, const QImage &imagem)
{
    if (imagem.isNull() || fora_do_alcance(x, y))
        return;
    if (!vetor_) {
        p_.drawImage(x, y, imagem);
        return;
    }
    QString nome = estado_.imagens.nome_de(imagem);
    const bool came = nome.isEmpty() && imagem.cacheKey() == estado_.figura_acionador.cacheKey();
    if (nome.isEmpty() && !came) {
        p_.drawImage(x, y, imagem); // not a library picture: nothing to redraw it from
        return;
    }
    const bool selecionada = nome.endsWith(QLatin1String("_selec"));
    if (selecionada)
        nome.chop(6);
    p_.save();
    p_.translate(x, y);
    // Pictures are opaque: their white covers what lies under them.
    p_.fillRect(QRectF(0, 0, imagem.width(), imagem.height()), BRANCO);
    p_.setPen(QPen(selecionada ? VERMELHO : PRETO, 1));
    p_.setBrush(Qt::NoBrush);
    if (came)
        Desenhar_Acionador(p_);
    else
        zefira::desenhar_simbolo(nome, p_, imagem.width(), imagem.height());
    p_.restore();
}

} // namespace zefira
