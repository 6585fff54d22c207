#pragma once
// Exporting the circuit as the work area shows it (a running simulation's colours included)
// to a PNG, SVG or PDF file: the drawing's own area plus a white margin, times a scale.

#include "desenho/exportacao.h"
#include "model/estado.h"
#include "model/interface_usuario.h"

namespace zefira {

// Writes Area_Exportacao(estado) scaled by `escala` to `caminho`, the format taken from its
// extension. On failure `erro` (when given) receives the reason.
ResultadoExportacao Exportar_Circuito(TEstado &estado, const QString &caminho, double escala,
                                      QString *erro = nullptr);

// Arquivo › "Exportar...": asks for the file through the user port and writes it; a file that
// cannot be written is told with the program's save-error message.
void exportarClick(TEstado &estado, TInterfaceUsuario &ui);

} // namespace zefira
