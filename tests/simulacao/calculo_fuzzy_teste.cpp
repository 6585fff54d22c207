#include "simulacao/calculo_fuzzy.h"
#include "simulacao/percurso.h"
#include "circuito_teste.h"
#include <gtest/gtest.h>

using namespace zefira;

TEST(CalculoFuzzy, CoeficienteDaRetaPorDoisPontos)
{
    EXPECT_DOUBLE_EQ(Calcular_Coeficiente(TPonto(20, 1), TPonto(40, 0), 30), 0.5);
    EXPECT_DOUBLE_EQ(Calcular_Coeficiente(TPonto(20, 0), TPonto(50, 1), 40), 20.0 / 30.0);
    EXPECT_DOUBLE_EQ(Calcular_Coeficiente(TPonto(50, 1), TPonto(80, 0), 70), 1.0 - 20.0 / 30.0);
    EXPECT_DOUBLE_EQ(Calcular_Coeficiente(TPonto(60, 0), TPonto(80, 1), 60), 0.0);
}

TEST(CalculoFuzzy, TabelaDeForcasEsperadas)
{
    // Rows: pressures in bar; columns: the regulator's grades 400, 1000, 1600, 2000 L/min.
    struct Linha {
        std::vector<int> bares;
        int forcas[4];
    };
    const Linha tabela[] = {
        {{0, 1, 2}, {100, 300, 500, 500}},
        {{3}, {180, 380, 580, 580}},
        {{4, 5, 6}, {300, 500, 700, 700}},
        {{7}, {420, 620, 820, 820}}, // 2000 L/min: two rules, (70/3 + 45) / (5/6) = 82
        {{8, 9, 10}, {500, 700, 900, 900}},
    };
    const int vazoes[4] = {400, 1000, 1600, 2000};
    for (const Linha &l : tabela)
        for (int bar : l.bares)
            for (int j = 0; j < 4; ++j)
                EXPECT_EQ(Calculo_Fuzzy(bar * 10, R(vazoes[j] / 20.0)), l.forcas[j])
                    << bar << " bar, " << vazoes[j] << " L/min";
}

TEST(CalculoFuzzy, BordasDosIntervalos)
{
    // P = 40: the Low pressure rules fire with weight 0 and leave only Medium.
    EXPECT_EQ(Calculo_Fuzzy(40, 100), Calculo_Fuzzy(50, 100));
    // Q = 60 is Medium only; Q = 61 also fires High flow with membership 1/20.
    EXPECT_EQ(Calculo_Fuzzy(60, 60), 500);
    const double esperado = (50 * (2.0 / 3.0) + 70 * (1.0 / 20.0)) / (2.0 / 3.0 + 1.0 / 20.0);
    EXPECT_EQ(Calculo_Fuzzy(60, 61), 10 * R(esperado));
    EXPECT_NE(Calculo_Fuzzy(60, 61), 500);
    // Out-of-range inputs from a hand-edited file still give a force.
    EXPECT_EQ(Calculo_Fuzzy(-10, -5), 100);
    EXPECT_EQ(Calculo_Fuzzy(150, 500), 900);
}

TEST(CalculoFuzzy, VazaoArredondadaMetadeParaPar)
{
    teste::Circuito k;
    TCilindro &c = *k.cilindro(2, 50).cilindro;
    TPercurso percurso(k.estado);
    // 410 L/min is 20.5, rounded to 20 (Low flow only); 430 is 21.5, rounded to 22.
    percurso.ProcurarProximaPosicao(c, true, 410, 6);
    EXPECT_EQ(c.forca, 300);
    percurso.ProcurarProximaPosicao(c, true, 430, 6);
    EXPECT_EQ(c.forca, 330);
    EXPECT_TRUE(c.marcado);
}
