#pragma once
// TFio: a wire (tube). A polyline whose first point lies at the origin port (where drawing
// started) and whose last point lies at the destination port.

#include "modelo/ponto.h"

#include <cstddef>
#include <vector>

namespace zefira {

class TFio {
public:
    int pressao = 0;          // run-time: pressure of the supply feeding the wire
    bool corrente = false;    // run-time: a conductor on a path of current at the last solved step
    int pino_origem = -1;
    int pino_destino = -1;
    int conexao_origem = -1;
    int conexao_destino = -1;

    int numero_pontos() const { return int(pontos.size()); }
    void adicionar_ponto(int x, int y) { pontos.emplace_back(x, y); }
    void adicionar_ponto(const TPonto &p) { pontos.push_back(p); }
    void remover_ponto(int i);
    TPonto &ponto(int i) { return pontos[std::size_t(i)]; }
    const TPonto &ponto(int i) const { return pontos[std::size_t(i)]; }
    void mover_ponto(int i, const TPonto &p, bool relativo);

    void ligar(bool origem, int conexao, int pino);
    int conexao(bool origem) const { return origem ? conexao_origem : conexao_destino; }
    int pino(bool origem) const { return origem ? pino_origem : pino_destino; }

    void selecionar() { selecionado_ = true; }
    void desselecionar() { selecionado_ = false; }
    bool selecionado() const { return selecionado_; }

    std::vector<TPonto> pontos;

private:
    bool selecionado_ = false;
};

} // namespace zefira
