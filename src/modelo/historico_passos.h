#pragma once
// THistorico_Passos: where every cylinder and directional valve stood after each step of the
// current simulation, step 0 being the start, and whether each solenoid and relay was on. The displacement-step diagram and the observed
// sequence of movements are read from it.

#include <QString>
#include <vector>

namespace zefira {

struct TLinha_Historico {
    int codigo = -1;
    bool cilindro = false; // otherwise a directional valve, or an electrical part
    QString nome;          // a cylinder's movement name; a valve's descricao, else its rotulo; a tag
    bool eletrico = false; // a solenoid or a relay: 1 energised (its contacts switched), 0 not
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
