#pragma once
// Hit testing and selection on the work area: distances, finding components, free ports,
// wire points and segments under the pointer, the rubber band and selecting everything.

#include "modelo/estado.h"

namespace zefira {

TPonto Ponto(int x, int y);
// List index of the topmost non-wire component containing the point, or -1.
int Achar_Componente(const TEstado &estado, const TPonto &p);
// Index of the first point of the wire at list index `indice_fio` within distance < 5, or -1.
int Achar_Ponto(const TEstado &estado, int indice_fio, const TPonto &p);
// The first segment of the wire within 5 pixels, or (-1, -1).
TSegmento Perto_Das_Semi_Retas(const TEstado &estado, int indice_fio, const TPonto &p);
// Marks the free port under (x, y) on its component (`ponto_ativo`); true when one is marked.
bool DesenharBolinha(TEstado &estado, int x, int y);
// Strictly inside the rubber band.
bool Ponto_Dentro_Quadrado(const TEstado &estado, const TPonto &p);
// Toggles the selection of the components inside the rubber band.
void SelecionarDentroQuadrado(TEstado &estado);
void selecionartudoClick(TEstado &estado);
// Deselects everything; numero_selecionados 0.
void Liberar_Componentes(TEstado &estado);
// Brings one component forward (from a list of findings): while editing it becomes the only
// one selected. Returns the part of the circuit it takes (its box, or a tube's points) for
// the view to scroll to; an empty rectangle when no component has the code (or a tube has no
// points).
QRect Selecionar_Componente(TEstado &estado, int codigo);

// The cursor the work area should show: placement slot 1..13, the hand, hidden, or the arrow.
enum class TipoCursor { Seta, Mao, Oculto, Posicionamento };
struct TCursor {
    TipoCursor tipo = TipoCursor::Seta;
    int indice = 0; // placement cursor slot 1..13 when tipo is Posicionamento
};
TCursor atualizar_cursor(const TEstado &estado);
// The same choice; while a wire is being drawn it also turns the sight on, since the renderer
// then draws its own pointer in place of the hidden cursor.
TCursor atualizar_cursor(TEstado &estado);

} // namespace zefira
