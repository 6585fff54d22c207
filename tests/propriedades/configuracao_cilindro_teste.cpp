// The cylinder dialog without its window. The trip through the label editor is driven through
// the windows (FormConfiguracaoCilindro.RotulosEditadosNoCaminhoECancelar).
#include "propriedades/configuracao_cilindro.h"
#include "edicao/paleta.h"
#include "modelo/estado.h"

#include <gtest/gtest.h>
#include <tuple>

using namespace zefira;

namespace {

struct Cilindro {
    TEstado e;
    TConfiguracao_Cilindro d;
    TComponente *c;
    explicit Cilindro(int tipo = 1)
    {
        c = &Posicionar_Componente(e, 6 + tipo, 100, 100);
        d.preparar(e.lista(), *c);
        d.FormShow();
    }
    TCilindro &ci() { return *c->cilindro; }
};

} // namespace

TEST(ConfiguracaoCilindro, LegendaPeloTipoEValoresDoCilindro)
{
    Cilindro s;
    EXPECT_EQ(s.d.legenda, QStringLiteral("Cilindro de Ação Simples"));
    EXPECT_EQ(s.d.haste.maximo, 71);
    EXPECT_EQ(s.d.texto_haste, QStringLiteral("mm  (12..71)"));

    Cilindro d(2);
    d.ci().posicao = 100;
    d.ci().pistao = 50;
    d.ci().haste = 20;
    d.ci().nome = QStringLiteral("b");
    d.d.preparar(d.e.lista(), *d.c);
    d.d.FormShow();
    EXPECT_EQ(d.d.legenda, QStringLiteral("Cilindro de Ação Dupla"));
    EXPECT_EQ(std::tie(d.d.posicao.valor, d.d.pistao.valor, d.d.haste.valor), std::make_tuple(100, 50, 20));
    EXPECT_EQ(d.d.nome, QStringLiteral("B"));
}

TEST(ConfiguracaoCilindro, PistaoLimitaAHaste)
{
    Cilindro s;
    s.d.haste.definir(40);
    s.d.definir_pistao(50);
    EXPECT_EQ(s.d.haste.maximo, 35);
    EXPECT_EQ(s.d.texto_haste, QStringLiteral("mm  (12..35)"));
    EXPECT_EQ(s.d.haste.valor, 35);
    s.d.definir_pistao(32);
    EXPECT_EQ(s.d.haste.maximo, 23); // 22.624
    EXPECT_EQ(s.d.haste.valor, 23);
    // An empty box or the first digit of a diameter leaves the rod alone.
    s.d.definir_pistao(0, true);
    s.d.definir_pistao(8);
    EXPECT_EQ(s.d.haste.maximo, 23);
    s.d.definir_pistao(80);
    EXPECT_EQ(s.d.haste.maximo, 57);
    EXPECT_EQ(s.d.haste.valor, 23);
}

TEST(ConfiguracaoCilindro, OKGravaOsMinimosDasCaixasVaziasELimitaOsValores)
{
    Cilindro s;
    s.ci().selecionar();
    s.d.posicao.vazio = s.d.pistao.vazio = s.d.haste.vazio = true;
    s.d.definir_nome(QStringLiteral("abc)d\nefg"));
    s.d.ButOKClick();
    EXPECT_EQ(std::tie(s.ci().posicao, s.ci().pistao, s.ci().haste), std::make_tuple(0, 32, 12));
    EXPECT_EQ(s.ci().nome, QStringLiteral("ABCDE"));
    EXPECT_FALSE(s.ci().selecionado());

    s.d.FormShow();
    s.d.posicao.valor = 140;
    s.d.pistao.valor = 20;
    s.d.haste.valor = 90;
    s.d.ButOKClick();
    // Bringing the piston to 32 runs the piston rule, so the rod's limit is 23 by then.
    EXPECT_EQ(std::tie(s.ci().posicao, s.ci().pistao, s.ci().haste), std::make_tuple(100, 32, 23));
}
