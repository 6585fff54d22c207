#pragma once
// Writing a drawing to a picture file: PNG (pixels), SVG and PDF (vectors, texts as text).
// The format comes from the file's extension; the drawing is any function that paints on a
// QPainter in logical (circuit) pixels.

#include <QPainter>
#include <QSizeF>
#include <QString>

#include <functional>

namespace zefira {

enum class ResultadoExportacao { ok, formato_desconhecido, erro_gravacao };

// True when the extension of `caminho` is png, svg or pdf (any case).
bool formato_exportacao_valido(const QString &caminho);

// Paints `desenhar` on a white page of `tamanho` logical pixels and writes it to `caminho`.
// PNG is `escala` times larger in pixels; SVG and PDF keep the logical size as their page.
// On failure `erro` (when given) receives the system's reason and the old file is untouched.
ResultadoExportacao exportar_desenho(const QString &caminho, QSizeF tamanho, double escala,
                                     const std::function<void(QPainter &)> &desenhar,
                                     QString *erro = nullptr);

} // namespace zefira
