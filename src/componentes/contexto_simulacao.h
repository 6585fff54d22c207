#pragma once
// TContexto_Simulacao: what the simulation offers the families' hooks for the moments of a run
// (TFamilia::simular, TFamilia::receber_ar): the state, walks from a new root, the moves and
// label contacts of cylinders. The simulation (simulacao/passo_simulacao.h) implements it.

#include <QString>

namespace zefira {

class TCilindro;
class TComponente;
class Tno;
struct TEstado;

// The flow a supply feeds: the most the force model knows.
constexpr int VAZAO_MAXIMA = 2000;

// The moments of a run each record takes part in, every record in list order.
enum class TEtapa_Simulacao {
    partida,     // the start: run-time marks cleared, valves at rest, cylinders keep where they start
    limpeza,     // a step begins: the marks of the previous step are cleared
    alimentacao, // the supplies feed what they are wired to or docked on
    contatos,    // cylinders press the valves of their labels; springs return cylinders
    comutacao,   // directional valves shift at most one position
    parada,      // the stop: valves at rest, cylinders where they started, tubes without pressure
    repouso,     // the rest state while editing: valves at rest, cylinders press the labels they stand on
    roletes,     // then the rollers and pins those labels hold shift their valves
    sensores,    // a step begins with electrical parts: cylinders press the labels they stand on
    soltura,     // the mouse button released while simulating, Shift alone not held
};

// How a cylinder standing on a label presses the valves that refer to it.
enum class TFormaContato {
    movido,  // after the arrival rule: presses only when the cylinder moved this step
    direto,  // after a move by a docked supply or by the spring: always presses
    passo,   // the per-cylinder pass of each step: rollers stay held while the cylinder stands
};

class TContexto_Simulacao {
public:
    virtual TEstado &estado() = 0;
    virtual TComponente *procurar(int codigo) = 0;
    // Starts a walk: the node list is emptied and the new root is its first node.
    virtual Tno *nova_raiz(int componente, int porta, int pressao, int vazao) = 0;
    // Walks from `raiz`; true when the path reaches an open port.
    virtual bool percorrer(bool pressurizando, Tno *raiz) = 0;
    // A moving cylinder's next stop (it also sets its force) and its label contacts.
    virtual int proxima_posicao(TCilindro &cilindro, bool avancar, int vazao, int pressao) = 0;
    virtual void atualizar_contatos(TCilindro &cilindro, TFormaContato forma) = 0;
    // The rest state: a cylinder standing on a label presses it once more; a valve asks how
    // many times its label is pressed.
    virtual void pressionar_rotulo(const QString &texto) = 0;
    virtual int pressoes(const QString &texto) const = 0;
    // A solenoid of this tag is energised in this step.
    virtual bool solenoide(const QString &tag) const = 0;

protected:
    ~TContexto_Simulacao() = default;
};

} // namespace zefira
