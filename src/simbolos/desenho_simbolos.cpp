#include "simbolos/desenho_simbolos.h"

#include "simbolos/desenho_auxiliar.h"

#include <QHash>

namespace zefira {

namespace {

using desenho::Desenho;
using desenho::Funcao;

// Every drawing of every family, by name. `nada` has no entry: it stays blank.
QHash<QString, Funcao> montar_indice()
{
    QHash<QString, Funcao> indice;
    for (auto familia : {desenho::desenhos_valvulas, desenho::desenhos_acionadores,
                         desenho::desenhos_componentes, desenho::desenhos_eletricos}) {
        int n = 0;
        const Desenho *lista = familia(n);
        for (int i = 0; i < n; ++i)
            indice.insert(QString::fromLatin1(lista[i].nome), lista[i].desenhar);
    }
    return indice;
}

} // namespace

void desenhar_simbolo(const QString &nome, QPainter &p, int largura, int altura)
{
    static const QHash<QString, Funcao> indice = montar_indice();
    const Funcao f = indice.value(nome, nullptr);
    if (f)
        f(p, largura, altura);
}

} // namespace zefira
