// The current paths numbered left to right, and a coil's contacts listed by path.
#include "componentes/eletrico/caminhos_corrente.h"
#include "componentes/eletrico/simbolo_eletrico.h"
#include "modelo/estado.h"

#include <gtest/gtest.h>

#include <tuple>

namespace zefira {
namespace {

TEST(CaminhosCorrente, NumeradosDaEsquerdaParaADireita)
{
    enum { NA = 0, NF = 1, COMUTADOR = 2 };
    const struct {
        int tipo, variante;
        const char *tag;
        int x;
        int caminho;
    } partes[] = {
        {TIPO_BOTAO, NF, "S0", 100, 1},           // 41 wide: up to 140
        {TIPO_BOBINA, 0, "K1", 110, 1},           // overlaps S0
        {TIPO_CONTATO, NA, "K1", 200, 3},
        {TIPO_BORNE, 0, "", 150, 0},              // on a rail
        {TIPO_CONTATO, NF, "k1 ", 300, 4},        // the tag ignoring case and blanks
        {TIPO_CONTATO, COMUTADOR, "K1", 141, 2},  // starts just past S0's box
        {TIPO_DERIVACAO, 0, "", 190, 0},          // on a link between paths
        {TIPO_CONTATO, NA, "K2", 400, 5},
        {TIPO_BOBINA, 0, "K2", 390, 5},
    };
    TEstado e;
    std::vector<TComponente *> c;
    for (const auto &p : partes) {
        c.push_back(&e.lista().adicionar(p.tipo, p.x, -1, -1, -1, 100));
        c.back()->familia().posicionar(e.lista(), *c.back(), Variante_Eletrica(p.variante));
        c.back()->eletrico->tag = QString::fromLatin1(p.tag);
    }
    const TCaminhos_Corrente caminhos(e.lista());
    for (size_t i = 0; i < c.size(); ++i)
        EXPECT_EQ(caminhos.caminho(*c[i]), partes[i].caminho) << i;
    EXPECT_EQ(caminhos.contatos(*c[1]), QStringList({"NA 2, 3", "NF 2, 4"}));
    EXPECT_EQ(caminhos.contatos(*c[8]), QStringList({"NA 5"}));
    // The numbers in one row above the parts, over the lead of the first topmost part of each
    // path: S0's, then the terminal's (it stands over the changeover).
    ASSERT_EQ(caminhos.numeros().size(), 5u);
    EXPECT_EQ(std::make_tuple(caminhos.numeros()[0].x, caminhos.numeros()[1].x, caminhos.numeros()[4].y),
              std::make_tuple(128, 160, 86));
}

} // namespace
} // namespace zefira
