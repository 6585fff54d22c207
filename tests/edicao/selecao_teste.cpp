#include "edicao/selecao.h"
#include "apoio/circuito.h"
#include <gtest/gtest.h>

using namespace zefira;
using namespace zefira::teste;

namespace {

void faixa(TEstado &e, TPonto a, TPonto b)
{
    e.cantos_selecao[0] = a;
    e.cantos_selecao[1] = b;
}

} // namespace

TEST(Distancia, ArredondaAoInteiroMaisProximoSemTransbordar)
{
    // 1.414, 2.236 and 3.606 rounded; in the last two the squares exceed 32 bits.
    const int casos[][5] = {{0, 0, 1, 1, 1},          {0, 0, 3, 4, 5},          {0, 0, 1, 2, 2},
                            {0, 0, 2, 3, 4},          {5, 5, 5, 5, 0},          {0, 0, 100000, 0, 100000},
                            {-60000, 0, 0, 80000, 100000}};
    for (const auto &k : casos)
        EXPECT_EQ(Distancia(Ponto(k[0], k[1]), Ponto(k[2], k[3])), k[4]) << k[2] << "," << k[3];
}

TEST(AcharComponente, OUltimoDaListaGanhaEBordaContaComoDentro)
{
    TEstado e;
    valvula2(e, 100, 100); // box 100..149 x 100..125
    valvula2(e, 120, 110);
    polilinha(e, {Ponto(0, 0), Ponto(300, 300)});
    EXPECT_EQ(Achar_Componente(e, Ponto(130, 115)), 1);
    EXPECT_EQ(Achar_Componente(e, Ponto(105, 105)), 0);
    EXPECT_EQ(Achar_Componente(e, Ponto(100, 100)), 0);
    EXPECT_EQ(Achar_Componente(e, Ponto(149, 125)), 1);
    EXPECT_EQ(Achar_Componente(e, Ponto(99, 100)), -1);
    EXPECT_EQ(Achar_Componente(e, Ponto(10, 10)), -1); // on the wire, which contains nothing
}

// A band of 5 pixels round each segment, reaching strictly less than 5 pixels past either end;
// segments may run backwards or slant.
TEST(PertoDasSemiRetas, FaixaDeCincoPixelsEmVoltaDoSegmento)
{
    TEstado e;
    valvula2(e, 100, 100);
    polilinha(e, {Ponto(100, 300), Ponto(200, 300), Ponto(200, 400)});
    polilinha(e, {Ponto(300, 100), Ponto(200, 100), Ponto(200, 50), Ponto(300, 150)});
    const int casos[][4] = { // wire index, x, y, segment
        {1, 150, 304, 0}, {1, 150, 305, -1}, {1, 150, 295, -1}, {1, 96, 300, 0}, {1, 95, 300, -1},
        {1, 204, 350, 1}, {1, 205, 350, -1}, {1, 200, 404, 1}, {1, 200, 405, -1}, {1, 10, 10, -1},
        {2, 250, 104, 0}, {2, 196, 75, 1}, {2, 250, 100, 0},
        {2, 262, 108, 2}, {2, 270, 108, -1}, // 2.83 and 8.5 pixels from the diagonal
    };
    for (const auto &k : casos) {
        const TSegmento s = Perto_Das_Semi_Retas(e, k[0], Ponto(k[1], k[2]));
        EXPECT_EQ(s.segmento, k[3]) << k[1] << "," << k[2];
        EXPECT_EQ(s.componente, k[3] < 0 ? -1 : e.lista()[k[0]].codigo);
    }
}

TEST(DesenharBolinha, MarcaSoPortasLivresPertoComToleranciaPorTipo)
{
    TEstado e;
    TComponente &v = valvula2(e, 100, 100); // port 1 at (136, 130), port 2 at (136, 95)
    TComponente &j = componente(e, TIPO_JUMP, 300, 300);
    const TPonto p1 = v.ponto(1), pj = j.ponto(1);

    EXPECT_TRUE(DesenharBolinha(e, p1.x + 3, p1.y));
    EXPECT_EQ(v.ponto_ativo, 1);
    EXPECT_EQ(j.ponto_ativo, -1);

    EXPECT_FALSE(DesenharBolinha(e, pj.x, pj.y - 3)); // jumps need < 3
    EXPECT_EQ(v.ponto_ativo, -1);                      // recomputed, not kept
    EXPECT_EQ(j.ponto_ativo, -1);
    EXPECT_TRUE(DesenharBolinha(e, pj.x, pj.y - 2));
    EXPECT_EQ(j.ponto_ativo, 1);

    EXPECT_FALSE(DesenharBolinha(e, p1.x + 5, p1.y)); // valves need < 5

    // Ports taken, pending or absent do not count.
    v.ligar(1, -10); // a wire is being drawn from here
    EXPECT_FALSE(DesenharBolinha(e, p1.x, p1.y));
    v.ligar(1, 99);
    EXPECT_FALSE(DesenharBolinha(e, p1.x, p1.y));
    // Pilot ports the valve lacks lie off the drawing and are never offered.
    EXPECT_FALSE(DesenharBolinha(e, FORA_DO_DESENHO, FORA_DO_DESENHO));

    // A single-acting cylinder offers only port 1; a double-acting one both.
    TComponente &se = componente(e, TIPO_CILINDRO, 500, 300, -1, 1);
    TComponente &de = componente(e, TIPO_CILINDRO, 500, 400, -1, 2);
    EXPECT_FALSE(DesenharBolinha(e, se.ponto(2).x, se.ponto(2).y));
    EXPECT_TRUE(DesenharBolinha(e, de.ponto(2).x, de.ponto(2).y));
    EXPECT_EQ(de.ponto_ativo, 2);
}

