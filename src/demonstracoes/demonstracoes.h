#pragma once
// The demonstration circuits of the Demo menu, built from their data tables.

#include "modelo/estado.h"
#include "modelo/interface_usuario.h"

#include <QStringList>

namespace zefira {

struct TTabelaDemonstracao;

// Menu item names, in menu order.
QStringList Nomes_Demonstracoes();
const TTabelaDemonstracao *Tabela_Demonstracao(const QString &nome);

// Builds the demonstration as the Demo menu does: the new command first (which may ask to
// save, and may be cancelled), then the title and the components. False for an unknown name
// or when the new command was cancelled (the current circuit is then untouched).
bool Construir_Demonstracao(TEstado &estado, TInterfaceUsuario &ui, const QString &nome);

} // namespace zefira
