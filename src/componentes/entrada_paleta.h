#pragma once
// TEntrada_Paleta: one way of placing a family's component: a button of the Biblioteca, an item
// of the "&Componentes" menu, a placement cursor and the editor mode that places it. Each family
// lists its own (TFamilia::paleta); the palette, the menus, the Biblioteca window and the cursor
// generator iterate them.

#include "componentes/familia.h"

namespace zefira {

struct TEntrada_Paleta {
    int codigo;            // the placement mode (TEstado::modo); scripts name it ("paleta 3")
    TVariante variante;    // what the placed component is created with
    const char *botao;     // the Biblioteca button's name
    const char *dica;      // the button's hint
    const char *item_menu; // the menu item's name
    const char *legenda;   // the menu caption
    const char *atalho;    // the menu item's shortcut, a plain key
    // "&Componentes" lists groups in ascending order, a separator between two groups, and the
    // items of a group by ordem_menu.
    int grupo_menu;
    int ordem_menu;
    int x, y;              // the button's place in the Biblioteca window
    const char *cursor;    // the cursor file, figuras/<cursor>.cur
    const char *figura;    // the symbol picture the cursor shows
};

} // namespace zefira
