#pragma once
// The three ways of commanding a sequence that the assistant draws, and what each needs to
// know of it: the signal that starts every step, whether those signals overlap (intuitive),
// the groups of the cascade and the steps of the step-by-step chain, and the table that shows
// them to the teacher.

#include "simulacao/sequencia_movimentos.h"

#include <QString>
#include <QStringList>
#include <vector>

namespace zefira {

enum class TMetodo { intuitivo, cascata, passo_a_passo };

// "intuitivo", "cascata", "passo-a-passo"; false for any other word.
bool Ler_Metodo(const QString &palavra, TMetodo &metodo);
QString Nome_Metodo(TMetodo metodo);

// The end-position sensor of a cylinder: its label in a pneumatic circuit ("a0" retracted,
// "a1" advanced) and its tag in an electrical one ("1S1" retracted, "1S2" advanced, cylinder
// A being 1).
QString Rotulo_Fim_Curso(QChar cilindro, bool avancado);
QString Tag_Fim_Curso(QChar cilindro, bool avancado);
// The solenoids of a cylinder's valve: "1Y1" advances, "1Y2" retracts.
QString Tag_Solenoide(QChar cilindro, bool avanco);

// The sensors whose positions confirm that step `passo` is over: one per movement of the step,
// at the end the movement reaches (advanced for X+). These, all together, start the next step;
// the last step's start the first one again, with the start button.
std::vector<TMovimento> Fins_Do_Passo(const TSequencia_Movimentos &s, int passo);

// Intuitive command: each step piloted by the sensors that end the step before (the first by
// the start button and the last step's sensors). Empty when no valve is ever piloted to both
// sides at once nor moved out of turn; otherwise the two movements in conflict with their
// signals, "A+ (partida e a0) e A- (b0)" (tags and "S1" when `eletrico`).
QString Sobreposicao_Sinais(const TSequencia_Movimentos &s, bool eletrico = false);

// The cascade's groups by the usual rule: consecutive steps, a new group as soon as a cylinder
// would appear twice in the current one. Each group holds the indices of its steps.
std::vector<std::vector<int>> Grupos_Cascata(const TSequencia_Movimentos &s);

// The lines the assistant shows (stderr of "gerar", the dialog's preview): the groups of the
// cascade or the steps of the chain, each with the signal that starts it; for the intuitive
// method, its steps. Sensor names as labels, or as tags when `eletrico`.
QStringList Tabela_Metodo(const TSequencia_Movimentos &s, TMetodo metodo, bool eletrico);

} // namespace zefira
