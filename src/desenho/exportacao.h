#pragma once
// Writing a painting to a picture file, the format chosen by the file's extension.

#include <QPainter>
#include <QSizeF>
#include <QString>
#include <functional>

namespace zefira {

enum class ResultadoExportacao { ok, formato_desconhecido, erro_gravacao };

// tamanho in logical pixels; escala multiplies the PNG's pixel size.
ResultadoExportacao exportar_desenho(const QString &caminho, QSizeF tamanho, double escala,
                                     const std::function<void(QPainter &)> &desenhar, QString *erro = nullptr);

} // namespace zefira
