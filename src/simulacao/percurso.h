#pragma once
// TPercurso: the pressure walk through the circuit as drawn. It carries pressure and flow from
// a start node along wires and through components, marks wires, pilots and AND/OR inputs,
// moves cylinders whose other chamber can exhaust, and keeps the lookups one step needs.

#include "modelo/estado.h"

#include <QHash>
#include <QString>
#include <cstdint>
#include <unordered_map>
#include <unordered_set>
#include <vector>

namespace zefira {

// How a cylinder standing on a label presses the valves that refer to it.
enum class TFormaContato {
    movido,  // after the arrival rule: presses only when the cylinder moved this step
    direto,  // after a move by a docked supply or by the spring: always presses
    passo,   // the per-cylinder pass of each step: rollers stay held while the cylinder stands
};

// Exits of a directional valve entered at a port, in walking order; `quantidade` 0 = no route.
struct TSaidas {
    int quantidade = 0;
    int porta[2] = {-1, -1};
};

// The routing table: exits of a valve of `numero_vias` ways whose current square shows
// `simbolo`, entered at port `entrada`.
TSaidas Saidas_Valvula(int numero_vias, int simbolo, int entrada);

class TPercurso {
public:
    // Builds the code and label lookups from the current component list. The list must not
    // gain or lose components while the walk object lives.
    explicit TPercurso(TEstado &estado);

    // Walks from `no`; true when the path reaches an open port. The nodes it creates join
    // `lista_nos`. A circuit with loops ends: a (component, port) still being walked on the
    // current path, or a junction port already walked in this walk, closes the path instead
    // of being walked again.
    bool Montar_Lista(bool pressurizando, Tno *no);

    // Next stop of a cylinder moving in the given direction; also sets its force and `marcado`.
    int ProcurarProximaPosicao(TCilindro &cilindro, bool avancar, int vazao, int pressao);

    // Releases every valve a label of the cylinder refers to, then presses the first valve
    // referring to each label the cylinder stands on.
    void Atualizar_Contatos(TCilindro &cilindro, TFormaContato forma);

    TComponente *procurar(int codigo) const;

    // Directional valves whose label text is `texto`, in list order (texts that are blank
    // after trimming refer to nothing).
    const std::vector<TComponente *> &valvulas_com_rotulo(const QString &texto) const;

    // Upper bound of nodes walked by one call of Montar_Lista; a pathological circuit whose
    // loops keep re-opening re-walks ends its paths there instead of running away.
    int64_t limite_nos;

private:
    enum class Plano {
        unico,          // one child; its result is the result
        fio_cilindro,   // one child into a cylinder port's wire; a closed path clears the wire
        ate_verdadeiro, // children in order until one vents
        todos,          // every child; true when any vents
        chegada,        // the cylinder arrival rule
    };

    struct Quadro {
        Tno *no = nullptr;
        int64_t chave = 0;
        bool abre_escopo = false; // a zero-pressure re-walk started at this frame
        Plano plano = Plano::unico;
        int etapa = 0;
        // Children: either created up front (filhos) or created one by one from the ports.
        int quantidade = 0;
        int indice = 0;
        bool criar_antes = false;
        Tno *filhos[3] = {nullptr, nullptr, nullptr};
        int componente_filhos = -1;
        int portas[3] = {-1, -1, -1};
        bool resultado = false;
        // Arrival rule and cylinder-port wire.
        TComponente *cilindro = nullptr;
        int q = 0;
        int vazao_entrada = 0;
        TFio *fio = nullptr;
    };

    // What a frame asks of the driver: walk a child, or return a result.
    struct Passo {
        Tno *filho = nullptr;
        bool resultado = false;
        bool reabrir = false; // walk the child in a fresh scope (the zero-pressure re-walk)
    };

    Passo despachar(Quadro &f);
    Passo continuar(Quadro &f, bool r);
    bool entrar(Tno *no, bool reabrir);
    void sair();

    Tno *criar_filho(Tno *no, int componente, int porta);
    Passo sair_para_fio(Quadro &f, const TComponente &c, TComponente &fio, Plano plano);
    Passo entrar_valvula(Quadro &f, TComponente &v, int q);
    Passo entrar_e_ou(Quadro &f, TComponente &e, int q);
    Passo iniciar_chegada(Quadro &f, TComponente &c, int q);
    Passo continuar_chegada(Quadro &f, bool r);
    Passo um_filho(Quadro &f, int componente, int porta);
    Passo sequencia(Quadro &f, int componente, const int *portas, int quantidade, Plano plano);
    static Passo retornar(bool r);

    // The valves a label presses (same label text, a left mechanical actuator), in list
    // order. A contact update releases them all; to keep that linear when many cylinders and
    // valves share a label, a group remembers which of its valves may differ from the released
    // state, and releasing touches only those.
    struct Contato {
        TValvula_Direcional *valvula = nullptr;
        bool alterada = true; // may differ from the released state
    };
    struct Grupo {
        std::vector<int> contatos;  // indices into contatos_, in list order
        std::vector<int> alterados; // the ones that may need releasing
    };
    Grupo *grupo(const QString &texto);
    void liberar(Grupo &g);
    void alterar(const TValvula_Direcional &v);

    TEstado &estado_;
    std::unordered_map<int, TComponente *> por_codigo_;
    QHash<QString, std::vector<TComponente *>> por_rotulo_;
    std::vector<Contato> contatos_;
    std::vector<Grupo> grupos_;
    QHash<QString, int> grupo_por_rotulo_;
    std::unordered_map<const TValvula_Direcional *, int> contato_da_valvula_;

    // Walk state of the current Montar_Lista call.
    bool pressurizando_ = true;
    std::vector<Quadro> pilha_;
    std::vector<std::unordered_set<int64_t>> escopos_;
    std::unordered_map<int64_t, int> na_pilha_;
    int64_t nos_percorridos_ = 0;
};

} // namespace zefira
