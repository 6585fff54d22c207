#include "shell/janelas_dialogo.h"

#include <QDialog>

namespace zefira {

QStringList Nomes_Janelas_Dialogo()
{
    return {"TFormfiguras",
            "TFormconfiguracaovalvula",
            "TFormconfiguracaovalvulareguladora",
            "TFormconfiguracaocilindro",
            "TFormeditarrotulos",
            "TFormconfiguracaotomadaar"};
}

QWidget *Criar_Janela_Dialogo(const QString &nome, TEstado &, QWidget *pai)
{
    // Hidden until a command shows it.
    auto *dialogo = new QDialog(pai);
    dialogo->setObjectName(nome);
    return dialogo;
}

} // namespace zefira
