#pragma once
// TRenderizador: repaints the whole work area from the circuit and the editor state. It keeps
// nothing between calls; the shell's 20 ms timer and zefira-cli both paint through it.

#include "componentes/eletrico/caminhos_corrente.h"
#include "componentes/pintor.h"
#include "modelo/estado.h"

#include <QColor>
#include <QImage>
#include <QPainter>
#include <functional>
#include <memory>
#include <vector>

namespace zefira {

// Repaints the surface behind p completely: symbols, wires, the wire being drawn, the rubber
// band and the software pointer. Writes back only what the families' pictures do (a valve takes
// down the cam shown for one step and is named after its label).
void Desenhar(TEstado &estado, QPainter &p, bool mostrar_mira, bool mostrar_cruz, const TSegmento &segmento);

// True when the next repaint would differ from the last one with nothing else changed: a cam
// shown for the step that pressed it is taken down by the repaint after it.
bool Desenho_Pendente(const TEstado &estado);

// The work area as a picture, painted with the editor's current pointer overlay.
QImage Imagem_Area_Trabalho(TEstado &estado, int largura = 1000, int altura = 650);

// Paints each component through its family's picture (componentes/pintor.h): every other kind
// in list order, then the tubes over them.
class TRenderizador final : public TPintor {
public:
    TRenderizador(TEstado &estado, QPainter &p);
    void desenhar(bool mostrar_mira, bool mostrar_cruz, const TSegmento &segmento);

    // What a family's picture asks of the surface.
    void caneta(const QColor &cor) override { cor_ = cor; }
    void linha(int x0, int y0, int x1, int y1) override;
    void linha_larga(int x0, int y0, int x1, int y1, int largura) override;
    void linha_fina(int x0, int y0, int x1, int y1) override;
    void disco(int cx, int cy, int raio, const QColor &cor) override;
    void texto(int x, int y, const QString &s, const QColor &cor) override;
    int largura_texto(const QString &s) const override;
    // As pixels on a 1x image under an integer translation; otherwise the symbol's drawing is
    // run again as vectors.
    void figura(int x, int y, const QImage &imagem) override;
    bool longe(const TComponente &c) const override { return longe_da_origem(c); }
    bool simulando() const override;
    bool forca_teorica() const override;
    const QImage &figura_acionador() const override;
    bool condutor(const TComponente &fio) const override;
    QStringList contatos(const TComponente &c) override;

private:
    // Passes of one repaint.
    void limpar();
    void marcar_porta(const TComponente &c);
    void desenhar_fio_em_andamento();
    void desenhar_faixa_selecao();
    void desenhar_mira();
    void desenhar_cruz(const TSegmento &segmento);
    // Runs `f` with the pointer's place: the pointer's drawings keep their screen size at any
    // zoom, so under a view transform they are drawn one unit per screen pixel around it.
    void no_ponteiro(const std::function<void(int x, int y)> &f);

    // Primitives besides the pictures' ones.
    void linha_pontilhada(int x0, int y0, int x1, int y1);
    // Outline of the ellipse inscribed in the box (x0, y0)-(x1, y1), right and bottom edges
    // excluded; filled with `preenchimento` unless it is invalid.
    void elipse(int x0, int y0, int x1, int y1, const QColor &preenchimento);
    // The vector form of a line that leaves out its last pixel: the stroke through the pixel
    // centres, moved back half a pixel, so it covers the same squares.
    void linha_vetorial(int x0, int y0, int x1, int y1, Qt::PenStyle estilo);

    // The part of the plane the surface shows, in circuit coordinates, with a small margin.
    QRect janela_visivel() const;

    TEstado &estado_;
    QPainter &p_;
    QColor cor_;
    bool vetor_; // anything but exact pixels: zoom, high-DPI screens, printers, SVG, PDF
    QRect janela_;
    std::unique_ptr<TCaminhos_Corrente> caminhos_; // built by the first coil that asks

public:
    // Lines are painted only within this distance of the origin.
    static constexpr int ALCANCE = 1 << 29;
    // A symbol this far from the origin cannot show on any surface; it is not painted, which
    // keeps its layout offsets well inside the int range.
    static bool longe_da_origem(const TComponente &c);
    // Culling: the area a component's drawing may cover; components whose area misses the
    // visible window are skipped, with the same write-backs.
    static QRectF caixa_desenhada(const TComponente &c);

    // The pixels of the line from (x0, y0) to (x1, y1), last one excluded, that fall inside
    // `janela`: exactly those of the whole line there, found without walking the part outside,
    // so a line's cost depends on the window, not on its length. With `periodo` > 1, only the
    // pixels whose index along the whole line, modulo `periodo`, is below `ligados`.
    static std::vector<QPoint> pixels_da_linha(int x0, int y0, int x1, int y1, const QRect &janela, int periodo = 1,
                                               int ligados = 1);
};

} // namespace zefira
