#pragma once
// The property dialogs and the picker: one window each, created at start-up in a fixed order.

#include <QStringList>
#include <QWidget>

namespace zefira {

struct TEstado;

// Class names in creation order.
QStringList Nomes_Janelas_Dialogo();
QWidget *Criar_Janela_Dialogo(const QString &nome, TEstado &estado, QWidget *pai);

} // namespace zefira
