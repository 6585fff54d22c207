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

// Builds one air supply with a fixed code, attached to port `pino` of component `conexao`,
// and appends it keeping its code. The host's slot is left to the caller.
TComponente &CriarTomadaAr(TEstado &estado, int codigo, int pressao, int conexao, int pino, int esquerda, int topo);

} // namespace zefira
