// The cylinder in the system step and the simulation control: it presses its labels' valves,
// its spring returns a single-acting rod, a stop brings it back where the start found it.
#include "componentes/cilindro/familia_cilindro.h"
#include "componentes/contexto_simulacao.h"
#include "modelo/componente.h"
#include "modelo/estado.h"

#include <algorithm>

namespace zefira {

namespace {

// An exhaust probe of a spring return carries the highest pressure, so the force of a
// spring-driven move is the strongest the model gives at that flow.
constexpr int PRESSAO_PROBE_MOLA = 10;

void retorno_por_mola(TContexto_Simulacao &sim, const TComponente &componente)
{
    TEstado &estado = sim.estado();
    TCilindro &c = *componente.cilindro;
    const int ligado = c.conexao(true);
    if (ligado == LIVRE) {
        if (c.posicao < 1)
            return;
        const Tno *r = estado.no_raiz;
        c.posicao = sim.proxima_posicao(c, false, r ? r->vazao : 0, r ? r->pressao : 0);
        sim.atualizar_contatos(c, TFormaContato::direto);
        return;
    }
    TComponente *x = sim.procurar(ligado);
    if (!x || !x->e_fio())
        return;
    TFio &w = *x->fio;
    w.pressao = 0;
    const bool origem_aqui = w.conexao_origem == componente.codigo;
    Tno *raiz = sim.nova_raiz(x->codigo, origem_aqui ? 0 : 1, PRESSAO_PROBE_MOLA, VAZAO_MAXIMA);
    if ((origem_aqui ? w.conexao_destino : w.conexao_origem) == LIVRE || c.posicao < 1)
        return;
    estado.vazao_minima = VAZAO_MAXIMA;
    if (!sim.percorrer(false, raiz))
        return;
    raiz->vazao = std::min(raiz->vazao, estado.vazao_minima);
    c.posicao = sim.proxima_posicao(c, false, raiz->vazao, raiz->pressao);
    sim.atualizar_contatos(c, TFormaContato::direto);
}

} // namespace

void TFamilia_Cilindro::simular(TContexto_Simulacao &sim, int indice, TEtapa_Simulacao etapa) const
{
    TComponente &componente = sim.estado().lista()[indice];
    TCilindro &c = *componente.cilindro;
    switch (etapa) {
    case TEtapa_Simulacao::partida:
        c.pressurizado_1 = false;
        c.pressurizado_2 = false;
        c.posicao_partida = c.posicao;
        break;
    case TEtapa_Simulacao::limpeza:
        c.pressurizado_1 = false;
        c.pressurizado_2 = false;
        c.marcado = false;
        break;
    case TEtapa_Simulacao::contatos:
        sim.atualizar_contatos(c, TFormaContato::passo);
        if (c.tipo() == 1 && !c.pressurizado_1)
            retorno_por_mola(sim, componente);
        break;
    case TEtapa_Simulacao::parada:
        c.forca = 0;
        c.forca_teorica = 0;
        c.posicao = c.posicao_partida;
        break;
    case TEtapa_Simulacao::repouso:
    case TEtapa_Simulacao::sensores:
        for (int r = 1; r <= NUMERO_ROTULOS; ++r) {
            const TRotulo rotulo = c.rotulo(r);
            if (rotulo.posicao == c.posicao)
                sim.pressionar_rotulo(rotulo.texto);
        }
        break;
    default: break;
    }
}

void TFamilia_Cilindro::restaurar_partida(TComponente &c, const TComponente &partida) const
{
    c.cilindro->posicao = partida.cilindro->posicao;
}

bool TFamilia_Cilindro::acionar(TComponente &, bool) const { return false; }
bool TFamilia_Cilindro::acionavel(const TComponente &, QString &) const { return false; }

// The stroke is recorded under the cylinder's movement name: its nome without surrounding
// blanks, or "C" and its code when that is empty.
bool TFamilia_Cilindro::registrar_posicao(const TComponente &c, TLinha_Historico &linha, int &posicao) const
{
    const QString nome = c.cilindro->nome.trimmed();
    linha = {c.codigo, true, nome.isEmpty() ? QStringLiteral("C%1").arg(c.codigo) : nome};
    posicao = c.cilindro->posicao;
    return true;
}

TFamilia::TEstado_Simulado TFamilia_Cilindro::estado_simulado(const TComponente &c, bool forca_teorica) const
{
    return {"cilindros", QStringLiteral("{\"codigo\":%1,\"posicao\":%2,\"forca\":%3%4}")
                             .arg(c.codigo)
                             .arg(c.cilindro->posicao)
                             .arg(c.cilindro->forca)
                             .arg(forca_teorica ? QStringLiteral(",\"forca_teorica\":%1").arg(c.cilindro->forca_teorica)
                                                : QString())};
}

// A single-acting cylinder's spring side breathes.
TFamilia::TVerificado TFamilia_Cilindro::verificado(const TComponente &c) const
{
    switch (c.cilindro->tipo()) {
    case 1: return {"Cilindro", {1}};
    case 2:
    case 3: return {"Cilindro", {1, 2}};
    default: return {};
    }
}

} // namespace zefira
