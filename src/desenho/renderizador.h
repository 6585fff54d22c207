#pragma once
// TRenderizador: repaints the whole work area from the circuit and the editor state. It keeps
// nothing between calls; the shell's 20 ms timer and zefira-cli both paint through it.

#include "model/estado.h"

#include <QColor>
#include <QImage>
#include <QPainter>
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
    // Culling: the part of the circuit the painter can reach, and the area a component's
    // drawing may cover; components outside are skipped, with the same write-backs.
    QRectF area_visivel() const;
    static QRectF caixa_desenhada(const TComponente &c);
    void anotar_sem_desenhar(TComponente &c);
    void desenhar_simbolo(TComponente &c);
    void desenhar_figura_simples(TComponente &c);
    void marcar_porta(const TComponente &c);
    void desenhar_fio(const TComponente &c);
    void desenhar_fio_em_andamento();
    void desenhar_faixa_selecao();
    void desenhar_mira();
    void desenhar_cruz(const TSegmento &segmento);

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
    void figura(int x, int y, const QImage &imagem);
    static std::vector<QPoint> pixels_da_linha(int x0, int y0, int x1, int y1);

    TEstado &estado_;
    QPainter &p_;
    QColor cor_;
};

} // namespace zefira
