#pragma once
// THistorico_Passos: where every cylinder and directional valve stood after each step of the
// current simulation, step 0 being the start. The displacement-step diagram and the observed
// sequence of movements are read from it.

#include <QString>
#include <vector>

namespace zefira {

struct TLinha_Historico {
    int codigo = -1;
    bool cilindro = false; // otherwise a directional valve
    QString nome;          // a cylinder's movement name; a valve's descricao, else its rotulo
};

struct THistorico_Passos {
    std::vector<TLinha_Historico> linhas;  // in component-list order
    std::vector<std::vector<int>> passos;  // passos[k][i]: position of linhas[i] after step k

    void limpar()
    {
        linhas.clear();
        passos.clear();
    }
    int numero_passos() const { return int(passos.size()); }
};

} // namespace zefira
