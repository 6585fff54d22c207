#pragma once
// The main window's menu tree and toolbar as data: item names, captions, shortcuts and icons.

#include <vector>

namespace zefira {

struct TItemMenu {
    const char *menu;     // name of the menu (or submenu) the item belongs to
    const char *item;     // item name; separators are named items with caption "-"
    const char *legenda;  // caption, "-" for a separator, or the caption of a submenu
    const char *atalho;   // key sequence, "" for none
    int icone;            // index into the icon list, -1 for none
    bool submenu;         // the item opens a submenu named `item`
};

struct TMenuPrincipal {
    const char *nome;
    const char *legenda;
};

struct TBotaoBarra {
    int x;
    const char *nome;     // "" for a separator
    const char *dica;
    int icone;
    bool verificavel;     // a check button
};

// A further shortcut of a menu item, the one most programs use for the same command. The
// item's own shortcut stays first, so the menu shows it.
struct TAtalhoAdicional {
    const char *item;
    const char *atalho;
};

const std::vector<TMenuPrincipal> &Menus_Principais();
const std::vector<TItemMenu> &Itens_Menu();
const std::vector<TBotaoBarra> &Botoes_Barra();
const std::vector<TAtalhoAdicional> &Atalhos_Adicionais();

} // namespace zefira
