#pragma once
// Where the program's data lives: the help documents, the placement cursors, the about picture
// and the example circuits. Run from its build folder, the program keeps them beside its
// executable; installed, in share/zefira beside its bin folder (P/bin/zefira and
// P/share/zefira/...). Every lookup of such a file goes through here.

#include <QString>

namespace zefira {

// The data folder relative to the executable's folder, once installed.
extern const char *const PASTA_DADOS_INSTALADA; // "../share/zefira"

// Path of a data file or folder named relative to the data folder ("Ajuda/Edicao.hlp",
// "figuras/e.cur", "sobre.jpg"). Beside the program when it is there, else in the installed
// data folder when it is there; when it is nowhere, the path beside the program, so that
// a message about it names the place a build would have it.
QString Caminho_Dados(const QString &pasta_programa, const QString &relativo);

// True when the program runs from an installation (its data folder exists beside its bin
// folder). An installation's folders belong to the system, never to the user's files.
bool Programa_Instalado(const QString &pasta_programa);

} // namespace zefira
