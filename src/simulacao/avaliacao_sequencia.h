#pragma once
// Checking a run against an expected sequence of movements such as "A+ B+ B- A-": the run
// meets it when its first movements are exactly the expected ones, names compared ignoring
// case. The expected sequence comes from the command line or from a line of the circuit's
// notes, "Sequência: A+ B+ B- A-".

#include <QString>
#include <QStringList>

namespace zefira {

// Splits a sequence at blanks. False for an empty one or for a movement that is not a name
// followed by "+" or "-" (or that holds a parenthesis: a group is the grammar's, see
// sequencia_movimentos.h). Older notes name cylinders freely, "1A+ 1A-".
bool Ler_Sequencia(const QString &texto, QStringList &movimentos);

// The sequence of the first notes line that starts with "Sequência:" (case and surrounding
// blanks ignored) and holds a valid sequence, by the grammar or else as free names; empty when
// there is none.
QStringList Sequencia_Das_Observacoes(const QStringList &observacoes);

// Whether the obtained movements begin with the expected ones.
bool Sequencia_Cumprida(const QStringList &esperada, const QStringList &obtida);

} // namespace zefira
