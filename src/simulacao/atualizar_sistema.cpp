// One simulation step: reset the marks of the previous step, feed from every supply, move
// cylinders fed directly or pushed back by their spring, shift every directional valve.

#include "modelo/mover_componentes.h"
#include "simulacao/percurso.h"
#include "simulacao/registro_movimentos.h"
#include "simulacao/simulacao.h"

#include <algorithm>

namespace zefira {

namespace {

constexpr int VAZAO_MAXIMA = 2000;
// An exhaust probe of a spring return carries the highest pressure, so the force of a
// spring-driven move is the strongest the model gives at that flow.
constexpr int PRESSAO_PROBE_MOLA = 10;

// Starts a walk: the node list is emptied and the new root is its first node.
Tno *nova_raiz(TEstado &estado, int componente, int porta, int pressao, int vazao)
{
    estado.lista_nos->limpar();
    auto no = std::make_unique<Tno>();
    no->componente = componente;
    no->porta = porta;
    no->pressao = pressao;
    no->vazao = vazao;
    estado.no_raiz = estado.lista_nos->adicionar(std::move(no));
    return estado.no_raiz;
}

void limpar_marcas(TEstado &estado, const TPercurso &percurso)
{
    const TLista_Componente &lista = estado.lista();
    for (int i = 0; i < lista.numero_componentes(); ++i) {
        TComponente &c = lista[i];
        switch (c.tipo) {
        case TIPO_FIO: {
            TFio &w = *c.fio;
            w.pressao = 0;
            // Pilot signals are rebuilt from pressure every step; clicks and labels stay.
            for (bool origem : {false, true}) {
                const int pino = w.pino(origem);
                if (pino != 6 && pino != 7)
                    continue;
                TComponente *v = percurso.procurar(w.conexao(origem));
                if (v && v->tipo == TIPO_VALVULA_DIRECIONAL)
                    v->valvula_direcional->definir_acionado(pino == 7, false);
            }
            break;
        }
        case TIPO_E_OU_ESC_REG:
            c.valvula_e_ou_esc_reg->entrada_esq = false;
            c.valvula_e_ou_esc_reg->entrada_dir = false;
            break;
        case TIPO_CILINDRO:
            c.cilindro->pressurizado_1 = false;
            c.cilindro->pressurizado_2 = false;
            c.cilindro->marcado = false;
            break;
        default: break;
        }
    }
}

void alimentar(TEstado &estado, TPercurso &percurso, const TComponente &tomada)
{
    const TTomada_Ar &s = *tomada.tomada_ar;
    TComponente *x = percurso.procurar(s.conexao);
    if (!x)
        return;

    if (s.pino == -1) {
        if (x->tipo != TIPO_FIO)
            return;
        TFio &w = *x->fio;
        w.pressao = s.pressao;
        const bool da_origem = w.conexao_origem == tomada.codigo;
        Tno *raiz = nova_raiz(estado, x->codigo, da_origem ? 0 : 1, s.pressao, VAZAO_MAXIMA);
        if ((da_origem ? w.conexao_destino : w.conexao_origem) != LIVRE)
            percurso.Montar_Lista(true, raiz);
        return;
    }

    if (x->tipo == TIPO_VALVULA_DIRECIONAL) {
        // A docked supply always feeds port 1. The ports it feeds are the exits of port 1 in
        // the routing table, but here every one of them is walked, whatever the first gave.
        const TValvula_Direcional &v = *x->valvula_direcional;
        Tno *raiz = nova_raiz(estado, x->codigo, -1, s.pressao, VAZAO_MAXIMA);
        const TParte *parte = v.parte(v.posicao_atual);
        if (!parte)
            return;
        const TSaidas saidas = Saidas_Valvula(v.numero_vias, parte->tipo(), 1);
        for (int k = 0; k < saidas.quantidade; ++k) {
            raiz->porta = saidas.porta[k];
            percurso.Montar_Lista(true, raiz);
        }
        return;
    }

    if (x->tipo == TIPO_CILINDRO) {
        // Fed directly: no tentative step and no chamber flags; the other chamber must vent.
        TCilindro &c = *x->cilindro;
        const bool na_porta_1 = s.pino == 1;
        Tno *raiz = nova_raiz(estado, x->codigo, na_porta_1 ? 2 : 1, s.pressao, VAZAO_MAXIMA);
        estado.vazao_minima = VAZAO_MAXIMA;
        if (!percurso.Montar_Lista(true, raiz))
            return;
        if (na_porta_1 ? c.posicao >= 100 : c.posicao < 1)
            return;
        raiz->vazao = std::min(raiz->vazao, estado.vazao_minima);
        c.posicao = percurso.ProcurarProximaPosicao(c, na_porta_1, raiz->vazao, raiz->pressao);
        percurso.Atualizar_Contatos(c, TFormaContato::direto);
    }
    // Docked on any other kind (only a hand-edited file does that): the supply feeds nothing.
}

void retorno_por_mola(TEstado &estado, TPercurso &percurso, const TComponente &componente)
{
    TCilindro &c = *componente.cilindro;
    const int ligado = c.conexao(true);
    if (ligado == LIVRE) {
        if (c.posicao < 1)
            return;
        const Tno *r = estado.no_raiz;
        c.posicao = percurso.ProcurarProximaPosicao(c, false, r ? r->vazao : 0, r ? r->pressao : 0);
        percurso.Atualizar_Contatos(c, TFormaContato::direto);
        return;
    }
    TComponente *x = percurso.procurar(ligado);
    if (!x || x->tipo != TIPO_FIO)
        return;
    TFio &w = *x->fio;
    w.pressao = 0;
    const bool origem_aqui = w.conexao_origem == componente.codigo;
    Tno *raiz = nova_raiz(estado, x->codigo, origem_aqui ? 0 : 1, PRESSAO_PROBE_MOLA, VAZAO_MAXIMA);
    if ((origem_aqui ? w.conexao_destino : w.conexao_origem) == LIVRE || c.posicao < 1)
        return;
    estado.vazao_minima = VAZAO_MAXIMA;
    if (!percurso.Montar_Lista(false, raiz))
        return;
    raiz->vazao = std::min(raiz->vazao, estado.vazao_minima);
    c.posicao = percurso.ProcurarProximaPosicao(c, false, raiz->vazao, raiz->pressao);
    percurso.Atualizar_Contatos(c, TFormaContato::direto);
}

bool trava(int acao_manual) { return acao_manual == 2 || acao_manual == 4; }

void deslocar(TEstado &estado, int indice, int d)
{
    TComponente &c = estado.lista()[indice];
    c.valvula_direcional->posicao_atual += d;
    c.atualizar_geometria();
    Reassentar_Ligacoes(estado, indice);
}

// Moves a valve at most one position: towards 1 while actuated on the left, towards its last
// position while actuated on the right, and back by its spring when neither side (or both)
// is actuated.
void deslocar_valvula(TEstado &estado, int indice)
{
    TValvula_Direcional &v = *estado.lista()[indice].valvula_direcional;
    const bool tem_2 = v.parte(2) != nullptr;
    const bool tem_3 = v.parte(3) != nullptr;

    if (v.acionado_esq && !v.acionado_dir) {
        if (!v.liberado)
            v.retido = true;
        else if (v.piloto_esq)
            v.retido = true;
        else
            v.acionado_esq = false;
        if (tem_2) {
            if (v.posicao_atual >= 2)
                deslocar(estado, indice, -1);
            else if (!v.piloto_esq) {
                if (v.liberado && !v.retido)
                    deslocar(estado, indice, +1);
                else if (v.liberado && v.retido)
                    v.retido = false;
            }
        }
    } else if (v.acionado_dir && !v.acionado_esq) {
        if (!v.liberado)
            v.retido = true;
        else if (v.piloto_dir)
            v.retido = true;
        else
            v.acionado_dir = false;
        if (tem_2) {
            const bool no_fim = v.posicao_atual >= 3 || (!tem_3 && v.posicao_atual >= 2);
            if (!no_fim)
                deslocar(estado, indice, +1);
            else if (!v.piloto_dir) {
                if (v.liberado && !v.retido)
                    deslocar(estado, indice, -1);
                else if (v.liberado && v.retido)
                    v.retido = false;
            }
        }
    } else if (v.mola_esq && !v.mola_dir) {
        // A latching actuator on the opposite side keeps the spring from returning the valve.
        if (tem_2 && v.posicao_atual > 1 && !trava(v.acao_manual(true)))
            deslocar(estado, indice, -1);
    } else if (v.mola_dir && !v.mola_esq) {
        if (tem_2 && v.posicao_atual < 3 && !trava(v.acao_manual(false)) && (tem_3 || v.posicao_atual < 2))
            deslocar(estado, indice, +1);
    }
    estado.lista()[indice].atualizar_geometria();
}

} // namespace

void Atualizar_Sistema(TEstado &estado)
{
    if (estado.modo != MODO_SIMULACAO || !estado.controles.TBiniciar_baixo)
        return;
    ++estado.revisao_simulacao;
    TPercurso percurso(estado);
    const TLista_Componente &lista = estado.lista();

    limpar_marcas(estado, percurso);

    for (int i = 0; i < lista.numero_componentes(); ++i) {
        const TComponente &c = lista[i];
        if (c.tipo == TIPO_TOMADA_AR && c.tomada_ar->conexao != LIVRE)
            alimentar(estado, percurso, c);
    }

    for (int i = 0; i < lista.numero_componentes(); ++i) {
        const TComponente &c = lista[i];
        if (c.tipo != TIPO_CILINDRO)
            continue;
        percurso.Atualizar_Contatos(*c.cilindro, TFormaContato::passo);
        if (c.cilindro->tipo() == 1 && !c.cilindro->pressurizado_1)
            retorno_por_mola(estado, percurso, c);
    }

    for (int i = 0; i < lista.numero_componentes(); ++i)
        if (lista[i].tipo == TIPO_VALVULA_DIRECIONAL)
            deslocar_valvula(estado, i);

    Registrar_Passo(estado);
}

} // namespace zefira
