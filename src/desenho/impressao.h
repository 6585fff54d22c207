#pragma once
// Printing the circuit on one page of any paged device (a printer, a PDF file): a header with
// the document's name and the date, the circuit fitted to the page and, when asked, the notes
// ("Observações") below it.

#include "modelo/estado.h"

#include <QPageLayout>
#include <QPagedPaintDevice>
#include <QString>

namespace zefira {

// Landscape for a circuit wider than tall, portrait otherwise.
QPageLayout::Orientation Orientacao_Impressao(TEstado &estado);

// The name the header shows: the file's name, the demonstration's title, or "Sem nome".
QString Nome_Impressao(const TEstado &estado);

// Paints the page. The circuit is scaled to fit, at most to twice its size on a 96 dpi screen. `data` is the date shown in the header. False when the device cannot be painted.
bool Imprimir_Circuito(TEstado &estado, QPagedPaintDevice &dispositivo, const QString &data,
                       bool com_observacoes);

} // namespace zefira
