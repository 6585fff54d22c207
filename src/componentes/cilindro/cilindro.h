#pragma once
// TCilindro: a cylinder (single acting, double acting with one rod, double acting with two rods)
// with its size, rod position and six named stroke positions that press valve rollers.

#include "modelo/constantes.h"

#include <QImage>
#include <QString>

namespace zefira {

class TImagens;

struct TRotulo {
    QString texto;
    int posicao = 0;
};

class TCilindro {
public:
    TCilindro(const TImagens &imagens, int tipo);

    int posicao_partida = 0; // run-time: position saved when the simulation starts
    int posicao = 0;         // mm of a 100 mm stroke
    int pistao = 100;        // piston diameter, mm
    int haste = 40;          // rod diameter, mm
    bool pressurizado_1 = false, pressurizado_2 = false; // run-time
    QString nome;
    bool marcado = false;    // run-time: moved in the current step
    int forca = 0;           // run-time force in Kgf
    int forca_teorica = 0;   // run-time p × A of the chamber that drove the last move, Kgf

    int tipo() const { return tipo_; }
    void definir_tipo(int tipo);

    // dir true addresses port 1, false port 2.
    void ligar(bool dir, int codigo) { conexao_[dir ? 0 : 1] = codigo; }
    void desligar(bool dir) { ligar(dir, -1); }
    int conexao(bool dir) const { return conexao_[dir ? 0 : 1]; }

    // dir true addresses pressurizado_2, false pressurizado_1.
    bool pressurizado(bool dir) const { return dir ? pressurizado_2 : pressurizado_1; }
    void definir_pressurizado(bool dir, bool v) { (dir ? pressurizado_2 : pressurizado_1) = v; }

    void definir_rotulo(int i, const QString &texto, int posicao_);
    TRotulo rotulo(int i) const;

    void selecionar();
    void desselecionar();
    bool selecionado() const { return selecionado_; }
    void recarregar();

    QImage figura_corpo, figura_cabo, figura_dentro, figura_fora;

private:
    const TImagens *imagens_;
    int tipo_;
    int conexao_[2] = {-1, -1};
    TRotulo rotulos_[NUMERO_ROTULOS];
    bool selecionado_ = false;
};

} // namespace zefira
