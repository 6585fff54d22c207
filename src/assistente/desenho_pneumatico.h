#pragma once
// TDesenho_Pneumatico: lays a pneumatic schema out as a textbook drawing and writes it as
// demonstration-table rows. The placing (TDisposicao_Pneumatica) stands the symbols in rows:
// the cylinders with their valves, the roller valves in series one column per signal path, the
// memory valves; the routing (TRoteamento_Pneumatico) lays the tubes in the channels between
// the rows and sets the rows' heights; this writes the symbols, the junctions and the tubes, in
// that order.

#include "assistente/esquema_pneumatico.h"

#include <QString>

namespace zefira {

class TDesenho_Pneumatico {
public:
    explicit TDesenho_Pneumatico(const TEsquema_Pneumatico &esquema);
    QString tabela();

private:
    const TEsquema_Pneumatico &e_;
};

} // namespace zefira
