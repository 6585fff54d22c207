// Layout of the component record: boxes and port positions of every kind, the re-anchoring of a
// valve between positions, and the point queries. Expected values are the worked pixel values
// of 25 x 25 squares and the library's picture sizes, not recomputed through the layout code.
#include "apoio_modelo.h"

#include "modelo/componente.h"

#include <gtest/gtest.h>

using namespace zefira;
using namespace zefira::teste;

namespace {

class Componente : public ::testing::Test {
protected:
    TImagens imagens;

    // A valve with its squares (three, or two for 2 ways) already laid out for posicao.
    TComponente valvula(int vias, int posicao, int esquerda = 100, int topo = 100)
    {
        TComponente c(imagens, 1, -1, -1, vias, topo, esquerda, TIPO_VALVULA_DIRECIONAL);
        static const int primeiro_quadrado[6] = {0, 0, 1, 3, 6, 12};
        auto &v = *c.valvula_direcional;
        v.definir_parte(1, primeiro_quadrado[vias]);
        v.definir_parte(2, primeiro_quadrado[vias] + 1);
        if (vias != 2)
            v.definir_parte(3, primeiro_quadrado[vias] + 2);
        v.posicao_atual = posicao;
        v.posicao_desenhada = posicao;
        return c;
    }
};

// Offsets of the body ports from the left edge with 25-pixel squares, by position 1..3:
// the left port of 3/4/5-way squares, the right one, and the single/middle port.
constexpr int ESQ[4] = {0, 6, 30, 54};
constexpr int DIR[4] = {0, 18, 42, 66};
constexpr int MEIO[4] = {0, 12, 36, 60};

struct PortaEsperada {
    int porta;
    bool em_cima;
    const int *deslocamentos;
};

} // namespace

TEST_F(Componente, ValvulaPortasDoCorpoPorViasEPosicao)
{
    const std::vector<PortaEsperada> portas[6] = {
        {},
        {},
        {{1, false, MEIO}, {2, true, MEIO}},
        {{2, true, ESQ}, {1, false, ESQ}, {3, false, DIR}},
        {{4, true, ESQ}, {1, false, ESQ}, {2, true, DIR}, {3, false, DIR}},
        {{4, true, ESQ}, {5, false, ESQ}, {2, true, DIR}, {3, false, DIR}, {1, false, MEIO}},
    };
    for (int vias = 2; vias <= 5; ++vias) {
        for (int p = 1; p <= (vias == 2 ? 2 : 3); ++p) {
            TComponente c = valvula(vias, p);
            c.atualizar_geometria();
            SCOPED_TRACE(testing::Message() << vias << " ways, position " << p);
            EXPECT_EQ(c.esquerda, 100);
            EXPECT_EQ(c.direita, vias == 2 ? 149 : 173); // squares overlap by one column
            EXPECT_EQ(c.baixo, 125);
            bool dispostas[8] = {};
            for (const PortaEsperada &e : portas[vias]) {
                EXPECT_TRUE(porta_em(c, e.porta, 100 + e.deslocamentos[p], e.em_cima ? 95 : 130));
                dispostas[e.porta] = true;
            }
            for (int i = 1; i <= 7; ++i)
                if (!dispostas[i])
                    EXPECT_TRUE(fora_do_desenho(c, i));
        }
    }
}

TEST_F(Componente, ValvulaReancoraNasSeisTransicoesUmaSoVez)
{
    const struct {
        int de, para, esquerda;
    } casos[] = {
        {1, 2, 176}, {1, 3, 152}, {2, 1, 224}, {2, 3, 176}, {3, 1, 248}, {3, 2, 224},
    };
    for (const auto &k : casos) {
        SCOPED_TRACE(testing::Message() << k.de << " -> " << k.para);
        TComponente c = valvula(4, k.de, 200);
        c.atualizar_geometria();
        const TPonto antes = c.ponto(1);
        c.valvula_direcional->posicao_atual = k.para;
        c.atualizar_geometria();
        EXPECT_EQ(c.esquerda, k.esquerda);
        EXPECT_EQ(c.direita, k.esquerda + 73);
        EXPECT_EQ(c.valvula_direcional->posicao_desenhada, k.para);
        // The active square does not move, so neither do the ports it shows.
        EXPECT_EQ(c.ponto(1), antes);
        c.atualizar_geometria();
        EXPECT_EQ(c.esquerda, k.esquerda);
    }
}

