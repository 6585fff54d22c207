#pragma once
// TLista_Componente: the circuit. Components in order (files, hit testing and drawing walk it),
// the counter that hands out codes, and the removal cascade that keeps connections consistent.

#include "modelo/componente.h"

#include <memory>
#include <unordered_map>
#include <vector>

namespace zefira {

class TImagens;

class TLista_Componente {
public:
    explicit TLista_Componente(const TImagens &imagens) : imagens_(&imagens) {}

    int ultimo_codigo = 0;

    int numero_componentes() const { return int(componentes.size()); }
    TComponente &operator[](int i) const { return *componentes[size_t(i)]; }
    // Shared ownership: a removed or cut component stays alive while the clipboard holds it.
    const std::shared_ptr<TComponente> &componente(int i) const { return componentes[size_t(i)]; }

    // Creates a record with the next code and appends it (not yet laid out).
    TComponente &adicionar(int tipo, int esquerda, int tipo_e_ou, int tipo_cilindro, int numero_vias, int topo);
    // Appends an existing record (keeping or renewing its code), or a selected copy of it
    // placed 30 right and 50 below. Returns the record appended.
    TComponente &adicionar_existente(const std::shared_ptr<TComponente> &componente, bool renumerar, bool copiar);
    TComponente *procurar(int codigo) const;
    int indice(int codigo) const; // -1 when absent
    // Removes the record and whatever goes with it: wires on its ports, the port slots at the
    // other end of removed wires, docked supplies detached. An absent code does nothing.
    void remover(int codigo);
    // Removes the record when it is a wire (the cascade of a port that may hold one).
    void remover_fio_se_houver(int codigo);

    const TImagens &imagens() const { return *imagens_; }

    std::vector<std::shared_ptr<TComponente>> componentes;

private:
    // The code for a new record: one above the counter, or a free one once the counter is at
    // the top of the range.
    int proximo_codigo();
    std::shared_ptr<TComponente> copia(const TComponente &origem);

    const TImagens *imagens_;
    // Code -> index of its first record, rebuilt lazily after the list changes. A hit is checked
    // against the record itself, since codes may be set after a record is appended; a miss
    // falls back to the scan, so the answer is always that of a walk from the top.
    mutable std::unordered_map<int, int> por_codigo_;
    mutable bool por_codigo_valido_ = false;
};

} // namespace zefira
