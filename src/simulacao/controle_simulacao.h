#pragma once
// Simulation control: start, pause and stop from the toolbar and the menu, the 20 ms timer
// tick that runs a step every 400 ms, and the user's clicks on valve actuators.

#include "modelo/estado.h"
#include "simulacao/apresentacao_simulacao.h"

namespace zefira {

constexpr int PERIODO_TIMER = 20;  // ms between ticks
constexpr int PERIODO_PASSO = 400; // ms between simulation steps at the normal speed

// The speeds the user may choose: ms between steps. Redrawing keeps the timer's pace.
constexpr int INTERVALO_LENTO = 1600;
constexpr int INTERVALO_NORMAL = PERIODO_PASSO;
constexpr int INTERVALO_RAPIDO = 100;
// Sets the step interval; any value other than the three speeds is refused (false), so a
// damaged setting cannot leave the simulation without a pace.
bool Definir_Intervalo_Passo(TEstado &estado, int intervalo);

// Start or resume. A fresh start puts valves at rest and remembers cylinder positions.
void TBiniciarClick(TEstado &estado);
void TBpausarClick(TEstado &estado);
// Stop: restores valve rest positions and cylinder start positions.
void TBpararClick(TEstado &estado);
// Menu items: as the toolbar buttons, pressing the check button first.
void iniciarClick(TEstado &estado);
void pausarClick(TEstado &estado);
void pararClick(TEstado &estado);
// Single step: stopped, starts paused and runs one step; paused, runs one step; running,
// pauses.
void unicopassoClick(TEstado &estado);

// One tick of the work area's timer.
void Timer1Timer(TEstado &estado, const TApresentacaoSimulacao &apresentacao);
// Whether ticks have nothing left to do until the next input or command: no step is due (stopped
// or paused), the rest update after a stop has run and no cam waits to be taken down. The work
// area then lets its timer sleep.
bool Relogio_Pode_Dormir(const TEstado &estado);

// Toggles the actuation of one side of a component as a press on that side's actuator band
// does (its family's TFamilia::acionar). Refused (false) when the side has no manual or
// mechanical actuator, the other side is actuated, or the kind has no actuators.
bool Acionar_Lado(TComponente &componente, bool dir);

} // namespace zefira
