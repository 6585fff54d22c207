#pragma once
// TRoteiro: replays a script of user actions on the headless editor, one action per line:
//   paleta C                      click on the palette button of placement code C (2..14)
//   pressionar X Y [dir] [shift]  mouse button pressed (left unless dir), Shift held if shift
//   mover X Y [shift]             pointer moved, with the pressed button still held
//   soltar X Y [dir] [shift]      button released
//   duplo X Y                     double click: press, release, double click, press, release
//   tecla NOME [shift]            key pressed and released: Escape, Delete (the delete
//                                 command), Esquerda, Cima, Direita, Baixo
//   menu NOME                     copiar, cortar, colar, excluir, selecionartudo, rotacionar,
//                                 propriedades, desfazer, refazer
//   responder sim|nao|cancelar    the answer the next question box gets (Yes when none)
// Blank lines and lines starting with '#' are ignored. Every action reaches the editor through
// the same handlers the work area's window calls; nothing else moves the pointer, so a port is
// marked for a wire only after a `mover` onto it.

#include "modelo/estado.h"
#include "modelo/interface_roteirizada.h"

#include <QString>
#include <vector>

namespace zefira {

class TRoteiro {
public:
    enum class TipoAcao { Paleta, Pressionar, Mover, Soltar, Duplo, Tecla, Menu, Responder };
    enum class Comando { Copiar, Cortar, Colar, Excluir, SelecionarTudo, Rotacionar, Propriedades, Desfazer, Refazer };

    struct TAcao {
        TipoAcao acao = TipoAcao::Paleta;
        int x = 0, y = 0;
        int codigo = 0;          // paleta: placement code; tecla: Qt key code
        bool direito = false;    // the right mouse button
        bool shift = false;      // Shift held
        Comando comando = Comando::Copiar;
        Resposta resposta = Resposta::Sim;
    };

    // Reads the whole script. Returns 0 when every line is valid, otherwise the number (from 1)
    // of the first invalid line; nothing is kept then.
    int analisar(const QString &texto);
    const std::vector<TAcao> &acoes() const { return acoes_; }

    // Plays the actions read, in order.
    void executar(TEstado &estado, TInterfaceRoteirizada &ui);
    // Plays one action.
    void executar(TEstado &estado, TInterfaceRoteirizada &ui, const TAcao &acao);

private:
    std::vector<TAcao> acoes_;
    bool botao_esquerdo_ = false, botao_direito_ = false; // buttons held between press and release
};

} // namespace zefira
