// Layout of the component record: boxes and port positions of every kind, the re-anchoring of a
// valve between positions, and the point queries. Expected values are the worked pixel values
// of 25 x 25 squares and the library's picture sizes, not recomputed through the layout code.
#include "apoio_modelo.h"
#include "modelo/componente.h"
#include <array>
#include <gtest/gtest.h>
#include <vector>

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

// Pilot ports 6 and 7 are laid out only with their pilot, lower when a spring shares the side.
TEST_F(Componente, ValvulaPilotosComESemMola)
{
    const TPonto FORA(-50, -50);
    const struct {
        bool mola_esq, mola_dir, piloto_esq, piloto_dir;
        TPonto p6, p7;
    } casos[] = {
        {false, false, false, false, FORA, FORA},
        {true, true, false, false, FORA, FORA}, // springs alone lay out no port
        {false, false, true, true, {80, 112}, {192, 112}}, // half of 25 rounds to even: 12
        {true, false, true, true, {80, 120}, {192, 112}},
        {true, true, true, true, {80, 120}, {192, 120}},
    };
    TComponente c = valvula(3, 2);
    auto &v = *c.valvula_direcional;
    // Run twice: a removed pilot takes its port off the drawing again.
    for (int volta = 0; volta < 2; ++volta)
        for (const auto &k : casos) {
            v.mola_esq = k.mola_esq;
            v.mola_dir = k.mola_dir;
            v.piloto_esq = k.piloto_esq;
            v.piloto_dir = k.piloto_dir;
            c.atualizar_geometria();
            EXPECT_TRUE(porta_em(c, 6, k.p6.x, k.p6.y)) << k.mola_esq << k.mola_dir << k.piloto_esq;
            EXPECT_TRUE(porta_em(c, 7, k.p7.x, k.p7.y)) << k.mola_esq << k.mola_dir << k.piloto_esq;
        }
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

// The box and ports of every other kind; unlisted ports lie off the drawing. The AND/OR/exhaust
// centre truncates, not rounds: (101 + 130) / 2 = 115.5 gives 115 and (100 + 151) / 2 = 125.5
// gives 125, down to zero with negative coordinates: (-40 + -11) / 2 = -25.5 gives -25.
TEST_F(Componente, CaixaEPortasDosOutrosTipos)
{
    const struct {
        const char *nome;
        int tipo, e_ou, cilindro, topo, esquerda;
        int direita, baixo; // 0: not checked
        std::vector<std::array<int, 3>> portas;
    } casos[] = {
        // 13 x 19 picture; 6.5 rounds to even.
        {"tomada", TIPO_TOMADA_AR, -1, -1, 20, 10, 23, 39, {{1, 16, 20}}},
        // Every cylinder body picture is 86 x 28.
        {"cilindro 1", TIPO_CILINDRO, -1, 1, 60, 50, 136, 88, {{1, 54, 92}, {2, 132, 92}}},
        {"cilindro 2", TIPO_CILINDRO, -1, 2, 60, 50, 136, 88, {{1, 54, 92}, {2, 132, 92}}},
        {"cilindro 3", TIPO_CILINDRO, -1, 3, 60, 50, 136, 88, {{1, 54, 92}, {2, 132, 92}}},
        {"E", TIPO_E_OU_ESC_REG, EOU_E, -1, 101, 100, 151, 130, {{1, 100, 118}, {3, 150, 118}, {2, 125, 101}}},
        {"OU", TIPO_E_OU_ESC_REG, EOU_OU, -1, 101, 100, 151, 130, {{1, 100, 118}, {3, 150, 118}, {2, 125, 101}}},
        {"OU negativa", TIPO_E_OU_ESC_REG, EOU_OU, -1, -40, -60, 0, 0, {{1, -60, -22}, {3, -10, -22}, {2, -34, -40}}},
        {"escape", TIPO_E_OU_ESC_REG, EOU_ESCAPE, -1, 101, 100, 0, 0, {{1, 100, 118}, {2, 125, 101}}},
        // 33 x 39: (134 + 101) / 2 = 117.5 truncates to 117.
        {"reguladora", TIPO_E_OU_ESC_REG, EOU_REGULADORA, -1, 101, 101, 134, 140, {{1, 111, 101}, {2, 111, 139}}},
        // 4.5 rounds to even.
        {"jump", TIPO_JUMP, -1, -1, 30, 20, 29, 39, {{1, 24, 30}, {2, 24, 39}, {3, 20, 34}, {4, 29, 34}}},
    };
    for (const auto &k : casos) {
        SCOPED_TRACE(k.nome);
        TComponente c(imagens, 1, k.e_ou, k.cilindro, -1, k.topo, k.esquerda, k.tipo);
        c.atualizar_geometria();
        if (k.direita) {
            EXPECT_EQ(c.direita, k.direita);
            EXPECT_EQ(c.baixo, k.baixo);
        }
        bool dispostas[8] = {};
        for (const auto &[porta, x, y] : k.portas) {
            EXPECT_TRUE(porta_em(c, porta, x, y));
            dispostas[porta] = true;
        }
        for (int i = 1; i <= 7; ++i)
            if (!dispostas[i])
                EXPECT_TRUE(fora_do_desenho(c, i));
    }
}

TEST_F(Componente, PontoForaDaFaixaDefinirPontoEPontoDeFio)
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

    // A wire's point n is the n-th of its polyline.
    TComponente w(imagens, 1, -1, -1, -1, 5, 5, TIPO_FIO);
    w.fio->adicionar_ponto(5, 5);
    w.fio->adicionar_ponto(40, 5);
    EXPECT_EQ(w.ponto(1), TPonto(40, 5));
    EXPECT_EQ(w.ponto(2), TPonto(-1, -1));
}
