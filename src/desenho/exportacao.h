#pragma once
// Writing a drawing to a picture file: PNG (pixels), SVG and PDF (vectors, texts as text).
// The format comes from the file's extension; the drawing is any function that paints on a
// QPainter in logical (circuit) pixels.

#include <QPainter>
#include <QSizeF>
#include <QString>

#include <functional>

namespace zefira {

enum class ResultadoExportacao { ok, formato_desconhecido, escala_invalida, grande_demais, erro_gravacao };

// The largest picture written: a PNG of up to 100 million pixels, any format up to 100,000
// pixels a side (SVG and PDF as shown at 100 %). Beyond them a picture takes more memory than a
// computer has to spare, and readers refuse such pages.
constexpr double LIMITE_PIXELS = 100e6;
constexpr double LIMITE_LADO = 100e3;

// Empty when `tamanho` logical pixels times `escala` is within the limits of the format
// (`pixels`: PNG); otherwise the message saying the picture's size and the limits.
QString tamanho_excessivo(QSizeF tamanho, double escala, bool pixels);

// True when the extension of `caminho` is png, svg or pdf (any case).
bool formato_exportacao_valido(const QString &caminho);

// Paints `desenhar` on a white page of `tamanho` logical pixels and writes it to `caminho`.
// Every format is `escala` (> 0) times larger: PNG in pixels, SVG and PDF in their page size
// (1 logical pixel = 1/96 inch), the drawing staying vector in SVG and PDF.
// A picture beyond the limits is not made (grande_demais, with tamanho_excessivo's message).
// On failure `erro` (when given) receives the reason (the system's, or memory that could not be
// had) and the old file is untouched.
ResultadoExportacao exportar_desenho(const QString &caminho, QSizeF tamanho, double escala,
                                     const std::function<void(QPainter &)> &desenhar,
                                     QString *erro = nullptr);

} // namespace zefira
