#pragma once
// TPintor: what a family's picture asks of the surface it is painted on. The renderer
// (desenho/renderizador) implements it; a family draws through it without knowing the renderer.
// Coordinates are circuit pixels.

#include <QColor>
#include <QString>
#include <QStringList>

class QImage;

namespace zefira {

class TComponente;

class TPintor {
public:
    virtual ~TPintor() = default;

    static inline const QColor BRANCO{255, 255, 255};
    static inline const QColor PRETO{0, 0, 0};
    static inline const QColor VERMELHO{255, 0, 0};
    static inline const QColor LIMA{0, 255, 0};
    static inline const QColor AZUL{0, 0, 255};
    static inline const QColor MARINHO{0, 0, 128};
    static inline const QColor AMARELO{255, 215, 0};

    // The colour of the lines that follow.
    virtual void caneta(const QColor &cor) = 0;
    // Lines leave out their last pixel, so a polyline's joints are painted once and a stub of
    // length 6 covers exactly 6 pixels.
    virtual void linha(int x0, int y0, int x1, int y1) = 0;
    // A line `largura` pixels wide centred on the 1-wide one, with round ends.
    virtual void linha_larga(int x0, int y0, int x1, int y1, int largura) = 0;
    // A conductor's line: as `linha` on exact pixels; elsewhere (zoom, dense screens, print,
    // SVG) half as wide, so a conductor looks thinner than a tube.
    virtual void linha_fina(int x0, int y0, int x1, int y1) = 0;
    // A disc of colour `cor` without outline, centred on pixel (cx, cy).
    virtual void disco(int cx, int cy, int raio, const QColor &cor) = 0;
    // Text with its top-left corner at (x, y), on a transparent background.
    virtual void texto(int x, int y, const QString &s, const QColor &cor) = 0;
    virtual int largura_texto(const QString &s) const = 0;
    // A picture at its natural size, top-left at (x, y), opaque.
    virtual void figura(int x, int y, const QImage &imagem) = 0;

    // A record this far from the origin cannot show on any surface: its picture is left out.
    virtual bool longe(const TComponente &c) const = 0;
    // What of the editor's state a picture shows: simulating (tubes show the air, trigger
    // cams show), the theoretical force instead of the fuzzy one, the cam's picture.
    virtual bool simulando() const = 0;
    virtual bool forca_teorica() const = 0;
    virtual const QImage &figura_acionador() const = 0;
    // Whether a wire joins electrical ports (a conductor) rather than air ports (a tube).
    virtual bool condutor(const TComponente &fio) const = 0;
    // The lines listing the current paths of a coil's or counter's contacts (caminhos_corrente.h).
    virtual QStringList contatos(const TComponente &c) = 0;
};

} // namespace zefira
