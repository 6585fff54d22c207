#include "janelas/dialogos_propriedades.h"

#include "dialogos/configuracaocilindro.h"
#include "dialogos/configuracaoeletrica.h"
#include "dialogos/configuracaotomadaar.h"
#include "dialogos/configuracaovalvula.h"
#include "dialogos/configuracaovalvulareguladora.h"
#include "modelo/estado.h"

namespace zefira {

namespace {

// Finds the dialog of type T among the created ones and runs it on the component.
template <class T, class F> bool com_dialogo(const QList<QWidget *> &dialogos, F editar)
{
    for (QWidget *w : dialogos)
        if (auto *d = qobject_cast<T *>(w))
            return editar(*d);
    return false;
}

struct TDialogo_Propriedades {
    const char *nome;
    bool (*editar)(const QList<QWidget *> &, TEstado &, TComponente &);
};

const TDialogo_Propriedades DIALOGOS[] = {
    {"TFormconfiguracaovalvula",
     [](const QList<QWidget *> &d, TEstado &e, TComponente &c) {
         return com_dialogo<TFormconfiguracaovalvula>(d, [&](auto &f) { return f.editar(e.lista(), c); });
     }},
    {"TFormconfiguracaotomadaar",
     [](const QList<QWidget *> &d, TEstado &, TComponente &c) {
         return com_dialogo<TFormconfiguracaotomadaar>(d, [&](auto &f) { return f.editar(c); });
     }},
    {"TFormconfiguracaocilindro",
     [](const QList<QWidget *> &d, TEstado &e, TComponente &c) {
         return com_dialogo<TFormconfiguracaocilindro>(d, [&](auto &f) { return f.editar(e.lista(), c); });
     }},
    {"TFormconfiguracaovalvulareguladora",
     [](const QList<QWidget *> &d, TEstado &, TComponente &c) {
         return com_dialogo<TFormconfiguracaovalvulareguladora>(d, [&](auto &f) { return f.editar(c); });
     }},
    {"TFormconfiguracaoeletrica",
     [](const QList<QWidget *> &d, TEstado &e, TComponente &c) {
         return com_dialogo<TFormconfiguracaoeletrica>(d, [&](auto &f) { return f.editar(e.lista(), c); });
     }},
};

} // namespace

bool Editar_Propriedades(const QList<QWidget *> &dialogos, TEstado &estado, TComponente &componente)
{
    const QString nome = componente.familia().dialogo_propriedades(componente);
    for (const TDialogo_Propriedades &d : DIALOGOS)
        if (!nome.isEmpty() && nome == QLatin1String(d.nome))
            return d.editar(dialogos, estado, componente);
    return false;
}

} // namespace zefira
