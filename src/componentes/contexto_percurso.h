#pragma once
// TContexto_Percurso: what the pressure walk offers the families' walk hooks (TFamilia::sair,
// TFamilia::entrar). The walk (simulacao/percurso.h) implements it on an explicit stack of
// frames: a hook reads the node of the frame being walked and answers with the frame's next
// step, a child to walk or its result.

#include "modelo/componente.h"
#include "modelo/no.h"

namespace zefira {

class TCilindro;
class TComponente;
class TValvula_Direcional;

struct TPasso_Percurso {
    Tno *filho = nullptr;
    bool resultado = false;
    bool reabrir = false; // walk the child in a fresh scope (the zero-pressure re-walk)
};

class TContexto_Percurso {
public:
    // Resumes the frame with the result of the child it waited for.
    using TContinuacao = TPasso_Percurso (*)(TContexto_Percurso &percurso, bool resultado);
    // What a frame keeps between a continuation's steps.
    struct TMemoria {
        TComponente *componente = nullptr;
        int porta = 0;
        int vazao = 0;
        Tno *filho = nullptr;
        bool resultado = false;
    };

    static TPasso_Percurso retornar(bool resultado)
    {
        TPasso_Percurso p;
        p.resultado = resultado;
        return p;
    }

    virtual TComponente *procurar(int codigo) const = 0;
    // The record on `porta` of `c`. Without one the path ends there, with `fim`: an open port
    // vents when `aberta_ventila`, and a code that names nothing is closed.
    TComponente *vizinho(const TComponente &c, int porta, bool aberta_ventila, TPasso_Percurso &fim) const
    {
        const int ligado = c.conexao(porta);
        TComponente *x = ligado == LIVRE ? nullptr : procurar(ligado);
        if (!x)
            fim = retornar(ligado == LIVRE && aberta_ventila);
        return x;
    }
    // False for the exhaust probe of a spring return, which carries no supply pressure.
    virtual bool pressurizando() const = 0;
    // The node of the frame being walked, and the frame's memory.
    virtual Tno &no() = 0;
    virtual TMemoria &memoria() = 0;
    // The smallest regulated flow met since the last arrival at a cylinder.
    virtual int vazao_minima() const = 0;
    virtual void definir_vazao_minima(int vazao) = 0;

    // The node's continuation on `porta` of `componente`, with its pressure and flow.
    virtual Tno *continuacao(int componente, int porta) = 0;
    // Walks `filho`; its result is the frame's.
    virtual TPasso_Percurso seguir(Tno *filho) = 0;
    TPasso_Percurso seguir(int componente, int porta) { return seguir(continuacao(componente, porta)); }
    // Walks the continuations on `portas` of `componente` in order: every one, true when any
    // vents (each created as it is walked)...
    virtual TPasso_Percurso seguir_todas(int componente, const int *portas, int quantidade) = 0;
    // ...or until one vents (all created before the first is walked).
    virtual TPasso_Percurso seguir_ate_abrir(int componente, const int *portas, int quantidade) = 0;
    // Leaves `c` by the wire `fio` on the node's port, which takes the node's pressure; with
    // `limpar_se_fechado` a closed path takes it away again.
    virtual TPasso_Percurso sair_para_fio(const TComponente &c, TComponente &fio, bool limpar_se_fechado) = 0;
    // Walks `filho`, in a fresh scope when `reabrir`, then resumes with `depois`.
    virtual TPasso_Percurso aguardar(Tno *filho, bool reabrir, TContinuacao depois) = 0;

    // A moving cylinder's next stop (it also sets its force), and the label contacts after the
    // arrival rule (TFormaContato::movido).
    virtual int proxima_posicao(TCilindro &cilindro, bool avancar, int vazao, int pressao) = 0;
    virtual void atualizar_contatos(TCilindro &cilindro) = 0;
    // A signal pressed the valve's left side outside the label contacts: their next release
    // must look at it.
    virtual void alterar_contato(const TValvula_Direcional &valvula) = 0;

protected:
    ~TContexto_Percurso() = default;
};

} // namespace zefira
