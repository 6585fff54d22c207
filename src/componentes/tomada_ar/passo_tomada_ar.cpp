// The air supply in the system step: each step it feeds the tube it is wired to, or the
// component it is docked on, which walks from the port it sits on.
#include "componentes/contexto_simulacao.h"
#include "componentes/tomada_ar/familia_tomada_ar.h"
#include "modelo/componente.h"
#include "modelo/estado.h"

namespace zefira {

namespace {

void alimentar_rede(TContexto_Simulacao &sim, const TComponente &tomada)
{
    const TTomada_Ar &s = *tomada.tomada_ar;
    TComponente *x = sim.procurar(s.conexao);
    if (!x)
        return;
    if (s.pino != -1) {
        x->familia().receber_ar(sim, *x, s);
        return;
    }
    if (!x->e_fio())
        return;
    TFio &w = *x->fio;
    w.pressao = s.pressao;
    const bool da_origem = w.conexao_origem == tomada.codigo;
    Tno *raiz = sim.nova_raiz(x->codigo, da_origem ? 0 : 1, s.pressao, VAZAO_MAXIMA);
    if ((da_origem ? w.conexao_destino : w.conexao_origem) != LIVRE)
        sim.percorrer(true, raiz);
}

} // namespace

void TFamilia_Tomada_Ar::simular(TContexto_Simulacao &sim, int indice, TEtapa_Simulacao etapa) const
{
    const TComponente &c = sim.estado().lista()[indice];
    if (etapa == TEtapa_Simulacao::alimentacao && c.tomada_ar->conexao != LIVRE)
        alimentar_rede(sim, c);
}

void TFamilia_Tomada_Ar::restaurar_partida(TComponente &, const TComponente &) const {}
bool TFamilia_Tomada_Ar::acionar(TComponente &, bool) const { return false; }
bool TFamilia_Tomada_Ar::acionavel(const TComponente &, QString &) const { return false; }
bool TFamilia_Tomada_Ar::registrar_posicao(const TComponente &, TLinha_Historico &, int &) const { return false; }
TFamilia::TEstado_Simulado TFamilia_Tomada_Ar::estado_simulado(const TComponente &, bool) const { return {}; }
TFamilia::TVerificado TFamilia_Tomada_Ar::verificado(const TComponente &) const { return {"Tomada de Ar", {1}}; }

} // namespace zefira
