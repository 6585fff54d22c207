#include "janelas/janelas_dialogo.h"

#include "dialogos/configuracaocilindro.h"
#include "dialogos/configuracaoeletrica.h"
#include "dialogos/configuracaotomadaar.h"
#include "dialogos/configuracaovalvula.h"
#include "dialogos/configuracaovalvulareguladora.h"
#include "dialogos/editarrotulos.h"
#include "dialogos/figuras.h"
#include "modelo/estado.h"

#include <functional>
#include <utility>
#include <vector>

namespace zefira {

namespace {

using Criador = std::function<QWidget *(TEstado &, QWidget *)>;

// Windows that work in pairs find the partner created before them among the siblings.
template <class T> T *ja_criada(QWidget *pai) { return pai ? pai->findChild<T *>(QString(), Qt::FindDirectChildrenOnly) : nullptr; }

const std::vector<std::pair<QString, Criador>> &Criadores()
{
    static const std::vector<std::pair<QString, Criador>> criadores = {
        {QStringLiteral("TFormfiguras"), [](TEstado &e, QWidget *pai) { return new TFormfiguras(e.imagens, pai); }},
        {QStringLiteral("TFormconfiguracaovalvula"),
         [](TEstado &e, QWidget *pai) {
             return new TFormconfiguracaovalvula(e.imagens, ja_criada<TFormfiguras>(pai), pai);
         }},
        {QStringLiteral("TFormconfiguracaovalvulareguladora"),
         [](TEstado &, QWidget *pai) { return new TFormconfiguracaovalvulareguladora(pai); }},
        {QStringLiteral("TFormconfiguracaocilindro"),
         [](TEstado &, QWidget *pai) { return new TFormconfiguracaocilindro(pai); }},
        {QStringLiteral("TFormeditarrotulos"),
         [](TEstado &, QWidget *pai) {
             auto *editor = new TFormeditarrotulos(pai);
             if (auto *cilindro = ja_criada<TFormconfiguracaocilindro>(pai))
                 cilindro->definir_editor_rotulos(editor);
             return editor;
         }},
        {QStringLiteral("TFormconfiguracaotomadaar"),
         [](TEstado &, QWidget *pai) { return new TFormconfiguracaotomadaar(pai); }},
        {QStringLiteral("TFormconfiguracaoeletrica"),
         [](TEstado &, QWidget *pai) { return new TFormconfiguracaoeletrica(pai); }},
    };
    return criadores;
}

} // namespace

QStringList Nomes_Janelas_Dialogo()
{
    QStringList nomes;
    for (const auto &c : Criadores())
        nomes << c.first;
    return nomes;
}

QWidget *Criar_Janela_Dialogo(const QString &nome, TEstado &estado, QWidget *pai)
{
    // Hidden until a command shows it.
    for (const auto &c : Criadores())
        if (c.first == nome)
            return c.second(estado, pai);
    return nullptr;
}

} // namespace zefira
