#include "componentes/campo_arquivo.h"

#include "modelo/componente.h"

namespace zefira {

using C = TContexto_Leitura;
using T = TipoCampo;
using G = Genero;

TCampo_Arquivo Campo_Codigo()
{
    return {T::Inteiro, "Código", G::Masculino, [](C &x, int n, const QString &) { x.componente.codigo = n; },
            [](const TComponente &c) { return c.codigo; }, nullptr};
}

TCampo_Arquivo Campo_Nome()
{
    return {T::Texto, nullptr, G::Masculino, [](C &x, int, const QString &t) { x.componente.nome = t; }, nullptr,
            [](const TComponente &c) { return c.nome; }};
}

TCampo_Arquivo Campo_Selecao()
{
    TCampo_Arquivo campo{T::Sinal, "Seleção", G::Feminino,
                         [](C &x, int n, const QString &) {
                             if (n)
                                 x.componente.selecionar();
                         },
                         [](const TComponente &c) { return int(c.selecionado()); }, nullptr};
    campo.selecao = true;
    return campo;
}

TCampo_Arquivo Campo_Esquerda()
{
    return {T::Inteiro, "Esquerda", G::Feminino, [](C &x, int n, const QString &) { x.componente.esquerda = n; },
            [](const TComponente &c) { return c.esquerda; }, nullptr};
}

TCampo_Arquivo Campo_Topo()
{
    return {T::Inteiro, "Topo", G::Masculino, [](C &x, int n, const QString &) { x.componente.topo = n; },
            [](const TComponente &c) { return c.topo; }, nullptr};
}

} // namespace zefira
