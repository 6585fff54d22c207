#pragma once
// TPercurso: the pressure walk through the circuit as drawn. It carries pressure and flow from
// a start node along wires and through components, marks wires, pilots and AND/OR inputs,
// moves cylinders whose other chamber can exhaust, and keeps the lookups one step needs. What
// happens at each component is its family's (TFamilia::sair, TFamilia::entrar); the walk
// drives them through TContexto_Percurso.

#include "componentes/contexto_percurso.h"
#include "componentes/contexto_simulacao.h"
#include "modelo/estado.h"

#include <QHash>
#include <QString>
#include <cstdint>
#include <unordered_map>
#include <unordered_set>
#include <vector>

namespace zefira {

class TPercurso final : private TContexto_Percurso {
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

    TComponente *procurar(int codigo) const override;

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
        continuacao,    // a family's continuation takes the child's result
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
        TFio *fio = nullptr; // the cylinder port's wire
        TContinuacao depois = nullptr;
        TMemoria memoria;
    };

    using Passo = TPasso_Percurso;

    Passo despachar(Quadro &f);
    Passo continuar(Quadro &f, bool r);
    bool entrar(Tno *no, bool reabrir);
    void sair();

    Tno *criar_filho(Tno *no, int componente, int porta);
    Passo sequencia(int componente, const int *portas, int quantidade, Plano plano);

    // The walk's side of the families' walk hooks; each acts on the frame being walked.
    bool pressurizando() const override { return pressurizando_; }
    Tno &no() override { return *pilha_.back().no; }
    TMemoria &memoria() override { return pilha_.back().memoria; }
    int vazao_minima() const override { return estado_.vazao_minima; }
    void definir_vazao_minima(int vazao) override { estado_.vazao_minima = vazao; }
    Tno *continuacao(int componente, int porta) override { return criar_filho(pilha_.back().no, componente, porta); }
    Passo seguir(Tno *filho) override;
    Passo seguir_todas(int componente, const int *portas, int quantidade) override;
    Passo seguir_ate_abrir(int componente, const int *portas, int quantidade) override;
    Passo sair_para_fio(const TComponente &c, TComponente &fio, bool limpar_se_fechado) override;
    Passo aguardar(Tno *filho, bool reabrir, TContinuacao depois) override;
    int proxima_posicao(TCilindro &c, bool avancar, int vazao, int pressao) override;
    void atualizar_contatos(TCilindro &c) override { Atualizar_Contatos(c, TFormaContato::movido); }
    void alterar_contato(const TValvula_Direcional &v) override { alterar(v); }

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
