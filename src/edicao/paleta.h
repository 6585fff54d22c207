#pragma once
// The component palette's logic: the placement codes with their buttons and menu items (the
// families' palette entries), the one toggle group of buttons, abandoning a wire being drawn,
// and placing the chosen component on the work area.

#include "modelo/estado.h"

#include <QRect>

namespace zefira {

// The palette entry of a placement code (its button and "&Componentes" menu item), or nullptr.
const TEntrada_Paleta *Botao_Paleta(int codigo);

// The Biblioteca window shows one group of buttons at a time: the pneumatic components or the
// electrical ones (the entries of the electrical families), each where its entry places it. The
// group chooser takes the one place both pages leave free.
bool Peca_Eletrica(const TPeca &peca);
// The button of a palette entry in the window (electrical buttons are narrower); empty for an
// unknown code.
QRect Lugar_Botao_Paleta(int codigo);
// The two buttons that choose the group shown: pneumatic above, electrical below.
QRect Lugar_Escolha_Grupo(bool eletricos);

// A click on a palette button: the toggle group flips the button (pressing the down button
// lifts it, any other goes down and lifts the rest), then SBClick runs. Ignored while the
// palette is disabled (during a simulation).
void Clicar_Botao_Paleta(TEstado &estado, int codigo);
// A "&Componentes" menu item: flips the button of its code, then runs its click handler.
// Ignored while the menu is disabled.
void componenteMenuClick(TEstado &estado, int codigo);
// The click handler of the button of `codigo`, after the toggle group has flipped it.
void SBClick(TEstado &estado, int codigo);
// Lifts every palette button.
void Soltar_Botoes_Paleta(TEstado &estado);
// Lifts the button of `codigo` if it is down.
void Soltar_Botao_Paleta(TEstado &estado, int codigo);
// Lifts the button down if it places components of `familia`.
void Soltar_Botao_Paleta(TEstado &estado, const TFamilia &familia);
// A key pressed in the palette window (Qt key code): Escape cancels the pending placement,
// leaving the button down.
void paletaKeyPress(TEstado &estado, int tecla);

// Index in the component list of the first component with that code, or -1.
int Achar_Indice(const TEstado &estado, int codigo);
// Abandons the wire being drawn: its origin port loses the pending mark, and the pointer
// overlay (sight, move cross, highlighted segment) is reset.
void Desconectar_Conexao_Pendente(TEstado &estado);

// Places the component of placement code `codigo` with its top-left corner at (x, y), finished
// by its family (a new directional valve also gets an air supply docked on its port 1). Lifts the code's
// button, sets modo 0 and modificado. Returns the component placed (the valve, not its supply).
TComponente &Posicionar_Componente(TEstado &estado, int codigo, int x, int y);

} // namespace zefira
