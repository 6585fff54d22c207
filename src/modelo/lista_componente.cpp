#include "modelo/lista_componente.h"

#include "componentes/campo_arquivo.h"

#include <algorithm>
#include <climits>

namespace zefira {

int TLista_Componente::proximo_codigo()
{
    if (ultimo_codigo < INT_MAX)
        return ++ultimo_codigo;
    // A file holding the largest code leaves no room above it: the counter stays there and new
    // components take the lowest positive code no component uses, so codes never wrap or repeat.
    std::vector<int> usados;
    for (const auto &c : componentes)
        if (c->codigo > 0)
            usados.push_back(c->codigo);
    std::sort(usados.begin(), usados.end());
    int livre = 1;
    for (const int u : usados) {
        if (u > livre)
            break;
        if (u == livre)
            ++livre;
    }
    return livre;
}

TComponente &TLista_Componente::adicionar(int tipo, int esquerda, int tipo_e_ou, int tipo_cilindro, int numero_vias,
                                          int topo)
{
    const int codigo = proximo_codigo();
    por_codigo_valido_ = false;
    componentes.push_back(std::make_shared<TComponente>(*imagens_, codigo, tipo_e_ou, tipo_cilindro,
                                                        numero_vias, topo, esquerda, tipo));
    return *componentes.back();
}

TComponente &TLista_Componente::adicionar_existente(const std::shared_ptr<TComponente> &componente, bool renumerar,
                                                    bool copiar)
{
    if (copiar) {
        por_codigo_valido_ = false;
        componentes.push_back(copia(*componente));
        return *componentes.back();
    }
    if (renumerar) {
        componente->codigo = proximo_codigo();
    } else if (componente->codigo >= ultimo_codigo) {
        // The counter lands one above the kept code, so the next new code skips one.
        ultimo_codigo = somar(componente->codigo, 1);
    }
    por_codigo_valido_ = false;
    componentes.push_back(componente);
    return *componentes.back();
}

// The copy walks its kind's field list: created with its source's choices (ways, type), it takes
// every value marked for a copy, stored or run-time; code, name, connections and selection stay
// its own.
std::shared_ptr<TComponente> TLista_Componente::copia(const TComponente &o)
{
    const int codigo = proximo_codigo();
    static const std::vector<TCampo_Arquivo> nenhum;
    const TTipo_Arquivo *arquivo = o.familia().arquivo();
    const std::vector<TCampo_Arquivo> &campos = arquivo ? arquivo->campos : nenhum;
    TVariante variante;
    for (const TCampo_Arquivo &campo : campos)
        if (campo.variante)
            variante.*campo.variante = campo.numero(o);
    auto c = std::make_shared<TComponente>(*imagens_, codigo, variante.tipo_e_ou, variante.tipo_cilindro,
                                           variante.numero_vias, somar(o.topo, 50), somar(o.esquerda, 30), o.tipo);
    TContexto_Leitura copia{*c};
    for (const TCampo_Arquivo &campo : campos)
        if (campo.copiado)
            campo.aplicar(copia, campo.numero ? campo.numero(o) : 0, campo.texto ? campo.texto(o) : QString());
    c->selecionar();
    c->atualizar_geometria();
    return c;
}

TComponente *TLista_Componente::procurar(int codigo) const
{
    const int i = indice(codigo);
    return i < 0 ? nullptr : componentes[size_t(i)].get();
}

int TLista_Componente::indice(int codigo) const
{
    // The simulation re-attaches wires after every valve shift: a scan per lookup would make a
    // step grow with the square of the circuit.
    if (!por_codigo_valido_) {
        por_codigo_.clear();
        for (size_t i = 0; i < componentes.size(); ++i)
            por_codigo_.emplace(componentes[i]->codigo, int(i));
        por_codigo_valido_ = true;
    }
    const auto it = por_codigo_.find(codigo);
    if (it != por_codigo_.end() && size_t(it->second) < componentes.size() &&
        componentes[size_t(it->second)]->codigo == codigo)
        return it->second;
    for (size_t i = 0; i < componentes.size(); ++i)
        if (componentes[i]->codigo == codigo) {
            por_codigo_valido_ = false; // a code set after the index was built
            return int(i);
        }
    return -1;
}

void TLista_Componente::remover_fio_se_houver(int codigo)
{
    const TComponente *c = procurar(codigo);
    if (c && c->e_fio())
        remover(codigo);
}

void TLista_Componente::remover(int codigo)
{
    // Kept alive across the cascade: nested removals may shift the array under us.
    const int i = indice(codigo);
    if (i < 0)
        return;
    const std::shared_ptr<TComponente> r = componentes[size_t(i)];

    r->familia().remover_ligacoes(*this, *r);

    const int j = indice(codigo);
    if (j >= 0) {
        por_codigo_valido_ = false;
        componentes.erase(componentes.begin() + j);
    }
}

} // namespace zefira
