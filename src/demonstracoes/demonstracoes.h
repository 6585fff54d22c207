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

// Adds the components of table rows to the state's circuit and links them, as a demonstration
// is built (the sequence assistant writes its circuits this way). False, with the malformed row
// in `erro`, leaving the circuit untouched.
bool Acrescentar_Tabela(TEstado &estado, const char *linhas, QString *erro = nullptr);

} // namespace zefira
