// The tube in the system step and the simulation control: its pressure and the pilot signal it
// carries are rebuilt every step; the stop puts back its route.
#include "componentes/contexto_simulacao.h"
#include "componentes/fio/familia_fio.h"
#include "modelo/componente.h"
#include "modelo/estado.h"

namespace zefira {

void TFamilia_Fio::simular(TContexto_Simulacao &sim, int indice, TEtapa_Simulacao etapa) const
{
    TFio &w = *sim.estado().lista()[indice].fio;
    if (etapa == TEtapa_Simulacao::parada)
        w.pressao = 0;
    if (etapa == TEtapa_Simulacao::partida || etapa == TEtapa_Simulacao::parada)
        w.corrente = false;
    if (etapa != TEtapa_Simulacao::limpeza)
        return;
    w.pressao = 0;
    // Pilot signals are rebuilt from pressure every step; clicks and labels stay.
    for (bool origem : {false, true}) {
        const int pino = w.pino(origem);
        if (pino != 6 && pino != 7)
            continue;
        TComponente *v = sim.procurar(w.conexao(origem));
        if (v && v->tipo == TIPO_VALVULA_DIRECIONAL)
            v->valvula_direcional->definir_acionado(pino == 7, false);
    }
}

void TFamilia_Fio::restaurar_partida(TComponente &c, const TComponente &partida) const { c.fio->pontos = partida.fio->pontos; }
bool TFamilia_Fio::acionar(TComponente &, bool) const { return false; }
bool TFamilia_Fio::acionavel(const TComponente &, QString &) const { return false; }
bool TFamilia_Fio::registrar_posicao(const TComponente &, TLinha_Historico &, int &) const { return false; }

TFamilia::TEstado_Simulado TFamilia_Fio::estado_simulado(const TComponente &c, bool) const
{
    return {"fios", QStringLiteral("{\"codigo\":%1,\"pressao\":%2}").arg(c.codigo).arg(c.fio->pressao)};
}

TFamilia::TVerificado TFamilia_Fio::verificado(const TComponente &) const { return {"Tubo", {}}; }

} // namespace zefira
