#pragma once
// Exporting the circuit as the work area shows it (a running simulation's colours included)
// to a PNG, SVG or PDF file: the drawing's own area plus a white margin, times a scale.

#include "desenho/exportacao.h"
#include "modelo/estado.h"
#include "modelo/interface_usuario.h"

namespace zefira {

// The scales a circuit is exported at: from a tenth to twenty times its size.
constexpr double ESCALA_MINIMA = 0.1;
constexpr double ESCALA_MAXIMA = 20;

// Writes Extensao_Exportacao(estado) scaled by `escala` (ESCALA_MINIMA..ESCALA_MAXIMA) to
// `caminho`, the format taken from its extension. On failure `erro` (when given) receives the
// reason: a picture too large (grande_demais) or memory or the disk failing (erro_gravacao).
ResultadoExportacao Exportar_Circuito(TEstado &estado, const QString &caminho, double escala,
                                      QString *erro = nullptr);

// Arquivo › "Exportar...": asks for the file through the user port and writes it; a picture too
// large, or a file that cannot be written, is told with its reason.
void exportarClick(TEstado &estado, TInterfaceUsuario &ui);

} // namespace zefira
