#pragma once
// Tno: one step of the simulation's walk: where it stands, by which port it leaves (for a
// wire, the end it entered by) and the pressure and flow it carries.

namespace zefira {

class Tno {
public:
    explicit Tno(Tno *anterior_ = nullptr) : anterior(anterior_) {}

    int codigo = 0;
    int componente = -1;
    int porta = -1;
    int pressao = 0;
    int vazao = 0;
    Tno *anterior;                                    // not owned
    Tno *proximo[4] = {nullptr, nullptr, nullptr, nullptr}; // continuations 1..3; not owned
};

} // namespace zefira
