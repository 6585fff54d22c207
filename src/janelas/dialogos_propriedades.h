#pragma once
// The widgets' side of the component registry: the property dialog each family names
// (TFamilia::dialogo_propriedades), by the dialog's class name.

#include <QList>

class QWidget;

namespace zefira {

struct TEstado;
class TComponente;

// Runs the property dialog of `componente`'s family, found among the dialogs created at
// start-up. True when it was confirmed; false when it was cancelled or the kind has none.
bool Editar_Propriedades(const QList<QWidget *> &dialogos, TEstado &estado, TComponente &componente);

} // namespace zefira
