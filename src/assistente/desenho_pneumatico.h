#pragma once
// TDesenho_Pneumatico: lays a pneumatic schema out as a textbook drawing and writes it as
// demonstration-table rows. Rows of symbols: the cylinders with their valves (and the shuttle
// valves where several signals meet at a pilot); the roller valves in series, one column per
// signal path (in more than one row when they are many); the memory valves. Between the rows
// run channels of horizontal tracks, one track per connection, and every vertical run has an x
// of its own, so tubes only ever cross, never overlap, and never pass a symbol: a connection
// that must cross a row of symbols goes down a free column left for it in that row.

#include "assistente/esquema_pneumatico.h"
#include "assistente/tabela_circuito.h"

#include <QPoint>
#include <QString>
#include <vector>

namespace zefira {

class TDesenho_Pneumatico {
public:
    explicit TDesenho_Pneumatico(const TEsquema_Pneumatico &esquema);
    QString tabela();

private:
    enum class TForma { cilindro, valvula5, valvula3, ou, e, tomada };
    struct TPeca {
        TForma forma;
        int fileira;  // 0 the cylinders, then the paths, the memories last
        int esquerda; // x of the box
        int dy;       // top, from the row's top
        int desenhada = 2;
        QString tipo, ajustes;
        int hospedeiro = -1; // a supply's valve
        bool desvio = false; // its upper working port leaves sideways, clear of its name
        int codigo = -1;
    };
    struct TPonta {
        int peca, porta;
    };
    struct TRede {
        std::vector<TPonta> pontas;
        std::vector<std::pair<int, int>> vias; // (row, x): where the net crosses a row
        std::vector<int> trilha;               // track per channel
    };
    struct TFio_Local {
        TPonta a, b;
        int meio = -1; // a jog at this y from a's row top; -1: one bend, from a side port or to one
        std::vector<QPoint> pontos; // when given, the bends instead, y from a's row top
    };

    int peca(TForma forma, int fileira, int esquerda, int dy, const QString &tipo, const QString &ajustes, int desenhada = 2);
    void tomada(int valvula);
    QPoint ponto(int peca, int porta) const;
    QPoint deslocamento(const TPeca &p, int porta) const;
    int canal(const TPonta &p) const;
    int topo(int fileira) const;
    int x_descida(const TPonta &p) const;
    std::vector<QPoint> guia(const TPonta &p) const;
    std::vector<QPoint> saida(const TPonta &p) const;

    void cilindros();
    void memorias();
    void caminhos();
    void redes();
    void trilhas();
    void alturas();
    QString escrever();

    // The endpoints of each signal: the pilot ports or shuttle inputs it reaches.
    std::vector<std::pair<TSinal_Pneumatico, TPonta>> entradas_;
    std::vector<std::pair<TSinal_Pneumatico, TPonta>> entradas_e_; // the AND inputs of the path rows
    const TEsquema_Pneumatico &e_;
    std::vector<TPeca> pecas_;
    std::vector<TRede> redes_;
    std::vector<TFio_Local> locais_;
    std::vector<int> topo_caminho_, base_caminho_; // per path: top and bottom valve
    std::vector<int> memoria_;                     // per memory: its valve
    // Rows: 0 the cylinders, then the rows of paths, the memories last; channel k runs under
    // row k.
    static constexpr int FILEIRA_MEMORIAS = 1000; // until the number of rows is known
    int fileiras_ = 3;
    std::vector<int> topo_, altura_; // per row: its top, the height of its tallest column
    std::vector<std::vector<int>> trilhas_; // per channel: y of each track
    std::vector<std::pair<TSinal_Pneumatico, std::pair<int, int>>> travessias_; // signal, (row, x)
};

} // namespace zefira
