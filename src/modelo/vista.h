#pragma once
// TVista: how the work area shows the circuit. A zoom factor and the scroll position map
// points of the window (device-independent screen pixels) to circuit pixels and back, and
// size the drawing surface the scroll bars move over.

#include "modelo/ponto.h"

#include <QPointF>
#include <QRect>
#include <QSize>
#include <QTransform>

namespace zefira {

class TLista_Componente;

class TVista {
public:
    static constexpr double ZOOM_MINIMO = 0.25;
    static constexpr double ZOOM_MAXIMO = 4.0;
    // The smallest surface, in circuit pixels, and the room kept around the circuit.
    static constexpr int LARGURA_MINIMA = 4000;
    static constexpr int ALTURA_MINIMA = 2500;
    static constexpr int MARGEM = 50;

    double zoom() const { return zoom_; }
    // Scroll position: the surface point, in screen pixels, shown at the window's top-left.
    QPoint origem() const { return origem_; }
    // Circuit -> window, for a painter.
    QTransform transformacao() const;

    // The circuit pixel under a window point: rounded down, so at 400 % the four screen pixels
    // 0..3 all hit circuit pixel 0.
    TPonto para_circuito(QPointF tela) const;
    QPointF para_tela(QPointF circuito) const;

    // Pointer tolerance: `perto` circuit pixels, but never fewer than `perto` screen pixels.
    int tolerancia(int perto) const;

    // Surface size in circuit pixels for a window of `janela` screen pixels: the window, the
    // circuit's extent plus the margin, and the minimum, whichever is larger on each axis.
    QSize superficie(QSize janela, const QRect &circuito) const;
    // The surface in screen pixels (what the scroll bars cover).
    QSize superficie_tela(QSize janela, const QRect &circuito) const;

    // Zoom clamped to 25..400 %, keeping the circuit point under `ancora` (window point) still.
    void definir_zoom(double zoom, QPointF ancora);
    // Zoom about the window's top-left corner (the zoom box and the keys), then scrolled back
    // no further right or down than the circuit's far edges need, so the drawing stays in sight.
    void zoom_no_canto(double zoom, const QRect &circuito, QSize janela);
    // The next step up or down of the zoom ladder from the current zoom.
    static double proximo_passo(double zoom, int sentido);
    // Scroll to a surface point, clamped to the surface (origin at least 0).
    void rolar_para(QPoint origem, QSize janela, const QRect &circuito);
    // Zoom and scroll so that the whole circuit (plus the margin) fills the window, centred.
    void ajustar(const QRect &circuito, QSize janela);
    // Scroll so the circuit is seen: nothing moves when it is already inside the window at
    // the current position; otherwise its top-left corner comes near the window's.
    void mostrar(const QRect &circuito, QSize janela);

private:
    double zoom_ = 1.0;
    QPoint origem_;
};

// Extent of everything in the list: component boxes and wire points. Empty for no components.
QRect Limites_Circuito(const TLista_Componente &lista);

} // namespace zefira
