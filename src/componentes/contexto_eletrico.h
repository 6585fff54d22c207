#pragma once
// TContexto_Eletrico: what the solver of the circuit of current (simulacao/circuito_eletrico.h)
// offers an electrical family while it solves one step. A family first describes the record as
// it stands (conduzir): the rail a terminal joins, the ports a closed contact joins, the loads
// between two ports. After each round the solver tells every load whether a path from +24 V to
// 0 V runs through it, and the record answers (responder).

#include <QString>

namespace zefira {

class TComponente;

// Tags name parts whatever the case and the blanks around them.
inline QString Chave_Tag(const QString &tag) { return tag.trimmed().toUpper(); }

// A timer's delay in steps of 0.4 s, rounded up.
inline int Passos_Tempo(int ms) { return ms <= 0 ? 0 : (ms + 399) / 400; }

class TContexto_Eletrico {
public:
    // -- conduzir: the record being described --
    virtual void fonte(int porta, bool positivo) = 0;
    virtual void ligar(int porta_a, int porta_b) = 0;
    // Loads are numbered in the order they are declared, from 0 (at most two per record).
    virtual void carga(int porta_a, int porta_b) = 0;

    // -- what the parts sense --
    // The output of the coil, timer or counter named `tag` (ignoring case and blanks).
    virtual bool saida(const QString &tag) const = 0;
    // A cylinder stands on a label of this text.
    virtual bool rotulo_alcancado(const QString &rotulo) const = 0;
    // The tube on the record's port holds pressure (as the last step left it).
    virtual bool pressurizada(const TComponente &c, int porta) const = 0;

    // -- responder: the record being answered --
    virtual bool energizada(int carga) const = 0;

protected:
    ~TContexto_Eletrico() = default;
};

} // namespace zefira
