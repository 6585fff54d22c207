#pragma once
// What the main window found of the program's data when it was created: the help documents,
// the placement cursors and the about picture, with the folders they came from, and where
// the user's circuits go. Lets a technician check an installation without clicking around.

#include <QStringList>

namespace zefira {

struct TEstado;
class TForm1;

// Fills `linhas` with the report; true when nothing is missing.
bool Verificar_Instalacao(const TForm1 &form, const TEstado &estado, QStringList &linhas);

} // namespace zefira
