#pragma once
// Arquivo › "&Imprimir...": the print preview ("Visualizar Impressão") of the circuit, from
// which the system's print dialog prints it (to paper or to a PDF file).

#include "modelo/estado.h"

class QWidget;
class QPrintPreviewDialog;

namespace zefira {

// Builds the preview dialog for the circuit: orientation from the circuit's shape, a toolbar
// switch "Observações" that adds the notes below the drawing. The caller runs it (exec).
QPrintPreviewDialog *Criar_Visualizar_Impressao(TEstado &estado, QWidget *pai);

// Creates, shows modally and disposes of the preview.
void imprimirClick(TEstado &estado, QWidget *pai);

} // namespace zefira
