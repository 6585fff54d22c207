// The simulation walk's node list, and the state a fresh program starts from.
#include "modelo/estado.h"
#include "modelo/lista_no.h"
#include <gtest/gtest.h>

using namespace zefira;

TEST(ListaNo, NumeraNaOrdemERecomecaDepoisDeLimpar)
{
    TLista_No lista;
    EXPECT_EQ(lista.numero_nos(), 0);
    EXPECT_EQ(lista.ultimo_codigo, 0);
    Tno *a = lista.adicionar(std::make_unique<Tno>());
    Tno *b = lista.adicionar(std::make_unique<Tno>(a));
    Tno *c = lista.adicionar(std::make_unique<Tno>(b));
    EXPECT_EQ(a->codigo, 1);
    EXPECT_EQ(b->codigo, 2);
    EXPECT_EQ(c->codigo, 3);
    EXPECT_EQ(lista.numero_nos(), 3);
    EXPECT_EQ(&lista[1], b);
    EXPECT_EQ(c->anterior, b);

    lista.limpar();
    EXPECT_EQ(lista.numero_nos(), 0);
    EXPECT_EQ(lista.ultimo_codigo, 0);
    EXPECT_EQ(lista.adicionar(std::make_unique<Tno>())->codigo, 1);
}

// The current component is the placeholder, the walk has its root, the list draws from the
// state's own symbol library.
TEST(Estado, ComecaVazioComOComponenteNuloEUmaRaiz)
{
    TEstado e;
    EXPECT_EQ(e.lista().numero_componentes(), 0);
    ASSERT_TRUE(e.componente_nulo);
    EXPECT_EQ(e.componente_atual, e.componente_nulo);
    EXPECT_EQ(e.componente_nulo->codigo, -1);
    ASSERT_EQ(e.lista_nos->numero_nos(), 1);
    EXPECT_EQ(e.no_raiz, &(*e.lista_nos)[0]);
    EXPECT_EQ(&e.lista().imagens(), &e.imagens);
}
