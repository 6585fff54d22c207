// The directional valve in the system step and the simulation control: it shifts by its
// actuators, pilots and springs, goes back to rest, takes the user's clicks and the rollers a
// cylinder's label holds.
#include "componentes/contexto_simulacao.h"
#include "componentes/valvula_direcional/familia_valvula_direcional.h"
#include "modelo/componente.h"
#include "modelo/estado.h"
#include "modelo/mover_componentes.h"

namespace zefira {

namespace {

bool trava(int acao_manual) { return acao_manual == 2 || acao_manual == 4; }

void deslocar(TEstado &estado, int indice, int d)
{
    TComponente &c = estado.lista()[indice];
    c.valvula_direcional->posicao_atual += d;
    c.atualizar_geometria();
    Reassentar_Ligacoes(estado, indice);
}

void em_repouso(TEstado &estado, int indice)
{
    TComponente &c = estado.lista()[indice];
    c.valvula_direcional->posicao_atual = c.valvula_direcional->posicao_inicial;
    c.atualizar_geometria();
    Reassentar_Ligacoes(estado, indice);
}

// Moves a valve at most one position: towards 1 while actuated on the left, towards its last
// position while actuated on the right, and back by its spring when neither side (or both)
// is actuated.
void comutar(TEstado &estado, int indice)
{
    TValvula_Direcional &v = *estado.lista()[indice].valvula_direcional;
    const bool tem_2 = v.parte(2) != nullptr;
    const bool tem_3 = v.parte(3) != nullptr;

    if (v.acionado_esq && !v.acionado_dir) {
        if (!v.liberado)
            v.retido = true;
        else if (v.sinal_mantido(false))
            v.retido = true;
        else
            v.acionado_esq = false;
        if (tem_2) {
            if (v.posicao_atual >= 2)
                deslocar(estado, indice, -1);
            else if (!v.sinal_mantido(false)) {
                if (v.liberado && !v.retido)
                    deslocar(estado, indice, +1);
                else if (v.liberado && v.retido)
                    v.retido = false;
            }
        }
    } else if (v.acionado_dir && !v.acionado_esq) {
        if (!v.liberado)
            v.retido = true;
        else if (v.sinal_mantido(true))
            v.retido = true;
        else
            v.acionado_dir = false;
        if (tem_2) {
            const bool no_fim = v.posicao_atual >= 3 || (!tem_3 && v.posicao_atual >= 2);
            if (!no_fim)
                deslocar(estado, indice, +1);
            else if (!v.sinal_mantido(true)) {
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

// A pin or roller held down by a cylinder standing on its label shows the valve one position
// to the left per press while editing; a trigger only acts in motion. The layout re-anchors
// one step at a time, between valid positions.
void segurar_rolete(TContexto_Simulacao &sim, TComponente &c)
{
    TValvula_Direcional &v = *c.valvula_direcional;
    const int pressoes = v.rotulo.trimmed().isEmpty() ? 0 : sim.pressoes(v.rotulo);
    const int mecanica = v.acao_mecanica(false);
    if (pressoes == 0 || (mecanica != 1 && mecanica != 2))
        return;
    v.acionado_esq = true;
    for (int k = 0; k < pressoes && v.posicao_atual > 1; ++k) {
        --v.posicao_atual;
        c.atualizar_geometria();
    }
}

} // namespace

void TFamilia_Valvula_Direcional::simular(TContexto_Simulacao &sim, int indice, TEtapa_Simulacao etapa) const
{
    TEstado &estado = sim.estado();
    TComponente &c = estado.lista()[indice];
    TValvula_Direcional &v = *c.valvula_direcional;
    switch (etapa) {
    case TEtapa_Simulacao::partida:
        v.acionado_esq = false;
        v.acionado_dir = false;
        em_repouso(estado, indice);
        break;
    case TEtapa_Simulacao::limpeza:
        // Energised solenoids act as pilots do; the circuit of current was solved before.
        for (bool dir : {false, true})
            if (!v.solenoide(dir).isEmpty())
                v.definir_acionado(dir, sim.solenoide(v.solenoide(dir)));
        break;
    case TEtapa_Simulacao::comutacao: comutar(estado, indice); break;
    case TEtapa_Simulacao::parada: em_repouso(estado, indice); break;
    case TEtapa_Simulacao::repouso:
        v.posicao_atual = v.posicao_inicial;
        v.acionado_esq = false;
        c.atualizar_geometria();
        break;
    case TEtapa_Simulacao::roletes: segurar_rolete(sim, c); break;
    case TEtapa_Simulacao::soltura: v.liberado = true; break;
    default: break;
    }
}

void TFamilia_Valvula_Direcional::restaurar_partida(TComponente &c, const TComponente &partida) const
{
    c.valvula_direcional->posicao_atual = partida.valvula_direcional->posicao_atual;
    c.valvula_direcional->posicao_desenhada = partida.valvula_direcional->posicao_desenhada;
}

// Refused when the side has no manual or mechanical actuator or the other side is actuated.
bool TFamilia_Valvula_Direcional::acionar(TComponente &c, bool dir) const
{
    TValvula_Direcional &v = *c.valvula_direcional;
    if (v.acao_manual(dir) == 0 && v.acao_mecanica(dir) == 0)
        return false;
    if (v.acionado(!dir))
        return false;
    v.definir_acionado(dir, !v.acionado(dir));
    v.retido = false;
    v.liberado = false;
    return true;
}

bool TFamilia_Valvula_Direcional::acionavel(const TComponente &c, QString &nome) const
{
    nome = c.valvula_direcional->descricao.trimmed();
    return true;
}

// A limit valve usually has no name of its own: the label its roller answers to names it.
bool TFamilia_Valvula_Direcional::registrar_posicao(const TComponente &c, TLinha_Historico &linha, int &posicao) const
{
    const TValvula_Direcional &v = *c.valvula_direcional;
    linha = {c.codigo, false, v.descricao.trimmed().isEmpty() ? v.rotulo.trimmed() : v.descricao.trimmed()};
    posicao = v.posicao_atual;
    return true;
}

TFamilia::TEstado_Simulado TFamilia_Valvula_Direcional::estado_simulado(const TComponente &c, bool) const
{
    const TValvula_Direcional &v = *c.valvula_direcional;
    const auto booleano = [](bool b) { return b ? QStringLiteral("true") : QStringLiteral("false"); };
    return {"valvulas", QStringLiteral("{\"codigo\":%1,\"posicao_atual\":%2,\"acionado_esq\":%3,\"acionado_dir\":%4}")
                            .arg(c.codigo)
                            .arg(v.posicao_atual)
                            .arg(booleano(v.acionado_esq), booleano(v.acionado_dir))};
}

// Exhausts 3 and 5 are meant to stay open, and pilots are checked apart.
TFamilia::TVerificado TFamilia_Valvula_Direcional::verificado(const TComponente &c) const
{
    switch (c.valvula_direcional->numero_vias) {
    case 2: return {"Válvula de 2 vias", {1, 2}};
    case 3: return {"Válvula de 3 vias", {1, 2}};
    case 4: return {"Válvula de 4 vias", {1, 2, 4}};
    case 5: return {"Válvula de 5 vias", {1, 2, 4}};
    default: return {};
    }
}

} // namespace zefira
