#pragma once
// The classroom check of a circuit: what usually keeps a student's circuit from working, one
// finding per line, each naming the component it is about. Findings are advice: a circuit that
// has them is still a valid circuit and still simulates.

#include "modelo/lista_componente.h"

#include <QString>
#include <vector>

namespace zefira {

// The kinds of finding, in the order a component's findings are listed.
enum class TTipoAviso {
    PortaAberta,       // a working port with nothing attached (exhausts and jumps excepted)
    PilotoSolto,       // a pilot whose port 6 or 7 has nothing attached
    RotuloSemCilindro, // a left mechanical actuator whose label no cylinder carries
    RotuloSemValvula,  // a cylinder label that presses no valve
    NomeRepetido,      // two valves of one circuit with the same name
    ForaDaArea,        // a box, port or tube point beyond the work area or at negative coordinates
    TuboSobreSimbolo,  // a tube segment crossing the box of a component it does not join
    TagSemDestino,     // a valve's solenoid, a solenoid or a contact whose tag names nothing
    TagRepetida,       // two coils or counters with one tag
    SemBorne,          // electrical parts without a +24 V or a 0 V terminal
};

struct TAviso {
    TTipoAviso tipo;
    int codigo;         // the component the finding is about
    QString componente; // its kind and name, e.g. Válvula de 5 vias "a0"
    QString texto;      // what is wrong, e.g. a porta 4 não está ligada a nada

    // CODE KIND-AND-NAME: TEXT, e.g. 12 Válvula de 5 vias "a0": a porta 4 não está ligada a nada
    QString linha() const;
};

// Every finding, in list order of the components and, for one component, in the order of the
// kinds. The work area is the one a new drawing offers (TVista's minimum surface).
std::vector<TAviso> Verificar_Circuito(const TLista_Componente &lista);

} // namespace zefira
