#pragma once
// TValvula_E_OU_ESC_REG: the AND, OR (shuttle), quick-exhaust and one-way flow-regulator valves.

#include <QImage>

namespace zefira {

class TImagens;

class TValvula_E_OU_ESC_REG {
public:
    TValvula_E_OU_ESC_REG(const TImagens &imagens, int tipo);

    int vazao = 1000;   // L/min
    bool entrada_dir = false, entrada_esq = false; // run-time pressure arrivals
    bool fuzzy = false; // set by the regulator dialog; never stored
    int pino = -1;      // port on the component a regulator's port 1 is docked on

    int tipo() const { return tipo_; }
    void definir_tipo(int tipo);
    int estado() const { return estado_; }
    void definir_estado(int estado); // reloads the picture

    bool entrada(bool dir) const { return dir ? entrada_dir : entrada_esq; }
    void definir_entrada(bool dir, bool v) { (dir ? entrada_dir : entrada_esq) = v; }

    // A regulator (type 4) also records the port it is docked on when it docks by port 1.
    void ligar(int porta, int codigo, int pino_ = -1);
    void desligar(int porta);
    int conexao(int porta) const;

    void selecionar();
    void desselecionar();
    bool selecionado() const { return selecionado_; }
    void recarregar();

    QImage figura;

private:
    const TImagens *imagens_;
    int tipo_;
    int estado_ = 1;
    int conexao_[3] = {-1, -1, -1};
    bool selecionado_ = false;
};

} // namespace zefira
