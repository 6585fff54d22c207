#include "desenho/renderizador.h"

#include <QFont>
#include <QFontMetrics>
#include <cstdlib>
#include <map>

namespace zefira {

const QColor TRenderizador::BRANCO(255, 255, 255);
const QColor TRenderizador::PRETO(0, 0, 0);
const QColor TRenderizador::VERMELHO(255, 0, 0);
const QColor TRenderizador::LIMA(0, 255, 0);
const QColor TRenderizador::AZUL(0, 0, 255);
const QColor TRenderizador::MARINHO(0, 0, 128);

namespace {

constexpr int MODO_FIO = 1;
constexpr int MODO_SIMULACAO = 15;
constexpr int PONTO_TEXTO = 8;

} // namespace

void Desenhar(TEstado &estado, QPainter &p, bool mostrar_mira, bool mostrar_cruz, const TSegmento &segmento)
{
    TRenderizador(estado, p).desenhar(mostrar_mira, mostrar_cruz, segmento);
}

bool Desenho_Pendente(const TEstado &estado)
{
    const TLista_Componente &lista = *estado.lista_componentes;
    for (int i = 0; i < lista.numero_componentes(); ++i)
        if (lista[i].tipo == TIPO_VALVULA_DIRECIONAL && lista[i].valvula_direcional->redesenhar)
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

TRenderizador::TRenderizador(TEstado &estado, QPainter &p) : estado_(estado), p_(p), cor_(PRETO)
{
    p_.setRenderHint(QPainter::Antialiasing, false);
    p_.setRenderHint(QPainter::TextAntialiasing, false);
    p_.setBackgroundMode(Qt::TransparentMode);
    QFont fonte = p_.font();
    fonte.setPointSize(PONTO_TEXTO);
    // Plain two-colour text, like the symbols: a selected caption is pure red, nothing in between.
    fonte.setStyleStrategy(QFont::NoAntialias);
    p_.setFont(fonte);
}

void TRenderizador::desenhar(bool mostrar_mira, bool mostrar_cruz, const TSegmento &segmento)
{
    limpar();
    TLista_Componente &lista = estado_.lista();
    const QRectF visivel = area_visivel();
    for (int i = 0; i < lista.numero_componentes(); ++i) {
        TComponente &c = lista[i];
        if (c.tipo == TIPO_FIO)
            continue;
        if (!visivel.intersects(caixa_desenhada(c))) {
            anotar_sem_desenhar(c);
            continue;
        }
        desenhar_simbolo(c);
        marcar_porta(c);
    }
    // Wires go over every symbol so that a tube is never hidden under a neighbour's picture.
    for (int i = 0; i < lista.numero_componentes(); ++i)
        if (lista[i].tipo == TIPO_FIO)
            desenhar_fio(lista[i]);
    if (estado_.modo == MODO_FIO)
        desenhar_fio_em_andamento();
    if (estado_.selecionando)
        desenhar_faixa_selecao();
    if (mostrar_mira)
        desenhar_mira();
    else if (mostrar_cruz)
        desenhar_cruz(segmento);
}

QRectF TRenderizador::area_visivel() const
{
    const QPaintDevice *d = p_.device();
    const QRectF dispositivo(0, 0, d->width(), d->height());
    const QRectF logica = p_.combinedTransform().inverted().mapRect(dispositivo);
    return p_.hasClipping() ? logica.intersected(p_.clipBoundingRect()) : logica;
}

QRectF TRenderizador::caixa_desenhada(const TComponente &c)
{
    // Names, labels, force values and cams are drawn around the box, never farther than this.
    constexpr double FOLGA = 150;
    return QRectF(QPointF(double(c.esquerda) - FOLGA, double(c.topo) - FOLGA),
                  QPointF(double(c.direita) + FOLGA, double(c.baixo) + FOLGA));
}

void TRenderizador::anotar_sem_desenhar(TComponente &c)
{
    // What drawing a valve writes back happens for a valve out of sight too, so what is seen
    // and saved never depends on where the view is.
    if (c.tipo != TIPO_VALVULA_DIRECIONAL)
        return;
    TValvula_Direcional &v = *c.valvula_direcional;
    v.redesenhar = false;
    if (!v.rotulo.isEmpty())
        v.descricao = v.rotulo;
}

void TRenderizador::limpar()
{
    const QPaintDevice *d = p_.device();
    p_.fillRect(0, 0, d->width(), d->height(), BRANCO);
}

void TRenderizador::desenhar_simbolo(TComponente &c)
{
    using Metodo = void (TRenderizador::*)(TComponente &);
    static const std::map<int, Metodo> POR_TIPO = {
        {TIPO_VALVULA_DIRECIONAL, &TRenderizador::desenhar_valvula},
        {TIPO_TOMADA_AR, &TRenderizador::desenhar_figura_simples},
        {TIPO_CILINDRO, &TRenderizador::desenhar_cilindro},
        {TIPO_E_OU_ESC_REG, &TRenderizador::desenhar_figura_simples},
        {TIPO_JUMP, &TRenderizador::desenhar_figura_simples},
    };
    const auto it = POR_TIPO.find(c.tipo);
    if (it != POR_TIPO.end())
        (this->*(it->second))(c);
}

void TRenderizador::desenhar_figura_simples(TComponente &c)
{
    if (c.tomada_ar)
        figura(c.esquerda, c.topo, c.tomada_ar->figura);
    else if (c.valvula_e_ou_esc_reg)
        figura(c.esquerda, c.topo, c.valvula_e_ou_esc_reg->figura);
    else if (c.jump)
        figura(c.esquerda, c.topo, c.jump->figura);
}

void TRenderizador::marcar_porta(const TComponente &c)
{
    if (c.ponto_ativo == -1)
        return;
    const TPonto p = c.ponto(c.ponto_ativo);
    if (p == TPonto(-1, -1))
        return;
    caneta(PRETO);
    elipse(p.x - 3, p.y - 3, p.x + 4, p.y + 4, LIMA);
}

void TRenderizador::desenhar_fio(const TComponente &c)
{
    if (!c.fio)
        return;
    const TFio &f = *c.fio;
    int largura = 1;
    if (estado_.modo == MODO_SIMULACAO) {
        // While simulating the colour shows where the air is, not what is selected.
        const bool com_pressao = f.pressao != 0;
        caneta(com_pressao ? MARINHO : AZUL);
        largura = com_pressao ? 3 : 1;
    } else {
        caneta(f.selecionado() ? VERMELHO : PRETO);
    }
    for (int i = 0; i + 1 < f.numero_pontos(); ++i) {
        const TPonto &a = f.ponto(i), &b = f.ponto(i + 1);
        if (largura == 1)
            linha(a.x, a.y, b.x, b.y);
        else
            linha_larga(a.x, a.y, b.x, b.y, largura);
    }
}

void TRenderizador::desenhar_fio_em_andamento()
{
    const auto &atual = estado_.componente_atual;
    if (!atual || atual->tipo != TIPO_FIO || !atual->fio)
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

void TRenderizador::desenhar_mira()
{
    const int x = estado_.mouse_x, y = estado_.mouse_y;
    caneta(PRETO);
    elipse(x - 9, y - 9, x + 8, y + 8, QColor());
    linha(x - 12, y - 1, x - 3, y - 1);
    linha(x + 11, y - 1, x + 2, y - 1);
    linha(x - 1, y - 12, x - 1, y - 3);
    linha(x - 1, y + 10, x - 1, y + 2);
}

void TRenderizador::desenhar_cruz(const TSegmento &segmento)
{
    const int x = estado_.mouse_x, y = estado_.mouse_y;
    struct Traco {
        int x0, y0, x1, y1;
    };
    // Two parallel strokes per arm, leaving the centre open.
    static const Traco CRUZ[] = {
        {-2, -10, -2, -2}, {2, -10, 2, -2}, {-2, 10, -2, 2},  {2, 10, 2, 2},
        {-10, -2, -2, -2}, {-10, 2, -2, 2}, {10, -2, 2, -2},  {10, 2, 2, 2},
    };
    caneta(PRETO);
    for (const Traco &t : CRUZ)
        linha(x + t.x0, y + t.y0, x + t.x1, y + t.y1);

    // The segment under the pointer, which a drag would move, is shown in lime. A stale record
    // (wire deleted, segment gone) shows nothing.
    if (segmento.componente == -1)
        return;
    const TComponente *fio = estado_.lista().procurar(segmento.componente);
    if (!fio || fio->tipo != TIPO_FIO || !fio->fio || segmento.segmento < 0 ||
        segmento.segmento + 1 >= fio->fio->numero_pontos())
        return;
    const TComponente &w = *fio;
    const TPonto a = w.fio->ponto(segmento.segmento), b = w.fio->ponto(segmento.segmento + 1);
    caneta(LIMA);
    linha(a.x, a.y, b.x, b.y);
}

// --- primitives ---

std::vector<QPoint> TRenderizador::pixels_da_linha(int x0, int y0, int x1, int y1)
{
    std::vector<QPoint> pixels;
    const int dx = std::abs(x1 - x0), dy = -std::abs(y1 - y0);
    const int sx = x0 < x1 ? 1 : -1, sy = y0 < y1 ? 1 : -1;
    int erro = dx + dy;
    int x = x0, y = y0;
    pixels.reserve(size_t(std::max(dx, -dy)));
    while (x != x1 || y != y1) {
        pixels.emplace_back(x, y);
        const int e2 = 2 * erro;
        if (e2 >= dy) {
            erro += dy;
            x += sx;
        }
        if (e2 <= dx) {
            erro += dx;
            y += sy;
        }
    }
    return pixels;
}

void TRenderizador::linha(int x0, int y0, int x1, int y1)
{
    const std::vector<QPoint> pixels = pixels_da_linha(x0, y0, x1, y1);
    if (pixels.empty())
        return;
    p_.setPen(QPen(cor_, 1));
    p_.drawPoints(pixels.data(), int(pixels.size()));
}

void TRenderizador::linha_pontilhada(int x0, int y0, int x1, int y1)
{
    // Three pixels on, three off, starting on at the first corner.
    std::vector<QPoint> pixels = pixels_da_linha(x0, y0, x1, y1);
    std::vector<QPoint> pontos;
    for (size_t i = 0; i < pixels.size(); ++i)
        if (i % 6 < 3)
            pontos.push_back(pixels[i]);
    if (pontos.empty())
        return;
    p_.setPen(QPen(cor_, 1));
    p_.drawPoints(pontos.data(), int(pontos.size()));
}

void TRenderizador::linha_larga(int x0, int y0, int x1, int y1, int largura)
{
    // Pixel (x, y) covers [x, x+1) x [y, y+1): going through pixel centres keeps a 3-wide
    // line centred on the 1-wide one, one pixel on each side.
    p_.setPen(QPen(cor_, largura, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p_.drawLine(QPointF(x0 + 0.5, y0 + 0.5), QPointF(x1 + 0.5, y1 + 0.5));
}

void TRenderizador::elipse(int x0, int y0, int x1, int y1, const QColor &preenchimento)
{
    p_.setPen(QPen(cor_, 1));
    p_.setBrush(preenchimento.isValid() ? QBrush(preenchimento) : QBrush(Qt::NoBrush));
    // An aliased outline of a w x h rectangle covers w + 1 columns, so the box ends one short.
    p_.drawEllipse(QRect(x0, y0, x1 - x0 - 1, y1 - y0 - 1));
    p_.setBrush(Qt::NoBrush);
}

void TRenderizador::texto(int x, int y, const QString &s, const QColor &cor)
{
    if (s.isEmpty())
        return;
    p_.setPen(QPen(cor, 1));
    p_.drawText(QPoint(x, y + QFontMetrics(p_.font()).ascent()), s);
}

void TRenderizador::figura(int x, int y, const QImage &imagem)
{
    if (!imagem.isNull())
        p_.drawImage(x, y, imagem);
}

} // namespace zefira
