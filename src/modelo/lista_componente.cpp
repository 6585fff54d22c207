#include "modelo/lista_componente.h"

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

std::shared_ptr<TComponente> TLista_Componente::copia(const TComponente &o)
{
    const int codigo = proximo_codigo();
    const int vias = o.valvula_direcional ? o.valvula_direcional->numero_vias : -1;
    const int tipo_cil = o.cilindro ? o.cilindro->tipo() : -1;
    const int tipo_e_ou = o.valvula_e_ou_esc_reg ? o.valvula_e_ou_esc_reg->tipo() : -1;
    auto c = std::make_shared<TComponente>(*imagens_, codigo, tipo_e_ou, tipo_cil, vias, somar(o.topo, 50),
                                           somar(o.esquerda, 30), o.tipo);
    if (const TValvula_Direcional *v = o.valvula_direcional.get()) {
        TValvula_Direcional &n = *c->valvula_direcional;
        n.posicao_inicial = v->posicao_inicial;
        n.posicao_atual = v->posicao_atual;
        n.numero_vias = v->numero_vias;
        for (int i = 1; i <= 3; ++i)
            if (const TParte *p = v->parte(i))
                n.definir_parte(i, p->tipo());
        n.mola_dir = v->mola_dir;
        n.mola_esq = v->mola_esq;
        n.piloto_dir = v->piloto_dir;
        n.piloto_esq = v->piloto_esq;
        n.definir_acao_manual(true, v->acao_manual(true));
        n.definir_acao_manual(false, v->acao_manual(false));
        n.definir_acao_mecanica(true, v->acao_mecanica(true));
        n.definir_acao_mecanica(false, v->acao_mecanica(false));
        n.indice_manual = v->indice_manual;
        n.indice_mecanico = v->indice_mecanico;
        n.rotulo = v->rotulo;
        n.descricao = v->descricao;
        n.tomada_ar = v->tomada_ar;
        n.retido = v->retido;
        n.liberado = v->liberado;
        n.mostrar_nome = v->mostrar_nome;
    } else if (const TTomada_Ar *t = o.tomada_ar.get()) {
        c->tomada_ar->pressao = t->pressao;
        c->tomada_ar->fuzzy = t->fuzzy;
    } else if (const TCilindro *ci = o.cilindro.get()) {
        TCilindro &n = *c->cilindro;
        n.posicao_partida = ci->posicao_partida;
        n.posicao = ci->posicao;
        n.pistao = ci->pistao;
        n.haste = ci->haste;
        n.nome = ci->nome;
        for (int i = 1; i <= NUMERO_ROTULOS; ++i)
            n.definir_rotulo(i, ci->rotulo(i).texto, ci->rotulo(i).posicao);
    } else if (const TValvula_E_OU_ESC_REG *e = o.valvula_e_ou_esc_reg.get()) {
        c->valvula_e_ou_esc_reg->definir_estado(e->estado());
        c->valvula_e_ou_esc_reg->vazao = e->vazao;
        c->valvula_e_ou_esc_reg->fuzzy = e->fuzzy;
    }
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