TEST_F(Componente, ValvulaDeDuasViasNaPosicaoTresNaoDispoeOCorpo)
{
    TComponente c = valvula(2, 2);
    c.valvula_direcional->piloto_esq = true;
    c.atualizar_geometria();
    EXPECT_TRUE(porta_em(c, 1, 136, 130));
    c.valvula_direcional->posicao_atual = 3;
    c.topo = 200;
    c.atualizar_geometria();
    EXPECT_EQ(c.esquerda, 76);
    EXPECT_EQ(c.direita, 125);
    EXPECT_EQ(c.baixo, 225);
    EXPECT_EQ(c.valvula_direcional->posicao_desenhada, 3);
    // The body ports keep their previous place; the pilot follows the box.
    EXPECT_TRUE(porta_em(c, 1, 136, 130));
    EXPECT_TRUE(porta_em(c, 2, 136, 95));
    EXPECT_TRUE(porta_em(c, 6, 56, 212));
}

TEST_F(Componente, ValvulaPilotosComESemMola)
{
    TComponente c = valvula(3, 2);
    auto &v = *c.valvula_direcional;
    c.atualizar_geometria();
    EXPECT_TRUE(fora_do_desenho(c, 6));
    EXPECT_TRUE(fora_do_desenho(c, 7));

    v.mola_esq = v.mola_dir = true; // springs alone lay out no port
    c.atualizar_geometria();
    EXPECT_TRUE(fora_do_desenho(c, 6));
    EXPECT_TRUE(fora_do_desenho(c, 7));

    v.mola_esq = v.mola_dir = false;
    v.piloto_esq = v.piloto_dir = true;
    c.atualizar_geometria();
    EXPECT_TRUE(porta_em(c, 6, 80, 112)); // half of 25 rounds to even: 12
    EXPECT_TRUE(porta_em(c, 7, 192, 112));

    v.mola_esq = true;
    c.atualizar_geometria();
    EXPECT_TRUE(porta_em(c, 6, 80, 120));
    EXPECT_TRUE(porta_em(c, 7, 192, 112));
    v.mola_dir = true;
    c.atualizar_geometria();
    EXPECT_TRUE(porta_em(c, 7, 192, 120));

    v.piloto_esq = v.piloto_dir = false; // a removed pilot takes its port off the drawing
    c.atualizar_geometria();
    EXPECT_TRUE(fora_do_desenho(c, 6));
    EXPECT_TRUE(fora_do_desenho(c, 7));
}

TEST_F(Componente, ValvulaSemPrimeiroQuadrado)
{
    TComponente c(imagens, 1, -1, -1, 3, 100, 100, TIPO_VALVULA_DIRECIONAL);
    c.baixo = 777;
    c.atualizar_geometria();
    EXPECT_EQ(c.esquerda, 100);
    EXPECT_EQ(c.direita, 100);
    EXPECT_EQ(c.baixo, 777);

    c.valvula_direcional->definir_parte(2, 4);
    c.atualizar_geometria();
    EXPECT_EQ(c.direita, 124);
    EXPECT_EQ(c.baixo, 777);
}

TEST_F(Componente, TomadaDeArCaixaEPorta)
{
    TComponente c(imagens, 1, -1, -1, -1, 20, 10, TIPO_TOMADA_AR);
    c.atualizar_geometria();
    EXPECT_EQ(c.direita, 23); // 13 x 19 picture
    EXPECT_EQ(c.baixo, 39);
    EXPECT_TRUE(porta_em(c, 1, 16, 20)); // 6.5 rounds to even
    for (int i = 2; i <= 7; ++i)
        EXPECT_TRUE(fora_do_desenho(c, i));
}

TEST_F(Componente, CilindroDeCadaTipo)
{
    for (int tipo = 1; tipo <= 3; ++tipo) {
        TComponente c(imagens, 1, -1, tipo, -1, 60, 50, TIPO_CILINDRO);
        c.atualizar_geometria();
        SCOPED_TRACE(tipo);
        EXPECT_EQ(c.direita, 136); // every body picture is 86 x 28
        EXPECT_EQ(c.baixo, 88);
        EXPECT_TRUE(porta_em(c, 1, 54, 92));
        EXPECT_TRUE(porta_em(c, 2, 132, 92));
        for (int i = 3; i <= 7; ++i)
            EXPECT_TRUE(fora_do_desenho(c, i));
    }
}

