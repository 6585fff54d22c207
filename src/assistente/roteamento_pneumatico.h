#pragma once
// TRoteamento_Pneumatico: lays the tubes of a placed pneumatic drawing. Between two rows of
// symbols runs a channel of horizontal tracks, one per net that passes there, and every vertical
// run has an x of its own, so tubes only ever cross, never overlap, and never pass a symbol (a
// net that must cross a row goes down the free column the placing left for it). Each row then
// stands under the channel above it, which sets the rows' tops. Last, each net is traced from
// port to port as tubes, with a junction where three of its runs meet.

#include "assistente/disposicao_pneumatica.h"
#include "assistente/pecas_pneumaticas.h"

#include <QPoint>
#include <vector>

namespace zefira {

class TRoteamento_Pneumatico {
public:
    // A tube's end: a symbol's port, or a junction's.
    struct TExtremo {
        int peca = -1, jump = -1, porta = 0;
    };
    struct TFio {
        TExtremo a, b;
        std::vector<QPoint> pontos; // the ends included
    };

    TRoteamento_Pneumatico(TPecas_Pneumaticas &pecas, const TDisposicao_Pneumatica &disposicao);
    void rotear();

    // The junctions' centres, in the order they are numbered.
    const std::vector<QPoint> &jumps() const { return jumps_; }
    // The tubes between neighbours first, then those of each net.
    const std::vector<TFio> &fios() const { return fios_; }

private:
    using TPonta = TPecas_Pneumaticas::TPonta;
    using TRede = TDisposicao_Pneumatica::TRede;

    void trilhas();
    void alturas();
    void locais();
    // A net traced into tubes: its graph, its junctions, then the tubes between them.
    struct TGrafo;
    void tracar(const TRede &r, const std::vector<int> &trilha);
    TGrafo grafo(const TRede &r, const std::vector<int> &trilha) const;
    void juncoes(TGrafo &g);
    void seguir(TGrafo &g);

    TPecas_Pneumaticas &pecas_;
    const TDisposicao_Pneumatica &d_;
    int fileiras_;
    std::vector<std::vector<int>> trilha_;  // per net: its track in each channel
    std::vector<std::vector<int>> trilhas_; // per channel: y of each track
    std::vector<QPoint> jumps_;
    std::vector<TFio> fios_;
};

} // namespace zefira
