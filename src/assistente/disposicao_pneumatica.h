#pragma once
// TDisposicao_Pneumatica: places the symbols of a pneumatic schema in rows, as a textbook draws
// them: the cylinders with their valves on top (and the shuttle valves where several signals
// meet at a pilot); the roller valves in series below, one column per signal path, dealt over
// several rows when they are many; the memory valves at the bottom. It also says what the tubes
// join: the short tubes between neighbours, whose bends it knows, and one net per signal, with
// the free column the net takes down each row of symbols it must cross, for the routing to lay
// in the channels between the rows.

#include "assistente/esquema_pneumatico.h"
#include "assistente/pecas_pneumaticas.h"

#include <map>
#include <vector>

namespace zefira {

class TDisposicao_Pneumatica {
public:
    using TPonta = TPecas_Pneumaticas::TPonta;
    // A signal: its source, what it feeds, and the (row, x) where it goes down a row it crosses.
    struct TRede {
        std::vector<TPonta> pontas;
        std::vector<std::pair<int, int>> vias;
    };
    // A tube between neighbours, y from a's row top.
    struct TFio_Local {
        TPonta a, b;
        int meio = -1; // a jog at this y; -1: one bend, from a side port or to one
        std::vector<QPoint> pontos; // when given, the bends instead
    };

    TDisposicao_Pneumatica(const TEsquema_Pneumatico &esquema, TPecas_Pneumaticas &pecas);
    void dispor();

    const std::vector<TRede> &redes() const { return redes_; }
    const std::vector<TFio_Local> &locais() const { return locais_; }
    // Per row: the height of its tallest column. The rows: 0 the cylinders, then the rows of
    // paths, the memories last; the channel under row k is channel k.
    const std::vector<int> &alturas() const { return altura_; }

private:
    using TForma = TPecas_Pneumaticas::TForma;
    // A column of a path as it will stand, relative to its left.
    struct TValvula {
        QString ajustes;
        int desenhada;
    };
    struct TColuna {
        int caminho;
        std::vector<TValvula> serie;
        std::vector<int> es; // the paths its ANDs take on their second input
        TSinal_Pneumatico base;
        bool base_e;       // the first AND takes `base`: no valve in series
        int de, ate;       // what it covers
        std::vector<int> altos, baixos; // its vertical runs above and below
        int fileira = 1;
    };
    using TAlcance = std::map<std::pair<bool, int>, std::pair<int, int>>; // signal -> first, last channel

    void cilindros();
    void memorias();
    void caminhos();
    void redes_dos_sinais();
    void alturas_das_pontas();

    // The steps of the paths' rows.
    double media(const TSinal_Pneumatico &s, bool memorias) const;
    void desejar();
    std::vector<TColuna> colunas() const;
    int repartir(std::vector<TColuna> &colunas);
    TAlcance alcances(const std::vector<TColuna> &colunas) const;
    void ocupar();
    bool livre(int canal, int x) const;
    void dispor_fileira(int f, const std::vector<TColuna> &colunas, const TAlcance &alcance);
    int atravessar(int f, double desejado, int cursor, const TSinal_Pneumatico &s);
    int dispor_coluna(int f, const TColuna &k, double desejado, int cursor);
    int lugar(int f, const TColuna &k, int esquerda) const;
    int serie(int f, const TColuna &k, int esquerda, int dy_serie);
    int es(int f, const TColuna &k, int esquerda, int anterior);

    const TEsquema_Pneumatico &e_;
    TPecas_Pneumaticas &pecas_;
    // The endpoints of each signal: the pilot ports or shuttle inputs it reaches.
    std::vector<std::pair<TSinal_Pneumatico, TPonta>> entradas_;
    std::vector<std::pair<TSinal_Pneumatico, TPonta>> entradas_e_; // the AND inputs of the path rows
    std::vector<TRede> redes_;
    std::vector<TFio_Local> locais_;
    std::vector<int> topo_caminho_, base_caminho_; // per path: top and bottom valve
    std::vector<int> memoria_;                     // per memory: its valve
    static constexpr int FILEIRA_MEMORIAS = 1000; // until the number of rows is known
    int fileiras_ = 3;
    std::vector<int> altura_;
    std::vector<double> desejado_;           // per path: the x it would stand at
    std::vector<std::vector<int>> ocupados_; // per channel: the x of its vertical runs so far
    std::vector<std::pair<TSinal_Pneumatico, std::pair<int, int>>> travessias_; // signal, (row, x)
};

} // namespace zefira
