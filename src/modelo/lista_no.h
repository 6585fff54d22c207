#pragma once
// TLista_No: every node created during one walk, numbered in creation order; owns them.

#include "modelo/no.h"

#include <memory>
#include <vector>

namespace zefira {

class TLista_No {
public:
    int ultimo_codigo = 0;

    int numero_nos() const { return int(nos.size()); }
    Tno &operator[](int i) const { return *nos[size_t(i)]; }

    // Takes ownership and numbers the node.
    Tno *adicionar(std::unique_ptr<Tno> no)
    {
        ++ultimo_codigo;
        no->codigo = ultimo_codigo;
        nos.push_back(std::move(no));
        return nos.back().get();
    }
    void limpar()
    {
        ultimo_codigo = 0;
        nos.clear();
    }

    std::vector<std::unique_ptr<Tno>> nos;
};

} // namespace zefira
