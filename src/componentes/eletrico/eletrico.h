#pragma once
// TEletrico: the record of every electrical part (terminal, button, sensor, pressure switch,
// coil, counter, contact, solenoid, lamp, junction). What each field means for a kind is its
// family's; a field a kind does not use keeps its default and is not stored.

#include <QString>

namespace zefira {

class TEletrico {
public:
    static constexpr int PORTAS = 4;

    QString tag;      // S1, 1S2, K1, KT1, KC1, 1Y1, H1; a contact's names its coil
    int modo = 0;     // the kind within the family (a button's pulsador/trava/..., a coil's relay/timer)
    bool nf = false;  // normally closed (buttons, sensors, pressure switch, contacts)
    QString rotulo;   // a sensor's cylinder label
    int tempo = 0;    // a timer's delay, ms
    int preset = 1;   // a counter's preset

    // Run-time, cleared at the start and the stop of a run.
    bool acionado = false;        // pressed, latched, switched, sensing, or its coil's output on
    bool energizada[2] = {};      // the loads at the last solution (a counter: count, reset)
    bool saida = false;           // a coil's or counter's output: its contacts are switched
    int contagem = 0;             // a timer's steps in its present state; a counter's count
    bool entrada_anterior = false; // a counter's count input at the end of the previous step
    bool mudou = false;           // the output changed in this step's rounds

    void reiniciar();
    // The run-time fields alone: what a refused step puts back.
    struct TExecucao {
        bool acionado, energizada[2], saida;
        int contagem;
        bool entrada_anterior, mudou;
    };
    TExecucao execucao() const { return {acionado, {energizada[0], energizada[1]}, saida, contagem, entrada_anterior, mudou}; }
    void restaurar(const TExecucao &x)
    {
        acionado = x.acionado;
        energizada[0] = x.energizada[0];
        energizada[1] = x.energizada[1];
        saida = x.saida;
        contagem = x.contagem;
        entrada_anterior = x.entrada_anterior;
        mudou = x.mudou;
    }

    void ligar(int porta, int codigo);
    void desligar(int porta) { ligar(porta, -1); }
    int conexao(int porta) const;

    bool selecionado() const { return selecionado_; }
    void selecionar(bool s) { selecionado_ = s; }

private:
    int conexao_[PORTAS] = {-1, -1, -1, -1};
    bool selecionado_ = false;
};

} // namespace zefira