// The centre uses truncation, not rounding: (101 + 130) / 2 = 115.5 gives 115 and
// (100 + 151) / 2 = 125.5 gives 125, where rounding would give 116 and 126.
TEST_F(Componente, ValvulasEOuEscapeReguladoraTruncamOCentro)
{
    for (int tipo : {EOU_E, EOU_OU}) {
        TComponente c(imagens, 1, tipo, -1, -1, 101, 100, TIPO_E_OU_ESC_REG);
        c.atualizar_geometria();
        EXPECT_EQ(c.direita, 151);
        EXPECT_EQ(c.baixo, 130);
        EXPECT_TRUE(porta_em(c, 1, 100, 118));
        EXPECT_TRUE(porta_em(c, 3, 150, 118));
        EXPECT_TRUE(porta_em(c, 2, 125, 101));
    }
    TComponente escape(imagens, 1, EOU_ESCAPE, -1, -1, 101, 100, TIPO_E_OU_ESC_REG);
    escape.atualizar_geometria();
    EXPECT_TRUE(porta_em(escape, 1, 100, 118));
    EXPECT_TRUE(porta_em(escape, 2, 125, 101));
    EXPECT_TRUE(fora_do_desenho(escape, 3));

    // 33 x 39: (134 + 101) / 2 = 117.5 truncates to 117.
    TComponente reg(imagens, 1, EOU_REGULADORA, -1, -1, 101, 101, TIPO_E_OU_ESC_REG);
    reg.atualizar_geometria();
    EXPECT_EQ(reg.direita, 134);
    EXPECT_EQ(reg.baixo, 140);
    EXPECT_TRUE(porta_em(reg, 1, 111, 101));
    EXPECT_TRUE(porta_em(reg, 2, 111, 139));
    EXPECT_TRUE(fora_do_desenho(reg, 3));
}

TEST_F(Componente, ValvulaEComCoordenadasNegativasTruncaParaZero)
{
    // (-40 + -11) / 2 = -25.5 truncates to -25; (-60 + -9) / 2 = -34.5 to -34.
    TComponente c(imagens, 1, EOU_OU, -1, -1, -40, -60, TIPO_E_OU_ESC_REG);
    c.atualizar_geometria();
    EXPECT_TRUE(porta_em(c, 1, -60, -22));
    EXPECT_TRUE(porta_em(c, 3, -10, -22));
    EXPECT_TRUE(porta_em(c, 2, -34, -40));
}

TEST_F(Componente, JumpQuatroPortas)
{
    TComponente c(imagens, 1, -1, -1, -1, 30, 20, TIPO_JUMP);
    c.atualizar_geometria();
    EXPECT_EQ(c.direita, 29);
    EXPECT_EQ(c.baixo, 39);
    EXPECT_TRUE(porta_em(c, 1, 24, 30)); // 4.5 rounds to even
    EXPECT_TRUE(porta_em(c, 2, 24, 39));
    EXPECT_TRUE(porta_em(c, 3, 20, 34));
    EXPECT_TRUE(porta_em(c, 4, 29, 34));
}

TEST_F(Componente, PontoDeUmFioLeAPolilinha)
{
    TComponente c(imagens, 1, -1, -1, -1, 5, 5, TIPO_FIO);
    c.fio->adicionar_ponto(5, 5);
    c.fio->adicionar_ponto(40, 5);
    EXPECT_EQ(c.ponto(1), TPonto(40, 5));
    EXPECT_EQ(c.ponto(2), TPonto(-1, -1));
}

TEST_F(Componente, PontoForaDaFaixaEDefinirPonto)
{
    TComponente c = valvula(5, 2);
    c.atualizar_geometria();
    for (int i : {0, 8, -1, 100})
        EXPECT_EQ(c.ponto(i), TPonto(-1, -1)) << i;
    c.definir_ponto(7, 3, 4);
    EXPECT_EQ(c.ponto(7), TPonto(3, 4));
    c.definir_ponto(0, 9, 9); // ignored, and port 1 untouched
    c.definir_ponto(8, 9, 9);
    EXPECT_TRUE(porta_em(c, 1, 136, 130));
    EXPECT_EQ(c.ponto(0), TPonto(-1, -1));
}
