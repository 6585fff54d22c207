#pragma once
// TRenderizador: repaints the whole work area from the circuit and the editor state. It keeps
// nothing between calls; the shell's 20 ms timer and zefira-cli both paint through it.

#include "modelo/estado.h"

#include <QColor>
#include <QImage>
#include <QPainter>
#include <functional>
#include <vector>

namespace zefira {

// Repaints the surface behind p completely: symbols, wires, the wire being drawn, the rubber
// band and the software pointer. Writes back only two things: a valve's `redesenhar` is
// cleared once its cam is drawn, and a valve's `rotulo` is copied into its `descricao`.
void Desenhar(TEstado &estado, QPainter &p, bool mostrar_mira, bool mostrar_cruz, const TSegmento &segmento);

// True when the next repaint would differ from the last one with nothing else changed: a cam
// shown for the step that pressed it is taken down by the repaint after it.
bool Desenho_Pendente(const TEstado &estado);

// The work area as a picture, painted with the editor's current pointer overlay.
QImage Imagem_Area_Trabalho(TEstado &estado, int largura = 1000, int altura = 650);

class TRenderizador {
public:
    TRenderizador(TEstado &estado, QPainter &p);
    void desenhar(bool mostrar_mira, bool mostrar_cruz, const TSegmento &segmento);

    static const QColor BRANCO, PRETO, VERMELHO, LIMA, AZUL, MARINHO;

private:
    // Passes of one repaint (renderizador.cpp).
    void limpar();
    void anotar_sem_desenhar(TComponente &c);
    void desenhar_simbolo(TComponente &c);
    void desenhar_figura_simples(TComponente &c);
    void marcar_porta(const TComponente &c);
    void desenhar_fio(const TComponente &c);
    void desenhar_fio_em_andamento();
    void desenhar_faixa_selecao();
    void desenhar_mira();
    void desenhar_cruz(const TSegmento &segmento);
    // Runs `f` with the pointer's place: the pointer's drawings keep their screen size at any
    // zoom, so under a view transform they are drawn one unit per screen pixel around it.
    void no_ponteiro(const std::function<void(int x, int y)> &f);

    // Directional valve (desenhar_valvula.cpp).
    void desenhar_valvula(TComponente &c);
    void desenhar_came(TComponente &c);
    void desenhar_lado(const TComponente &c, bool dir);
    void desenhar_quadrados(const TComponente &c);
    void desenhar_tocos(const TComponente &c);
    void desenhar_legenda(TComponente &c);

    // Cylinder (desenhar_cilindro.cpp).
    void desenhar_cilindro(TComponente &c);
    void desenhar_mola_cilindro(const TComponente &c, int d);
    void desenhar_rotulos_cilindro(const TComponente &c);

    // Primitives. Lines leave out their last pixel, so a polyline's joints are painted once and
    // a stub of length 6 covers exactly 6 pixels.
    void caneta(const QColor &cor) { cor_ = cor; }
    void linha(int x0, int y0, int x1, int y1);
    void linha_pontilhada(int x0, int y0, int x1, int y1);
    void linha_larga(int x0, int y0, int x1, int y1, int largura);
    // Outline of the ellipse inscribed in the box (x0, y0)-(x1, y1), right and bottom edges
    // excluded; filled with `preenchimento` unless it is invalid.
    void elipse(int x0, int y0, int x1, int y1, const QColor &preenchimento);
    // Text with its top-left corner at (x, y), on a transparent background.
    void texto(int x, int y, const QString &s, const QColor &cor);
    // A picture at its natural size, top-left at (x, y), opaque. As pixels on a 1x image under
    // an integer translation; otherwise the symbol's drawing is run again as vectors.
    void figura(int x, int y, const QImage &imagem);
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

public:
    // Lines are painted only within this distance of the origin.
    static constexpr int ALCANCE = 1 << 29;
    // A symbol this far from the origin cannot show on any surface; it is not painted, which
    // keeps its layout offsets well inside the int range.
    static bool longe(const TComponente &c);
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
