#pragma once
// TEscada_Eletrica: the current paths of an electrical command drawn as a ladder, each path a
// column from its +24 V terminal on top to its 0 V terminal at the bottom, numbered left to
// right: the contacts in series down the column, parallel branches side by side between two
// junctions, the loads (coils, solenoids) last. The 0 V terminals share one row; a ladder
// wider than the work area goes on in a second band below the first.

#include "assistente/tabela_circuito.h"

#include <QString>
#include <vector>

namespace zefira {

class TEscada_Eletrica {
public:
    // One symbol of a path: its kind as the tables write it and its settings.
    struct TSimbolo {
        QString tipo, ajustes;
    };
    using TSerie = std::vector<TSimbolo>;
    // One stretch of a path: a single series, or several series in parallel.
    using TTrecho = std::vector<TSerie>;
    // A path's loads, several in parallel, each to its own 0 V terminal.
    struct TCaminho {
        std::vector<TTrecho> trechos;
        std::vector<TSimbolo> cargas;
    };

    static TSimbolo botao(const QString &tag);
    static TSimbolo sensor(const QString &tag, const QString &rotulo, bool nf = false);
    static TSimbolo contato(const QString &tag, bool nf = false);
    static TSimbolo bobina(const QString &tag);
    static TSimbolo solenoide(const QString &tag);

    void acrescentar(const TCaminho &caminho) { caminhos_.push_back(caminho); }

    // Whether the ladder fits the work area in one band from x = `esquerda`.
    bool cabe(int esquerda) const;
    // Writes the paths into `t`, the first one's line at x = `esquerda`, `abaixo` lower than the
    // top of the drawing.
    void montar(TTabela_Circuito &t, int esquerda, int abaixo = 0) const;

private:
    std::vector<TCaminho> caminhos_;
};

} // namespace zefira
