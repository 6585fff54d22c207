#pragma once
// The work area's mouse and keyboard state machine: selecting, dragging, the rubber band,
// drawing wires, placing palette components, property dialogs, the context menu and the
// actuator clicks of a running simulation. Handlers change the model and the editor state
// only; the next redraw shows the result.

#include "edicao/selecao.h"
#include "modelo/estado.h"
#include "modelo/interface_usuario.h"

namespace zefira {

// Modifier keys and mouse buttons held during an event, as a set of flags.
enum EstadoShift : unsigned {
    SHIFT_SHIFT = 1u << 0,
    SHIFT_ALT = 1u << 1,
    SHIFT_CTRL = 1u << 2,
    SHIFT_ESQUERDO = 1u << 3, // left mouse button
    SHIFT_DIREITO = 1u << 4,  // right mouse button
    SHIFT_MEIO = 1u << 5,     // middle mouse button
};
using TShiftState = unsigned;

enum class BotaoMouse { Esquerdo, Direito, Meio };

// Window created (work area of largura x altura) and resized.
void FormCreate(TEstado &estado, int largura, int altura);
void FormResize(TEstado &estado, int largura, int altura);

// A mouse button pressed at (x, y); `shift` includes the pressed button.
void imagemMouseDown(TEstado &estado, TInterfaceUsuario &ui, BotaoMouse botao, TShiftState shift, int x, int y);
// The pointer moved to (x, y). Returns the cursor the work area should show.
TCursor imagemMouseMove(TEstado &estado, TShiftState shift, int x, int y);
// A mouse button released at (x, y); `shift` no longer includes the released button.
void imagemMouseUp(TEstado &estado, TShiftState shift, int x, int y);
// A double click: opens the property dialog of the component at the last pointer position.
void imagemDblClick(TEstado &estado, TInterfaceUsuario &ui);
// Keys, as Qt key codes: Escape and the four arrows act; the release ends a drag or a rubber
// band like a mouse release at (0, 0).
void FormKeyDown(TEstado &estado, int tecla, TShiftState shift);
void FormKeyUp(TEstado &estado, int tecla, TShiftState shift);

// What a press would do where the pointer is, for the status bar: start a wire on the free
// port under it, or end the wire in progress; empty when there is nothing to tell.
QString Dica_Ponteiro(const TEstado &estado);

// Context-menu commands, acting on componente_atual.
void deletarClick(TEstado &estado, TInterfaceUsuario &ui);
void propriedadesClick(TEstado &estado, TInterfaceUsuario &ui);
void rotacionarClick(TEstado &estado);
// Editar › Propriedades: the dialog of the selected component when exactly one is selected;
// otherwise nothing.
void propriedadesSelecionadoClick(TEstado &estado, TInterfaceUsuario &ui);

} // namespace zefira
