#pragma once
// TCircuito_Eletrico: the circuit of current, solved once per step before the pneumatic update.
// The inputs are read (buttons, sensors from the labels the cylinders stand on, pressure
// switches from the tubes); every load with a closed path from +24 V to 0 V is energised; relay,
// timer and counter outputs switch and the circuit is solved again until nothing changes. Each
// output changes at most once a step, so the rounds end. A path from +24 V to 0 V through no
// load is a short circuit: the step is refused and nothing changes.
//
// A solved step also marks the conductors that carry current (TFio::corrente), for the picture:
// those on a path that runs from +24 V through an energised load to 0 V. A wire that only
// reaches an open contact, or a load that is off, stays unmarked even though it is live.

#include "componentes/contexto_eletrico.h"

#include <QHash>
#include <QSet>
#include <QString>
#include <functional>
#include <vector>

namespace zefira {

class TComponente;
class TFamilia_Eletrica;
class TLista_Componente;

class TCircuito_Eletrico final : public TContexto_Eletrico {
public:
    // `alcancado` tells whether a cylinder stands on a label of the text.
    TCircuito_Eletrico(const TLista_Componente &lista, std::function<bool(const QString &)> alcancado);

    // No electrical part: a step has nothing to solve.
    bool vazio() const { return registros_.empty(); }
    // Solves the step. Empty, or the short circuit's message naming the parts on its path.
    QString resolver();
    // The tags of the solenoids energised by the last solution.
    const QSet<QString> &solenoides() const { return solenoides_; }

    void fonte(int porta, bool positivo) override;
    void ligar(int porta_a, int porta_b) override;
    void carga(int porta_a, int porta_b) override;
    // Resolved once per record and tag: a contact asks for its coil in every round.
    bool saida(const QString &tag) const override;
    bool rotulo_alcancado(const QString &rotulo) const override;
    bool pressurizada(const TComponente &c, int porta) const override;
    bool energizada(int carga) const override;

private:
    struct Registro {
        TComponente *componente;
        const TFamilia_Eletrica *familia;
        int primeiro_no; // the node of its port 1; port p is primeiro_no + p - 1
        int cargas[2];   // its loads' places in cargas_, -1 for none
        // The coil or counter its contacts follow, found once: -1 for none, -2 not yet asked.
        mutable int comando = -2;
        mutable QString tag_comando;
    };
    struct Carga {
        int a, b;
    };
    // A closed link the round made, kept to name the parts of a short circuit.
    struct Ligacao {
        int a, b, registro; // registro -1 for a conductor
    };

    int raiz(int no);
    void unir(int a, int b, int registro);
    void rodada();
    QString curto_circuito();
    void marcar_condutores();

    const TLista_Componente &lista_;
    std::function<bool(const QString &)> alcancado_;
    std::vector<Registro> registros_;
    std::vector<std::pair<int, int>> condutores_; // the nodes each conductor joins
    std::vector<TComponente *> fios_;             // the conductors' records, in the same order
    QHash<int, int> indice_;                      // a record's code -> its place in registros_
    QHash<QString, int> comandos_;                // a coil's or counter's tag -> its place
    std::vector<int> pai_;
    std::vector<Carga> cargas_;
    std::vector<Ligacao> ligacoes_;
    std::vector<char> energizadas_;
    QSet<QString> solenoides_;
    int atual_ = -1; // the record being described or answered
    int nos_ = 2;    // node 0 is the +24 V rail, node 1 the 0 V rail
};

} // namespace zefira
