#pragma once
// TInterfaceUsuario: the one port through which the program asks or tells the user anything.
// The Qt shell implements it with real boxes and dialogs; tests and zefira-cli script it.

#include <QString>

namespace zefira {

class TComponente;
struct TEstado;

enum class Resposta { Sim, Nao, Cancelar };

// Items of the work area's context menu, in menu order; Nenhum when the menu is dismissed.
enum class ItemMenuContexto { Nenhum, Cortar, Copiar, Colar, Excluir, Rotacionar, Propriedades };

// Enabled state of each context-menu item.
struct TItensMenuContexto {
    bool cortar = true, copiar = true, colar = true, excluir = true;
    bool rotacionar = false, propriedades = false;
};

class TInterfaceUsuario {
public:
    virtual ~TInterfaceUsuario() = default;

    // A question box titled "ZEFIRA" with Yes/No, or Yes/No/Cancel when com_cancelar.
    virtual Resposta perguntar(const QString &texto, bool com_cancelar) = 0;
    // A plain message box.
    virtual void mensagem(const QString &texto) = 0;
    // A message box with a warning icon and, below the text, a detail (a path and a reason).
    virtual void aviso(const QString &texto, const QString &detalhe)
    {
        (void)detalhe;
        mensagem(texto);
    }
    // File dialogs starting in pasta; an empty name means the user cancelled.
    virtual QString escolher_arquivo_abrir(const QString &pasta) = 0;
    virtual QString escolher_arquivo_salvar(const QString &pasta) = 0;
    // The export dialog: a picture file name (its extension gives the format) and, for PNG, the
    // scale chosen (1, 2 or 3); an empty name means the user cancelled.
    virtual QString escolher_arquivo_exportar(const QString &pasta, double &escala)
    {
        escala = 1;
        return escolher_arquivo_salvar(pasta);
    }
    // Opens the property dialog of the component; true when the user confirmed with OK.
    virtual bool editar_propriedades(TEstado &estado, TComponente &componente)
    {
        (void)estado;
        (void)componente;
        return false;
    }
    // Progress of a long task: `feito` of `total` done; feito >= total closes the indicator.
    // The shell shows it only when the task outlasts half a second.
    virtual void progresso(const QString &texto, int feito, int total)
    {
        (void)texto;
        (void)feito;
        (void)total;
    }
    // Shows the work area's context menu at the press point (x, y) of the work area (the shell
    // maps it to the screen) and returns the item chosen; a disabled item is never returned.
    virtual ItemMenuContexto menu_contexto(const TItensMenuContexto &habilitados, int x, int y)
    {
        (void)habilitados;
        (void)x;
        (void)y;
        return ItemMenuContexto::Nenhum;
    }
};

} // namespace zefira
