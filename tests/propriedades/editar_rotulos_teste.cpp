// The label editor without its window: unique, lower-case texts.
#include "propriedades/editar_rotulos.h"
#include "edicao/paleta.h"
#include "modelo/estado.h"

#include <gtest/gtest.h>

using namespace zefira;

TEST(EditarRotulos, TextosUnicosEmMinusculasSemBrancos)
{
    TEstado e;
    TComponente &a = Posicionar_Componente(e, 8, 100, 100);
    TComponente &b = Posicionar_Componente(e, 8, 300, 100);
    b.cilindro->definir_rotulo(4, QStringLiteral("b1"), 100);
    a.cilindro->definir_rotulo(6, QStringLiteral("velho"), 20);
    a.cilindro->definir_rotulo(5, QStringLiteral("a5"), 100); // kept on its row: no repeat of itself
    TEditar_Rotulos r;
    r.preparar(e.lista(), a);
    r.FormShow();
    EXPECT_EQ(r.texto[6], QStringLiteral("velho"));
    EXPECT_EQ(r.posicao[6].valor, 20);
    r.definir_texto(1, QStringLiteral("  A0 "));
    r.posicao[1].definir(150);
    r.definir_texto(2, QStringLiteral("a0"));
    r.posicao[2].definir(50);
    r.definir_texto(3, QStringLiteral("b1"));
    r.definir_texto(4, QStringLiteral("x)\n"));
    r.posicao[4].vazio = true;
    r.definir_texto(6, QString());
    r.ButOKClick();
    const TCilindro &c = *a.cilindro;
    EXPECT_EQ(c.rotulo(1).texto, QStringLiteral("a0"));
    EXPECT_EQ(c.rotulo(1).posicao, 100);
    // The repeat and the other cylinder's label are dropped without a word.
    EXPECT_TRUE(c.rotulo(2).texto.isEmpty());
    EXPECT_EQ(c.rotulo(2).posicao, 0);
    EXPECT_TRUE(c.rotulo(3).texto.isEmpty());
    EXPECT_EQ(c.rotulo(4).texto, QStringLiteral("x"));
    EXPECT_EQ(c.rotulo(4).posicao, 0);
    EXPECT_EQ(std::make_pair(c.rotulo(5).texto, c.rotulo(5).posicao), std::make_pair(QStringLiteral("a5"), 100));
    EXPECT_TRUE(c.rotulo(6).texto.isEmpty());
    EXPECT_EQ(b.cilindro->rotulo(4).texto, QStringLiteral("b1"));
}
