#pragma once
// TPecas_Pneumaticas: the symbols of a generated pneumatic drawing and where their ports lie.
// Each symbol stands in a row, at an x and a height within the row; the rows get their tops only
// once the channels between them are routed (until then every row's top is 0, which leaves the
// x of every port, all the placing needs, as it will be). Placing and routing both ask here where
// a tube leaves a port, so the two agree on it.

#include <QPoint>
#include <QString>
#include <vector>

namespace zefira {

class TPecas_Pneumaticas {
public:
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
    };
    struct TPonta {
        int peca, porta;
    };

    int peca(TForma forma, int fileira, int esquerda, int dy, const QString &tipo, const QString &ajustes, int desenhada = 2);
    // An air supply under the valve's supply port.
    void tomada(int valvula);

    TPeca &operator[](int i) { return pecas_[size_t(i)]; }
    const TPeca &operator[](int i) const { return pecas_[size_t(i)]; }
    std::vector<TPeca> &todas() { return pecas_; }
    const std::vector<TPeca> &todas() const { return pecas_; }

    void definir_topos(std::vector<int> topos) { topo_ = std::move(topos); }
    int topo(int fileira) const;

    QPoint ponto(int peca, int porta) const;
    // Whether the port faces left or right (a pilot, a shuttle's or an AND's input).
    bool de_lado(const TPonta &p) const;
    // The channel the port's tube runs in.
    int canal(const TPonta &p) const;
    // The x of the tube's vertical run from the port to its channel.
    int x_descida(const TPonta &p) const;
    // The first points of the tube from the port, clear of the valve's name.
    std::vector<QPoint> saida(const TPonta &p) const;
    // From the port to where it turns into its channel.
    std::vector<QPoint> guia(const TPonta &p) const;

private:
    QPoint deslocamento(const TPeca &p, int porta) const;

    std::vector<TPeca> pecas_;
    std::vector<int> topo_; // per row
};

} // namespace zefira
