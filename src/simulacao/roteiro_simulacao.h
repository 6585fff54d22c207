#pragma once
// TRoteiro_Simulacao: a run of simulation steps with the user's actuator clicks and releases
// scheduled on given steps, as zefira-cli takes it from "--passos N", "--clique K:ALVO:esq|dir"
// and "--soltar K". ALVO is a valve's code, or else its name (descricao) or a push button's or
// selector's tag, so that one script fits every circuit whose start valve or button has the
// agreed name. Shared by the commands that
// simulate before printing, drawing or checking.

#include "modelo/estado.h"

#include <QString>
#include <QStringList>
#include <vector>

namespace zefira {

struct TEvento_Simulacao {
    int passo = 0;
    bool soltar = false; // a release of every actuator; otherwise a click on one valve side
    int codigo = -1;     // valve clicked
    QString nome;        // the valve's name as given, when ALVO was not a code
    bool dir = false;    // side clicked
};

class TRoteiro_Simulacao {
public:
    static constexpr int PASSOS_PADRAO = 10;

    explicit TRoteiro_Simulacao(int passos_padrao = PASSOS_PADRAO) : passos(passos_padrao) {}

    int passos;
    std::vector<TEvento_Simulacao> eventos; // in command-line order

    // Takes the simulation options out of args and leaves the other arguments in `restantes`.
    // False, with a message in `erro`, for an option without a value or with a malformed one.
    bool ler(const QStringList &args, QStringList &restantes, QString &erro);
    // Whether any simulation option was given.
    bool presente() const { return presente_; }
    // Resolves every click to a directional valve or a button of the circuit: a code names it
    // directly; a name picks the first in list order whose descricao or tag equals it, ignoring
    // case and surrounding blanks. A message for a click that names no directional valve.
    QString validar(const TEstado &estado);

    // What the window does after opening: the rest-state update of the first timer tick, then
    // the start command with its button down.
    void iniciar(TEstado &estado) const;
    // Step k (1-based): the events scheduled for k in order, then one system update.
    void executar_passo(TEstado &estado, int k) const;

private:
    bool presente_ = false;
};

} // namespace zefira
