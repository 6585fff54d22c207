// The theoretical force p × A: the formula for each kind of cylinder, and the value a move
// leaves on the cylinder beside the fuzzy estimate.

#include "circuito_teste.h"
#include "simulacao/forca_teorica.h"
#include <climits>
#include <gtest/gtest.h>

using namespace zefira;
using namespace zefira::teste;

TEST(ForcaTeorica, AreaDaCamaraSobPressao)
{
    struct Caso {
        int tipo, pistao, haste, pressao;
        bool avancar;
        int kgf;
    };
    const Caso casos[] = {
        {2, 100, 40, 6, true, 481},   // 4 712.39 N / 9.80665 = 480.53: the help's example
        {2, 100, 40, 6, false, 404},  // annulus: 3 958.41 N = 403.65 kgf
        {3, 100, 40, 6, true, 404},   {3, 100, 40, 6, false, 404}, // double rod: an annulus on both sides
        {2, 32, 12, 6, true, 49},     {2, 32, 12, 6, false, 42},
        {2, 80, 25, 6, true, 308},    {2, 63, 20, 4, false, 114}, // 307.54
        {2, 200, 140, 10, true, 3204}, {2, 200, 140, 10, false, 1634},
        {1, 50, 20, 6, true, 120},    // single acting: the whole piston when advancing
        {1, 50, 20, 6, false, 0},     // and no chamber under pressure on the spring's return
        // Values only a damaged file gives: never negative, never overflowing.
        {2, 100, 100, 6, false, 0},   {3, 40, 60, 6, true, 0},    {2, 100, 40, 0, true, 0},
        {2, 100, 40, -6, true, 0},    {2, INT_MAX, 0, INT_MAX, true, INT_MAX}, {2, INT_MIN, 0, 6, true, INT_MAX},
    };
    for (const Caso &c : casos)
        EXPECT_EQ(Forca_Teorica(c.tipo, c.pistao, c.haste, c.pressao, c.avancar), c.kgf)
            << c.tipo << " " << c.pistao << "/" << c.haste << " " << c.pressao << " bar " << c.avancar;
}

TEST(ForcaTeorica, CadaMovimentoGuardaAForcaDaPressaoQueChega)
{
    // A supply wired to one port, the other free: the cylinder runs its stroke in one step.
    struct Caso {
        int tipo, pistao, haste, pressao, porta, partida, kgf;
    };
    const Caso casos[] = {
        {2, 100, 40, 6, 1, 0, 481}, {2, 100, 40, 6, 2, 100, 404}, {3, 100, 40, 6, 1, 0, 404},
        {2, 32, 12, 6, 1, 0, 49},   {1, 50, 20, 6, 1, 0, 120},    {2, 200, 140, 10, 2, 100, 1634},
    };
    for (const Caso &x : casos) {
        Circuito k;
        TComponente &s = k.tomada(x.pressao);
        TComponente &c = k.cilindro(x.tipo, x.partida);
        c.cilindro->pistao = x.pistao;
        c.cilindro->haste = x.haste;
        k.fio(s, 1, c, x.porta);
        k.iniciar();
        k.passo();
        EXPECT_EQ(c.cilindro->posicao, 100 - x.partida);
        EXPECT_EQ(c.cilindro->forca_teorica, x.kgf) << x.tipo << " " << x.pistao << " porta " << x.porta;
        // The fuzzy estimate knows no diameters: the same for every cylinder at 6 bar.
        if (x.pressao == 6)
            EXPECT_EQ(c.cilindro->forca, 700);
    }
}