TEST(DesenharBolinha, TodosOsComponentesSaoRecalculadosEFiosNaoMudam)
{
    TEstado e;
    TComponente &a = componente(e, TIPO_JUMP, 100, 100);
    TComponente &b = componente(e, TIPO_JUMP, 100, 100 + 9); // b's port 1 lies on a's port 2
    TComponente &w = polilinha(e, {Ponto(0, 0), Ponto(10, 0)});
    w.ponto_ativo = 3;
    EXPECT_TRUE(DesenharBolinha(e, a.ponto(2).x, a.ponto(2).y));
    EXPECT_EQ(a.ponto_ativo, 2);
    EXPECT_EQ(b.ponto_ativo, 1);
    EXPECT_EQ(w.ponto_ativo, 3);
}

// The band's strict interior, dragged either way, toggles what lies in it.
TEST(RetanguloDeSelecao, AlternaASelecaoEContaOsSelecionados)
{
    TEstado e;
    faixa(e, Ponto(10, 10), Ponto(50, 40));
    EXPECT_TRUE(Ponto_Dentro_Quadrado(e, Ponto(11, 39)));
    EXPECT_FALSE(Ponto_Dentro_Quadrado(e, Ponto(10, 20)));
    EXPECT_FALSE(Ponto_Dentro_Quadrado(e, Ponto(20, 40)));
    faixa(e, Ponto(50, 40), Ponto(10, 10));
    EXPECT_TRUE(Ponto_Dentro_Quadrado(e, Ponto(11, 39)));
    EXPECT_FALSE(Ponto_Dentro_Quadrado(e, Ponto(50, 20)));

    TComponente &a = valvula2(e, 100, 100);
    TComponente &b = valvula2(e, 300, 150);
    TComponente &w1 = polilinha(e, {Ponto(500, 500), Ponto(200, 200)}); // only its last point inside
    TComponente &w2 = polilinha(e, {Ponto(600, 600), Ponto(700, 700)});

    // A corner exactly on a's top-left corner does not take it.
    faixa(e, Ponto(100, 100), Ponto(400, 400));
    SelecionarDentroQuadrado(e);
    EXPECT_FALSE(a.selecionado());
    EXPECT_TRUE(b.selecionado());
    EXPECT_TRUE(w1.selecionado());
    EXPECT_FALSE(w2.selecionado());
    EXPECT_EQ(e.numero_selecionados, 2);

    // Dragged the other way over a and b: a joins, b, already selected, leaves.
    faixa(e, Ponto(350, 160), Ponto(99, 99));
    SelecionarDentroQuadrado(e);
    EXPECT_TRUE(a.selecionado());
    EXPECT_FALSE(b.selecionado());
    EXPECT_TRUE(a.valvula_direcional->parte(1)->selecionado());
    EXPECT_EQ(e.numero_selecionados, 2);
}

TEST(Selecao, SelecionarTudoELiberar)
{
    TEstado e;
    TComponente &a = valvula2(e, 100, 100);
    TComponente &j = componente(e, TIPO_JUMP, 300, 300);
    TComponente &w = polilinha(e, {Ponto(0, 0), Ponto(10, 0)});
    selecionartudoClick(e);
    EXPECT_TRUE(a.selecionado() && j.selecionado() && w.selecionado());
    EXPECT_EQ(e.numero_selecionados, 3);
    Liberar_Componentes(e);
    EXPECT_FALSE(a.selecionado() || j.selecionado() || w.selecionado());
    EXPECT_FALSE(a.valvula_direcional->parte(2)->selecionado());
    EXPECT_EQ(e.numero_selecionados, 0);
}

// Zoomed out, a tolerance of n circuit pixels would shrink below n screen pixels; the view
// widens it to n screen pixels. Zoomed in it stays n circuit pixels.
TEST(Tolerancia, PortasPontosESegmentosSeguemOZoomAfastado)
{
    struct Caso {
        double zoom;
        int dentro, fora; // distances in circuit pixels
    } casos[] = {{1, 4, 5}, {2, 4, 5}, {0.5, 9, 10}, {0.25, 19, 20}};
    for (const Caso &c : casos) {
        TEstado e;
        e.vista.definir_zoom(c.zoom, QPointF(0, 0));
        TComponente &v = valvula2(e, 300, 300);
        TComponente &w = polilinha(e, {Ponto(100, 100), Ponto(100, 200), Ponto(250, 200)});
        const int iw = e.lista().indice(w.codigo);
        const TPonto p1 = v.ponto(1);
        SCOPED_TRACE(c.zoom);
        EXPECT_TRUE(DesenharBolinha(e, p1.x + c.dentro, p1.y));
        EXPECT_FALSE(DesenharBolinha(e, p1.x + c.fora, p1.y));
        EXPECT_EQ(Achar_Ponto(e, iw, Ponto(100, 200 - c.dentro)), 1);
        EXPECT_EQ(Achar_Ponto(e, iw, Ponto(100, 200 - c.fora)), -1);
        EXPECT_EQ(Perto_Das_Semi_Retas(e, iw, Ponto(175, 200 + c.dentro)).segmento, 1);
        EXPECT_EQ(Perto_Das_Semi_Retas(e, iw, Ponto(175, 200 + c.fora + 1)).segmento, -1);
    }
}
