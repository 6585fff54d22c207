// Electrical parts and solenoid valves in demonstration tables: the row's settings reach the
// record; a setting the kind does not know refuses the row.
#include "demonstracoes/tabelas_demonstracoes.h"
#include "modelo/componente.h"
#include "simbolos/imagens.h"

#include <gtest/gtest.h>

namespace zefira {
namespace {

TEST(TabelaEletrica, AjustesChegamAoRegistroEOsDesconhecidosRecusamALinha)
{
    const TImagens imagens;
    std::vector<std::shared_ptr<TComponente>> c;
    ASSERT_TRUE(Ler_Tabela_Demonstracao(R"(
| 1 | button | 10, 20 | mode 1; tag "S0" |
| 2 | coil | 50, 20 | mode 1; tag "KT1"; time 2000 |
| 3 | sensor | 90, 20 | mode 3; tag "1S2"; nf; label "a1" |
| 4 | counter | 130, 20 | preset 3 |
| 5 | terminal | 170, 20 | mode 1 |
| 6 | valve, 5 ways | 210, 20 | left solenoid "1Y1"; right spring |
)", imagens, c));
    ASSERT_EQ(c.size(), 6u);
    const TEletrico &s0 = *c[0]->eletrico, &kt = *c[1]->eletrico, &s = *c[2]->eletrico;
    EXPECT_EQ(std::tie(s0.tag, s0.modo, s0.nf), std::make_tuple(QString("S0"), 0, true));
    EXPECT_EQ(std::tie(kt.tag, kt.modo, kt.tempo), std::make_tuple(QString("KT1"), 1, 2000));
    EXPECT_EQ(std::tie(s.tag, s.modo, s.nf, s.rotulo), std::make_tuple(QString("1S2"), 3, true, QString("a1")));
    EXPECT_EQ(c[3]->eletrico->preset, 3);
    EXPECT_EQ(c[4]->eletrico->tag, QString("0 V"));
    EXPECT_EQ(c[5]->valvula_direcional->solenoide(false), QString("1Y1"));
    EXPECT_EQ(c[2]->direita - c[2]->esquerda, 41); // laid out
    for (const char *ruim : {"| 1 | button | 10, 20 | tag S1 |", "| 1 | lamp | 10 | |", "| 1 | coil | 1, 2 | speed 3 |"})
        EXPECT_FALSE(Ler_Tabela_Demonstracao(ruim, imagens, c)) << ruim;
}

} // namespace
} // namespace zefira
