#pragma once
// TEsquema_Pneumatico: the logic of a sequence's pneumatic command, before any drawing: which
// roller valves stand in series on each signal path, the memory valves and the lines they
// feed, and the signals that reach each pilot. One schema per method; the drawing only lays
// it out.

#include "assistente/metodo_sequencia.h"

#include <vector>

namespace zefira {

// A signal: the air of a memory's line, or the output of a path of valves in series.
struct TSinal_Pneumatico {
    bool linha = false; // true: line `indice`; false: path `indice`
    int indice = 0;
    bool operator==(const TSinal_Pneumatico &o) const { return linha == o.linha && indice == o.indice; }
};

// Valves in series, fed by a line or, without one, by an air supply of their own: the start
// button first when `partida`, then one roller per sensor; then AND valves with the outputs
// of other paths (the sensors several paths share).
struct TCaminho_Pneumatico {
    int linha = -1; // -1: own supply
    bool partida = false;
    std::vector<TMovimento> sensores; // the end each roller feels (A+: a1)
    std::vector<int> e;               // paths joined by AND, in order
    bool apelido = false;             // nothing but the one path in `e`: not drawn
};

// A pilot and what drives it; several signals meet in shuttle valves.
struct TPiloto_Pneumatico {
    bool memoria = false; // a memory valve's pilot, else a cylinder's valve
    int indice = 0;       // cylinder (in alphabetical order) or memory
    bool direito = false; // right pilot (retract, reset); left advances or sets
    std::vector<TSinal_Pneumatico> sinais;
};

struct TEsquema_Pneumatico {
    QList<QChar> cilindros;
    std::vector<TCaminho_Pneumatico> caminhos;
    std::vector<TPiloto_Pneumatico> pilotos;
    // Cascade: 5/2 memories in a chain (memory k feeds k + 1 from port 2; line k leaves memory
    // k by port 4, the last line the last memory by port 2). Step by step: one 3/2 memory per
    // step, line k leaving memory k by port 2, the last one set at rest.
    int memorias = 0;
    bool cascata = false;

    // The line's source: memory and port.
    void fonte_linha(int linha, int &memoria, int &porta) const;
    int linhas() const { return memorias == 0 ? 0 : cascata ? memorias + 1 : memorias; }
};

TEsquema_Pneumatico Esquema_Pneumatico(const TSequencia_Movimentos &s, TMetodo metodo);

} // namespace zefira
