// The work area's view: window <-> circuit mapping, zoom about a point, tolerances, the
// surface the scroll bars cover, fitting and showing the circuit.
#include "modelo/vista.h"
#include <gtest/gtest.h>
#include <cmath>

using namespace zefira;

namespace {

TVista vista_em(double zoom, QPoint origem = QPoint())
{
    TVista v;
    v.definir_zoom(zoom, QPointF(0, 0));
    v.rolar_para(origem, QSize(100, 100), QRect(0, 0, 100000, 100000));
    return v;
}

QRectF visivel(const TVista &v, QSize janela)
{
    return QRectF(QPointF(v.origem()) / v.zoom(), QSizeF(janela) / v.zoom());
}

} // namespace

TEST(Vista, IdaEVoltaEntreJanelaECircuito)
{
    const double zooms[] = {0.25, 1.0 / 3, 0.5, 1, 1.5, 2, 4};
    const QPoint origens[] = {QPoint(0, 0), QPoint(37, 0), QPoint(1200, 845)};
    const TPonto pontos[] = {{0, 0}, {1, 1}, {3000, 2000}, {517, 33}};
    for (double z : zooms)
        for (QPoint o : origens)
            for (TPonto p : pontos) {
                const TVista v = vista_em(z, o);
                // The centre of the circuit pixel's square maps back to that pixel.
                const QPointF tela = v.para_tela(QPointF(p.x + 0.5, p.y + 0.5));
                EXPECT_EQ(v.para_circuito(tela), p) << z << " " << o.x() << "," << o.y();
            }
    // A window point falls in the circuit pixel that covers it.
    struct Caso {
        double zoom;
        QPoint origem;
        QPointF tela;
        TPonto circuito;
    } casos[] = {
        {4, {0, 0}, {0, 0}, {0, 0}},      {4, {0, 0}, {3.9, 3}, {0, 0}},  {4, {0, 0}, {4, 7}, {1, 1}},
        {4, {8, 4}, {0, 0}, {2, 1}},      {0.5, {0, 0}, {10, 11}, {20, 22}},
        {0.25, {100, 0}, {1, 0}, {404, 0}}, {1, {0, 0}, {999.5, 649}, {999, 649}},
    };
    for (const Caso &c : casos)
        EXPECT_EQ(vista_em(c.zoom, c.origem).para_circuito(c.tela), c.circuito) << c.zoom;
}

TEST(Vista, ZoomSeguraOPontoSobAAncoraEFicaEntre25E400)
{
    struct Caso {
        double de, para, esperado;
        QPointF ancora;
    } casos[] = {
        {1, 2, 2, {300, 200}}, {2, 0.5, 0.5, {10, 640}}, {1, 8, 4, {500, 325}},
        {1, 0.1, 0.25, {0, 0}}, {0.25, 4, 4, {999, 649}},
    };
    for (const Caso &c : casos) {
        TVista v = vista_em(c.de, QPoint(400, 300));
        const TPonto antes = v.para_circuito(c.ancora);
        v.definir_zoom(c.para, c.ancora);
        EXPECT_DOUBLE_EQ(v.zoom(), c.esperado);
        const TPonto depois = v.para_circuito(c.ancora);
        // Scrolling stops at the surface's top-left, so only a pull past it may move the point.
        if (v.origem().x() > 0)
            EXPECT_NEAR(depois.x, antes.x, 1) << c.de << "->" << c.para;
        if (v.origem().y() > 0)
            EXPECT_NEAR(depois.y, antes.y, 1) << c.de << "->" << c.para;
    }
}

TEST(Vista, DegrausDoZoom)
{
    struct Caso {
        double zoom;
        int sentido;
        double esperado;
    } casos[] = {
        {1, 1, 1.25}, {1, -1, 0.75}, {1.1, 1, 1.25}, {1.1, -1, 1},
        {4, 1, 4},    {0.25, -1, 0.25}, {3, 1, 4},  {0.5, -1, 1.0 / 3},
    };
    for (const Caso &c : casos)
        EXPECT_DOUBLE_EQ(TVista::proximo_passo(c.zoom, c.sentido), c.esperado) << c.zoom << " " << c.sentido;
}

TEST(Vista, ToleranciaNuncaMenorQueOsMesmosPixelsDeTela)
{
    struct Caso {
        double zoom;
        int perto, esperado;
    } casos[] = {{1, 5, 5}, {4, 5, 5}, {0.5, 5, 10}, {0.25, 5, 20}, {1.0 / 3, 5, 15}, {0.75, 3, 4}};
    for (const Caso &c : casos)
        EXPECT_EQ(vista_em(c.zoom).tolerancia(c.perto), c.esperado) << c.zoom;
}

TEST(Vista, SuperficieCobreJanelaCircuitoEMinimo)
{
    struct Caso {
        double zoom;
        QSize janela;
        QRect circuito;
        QSize esperada;
    } casos[] = {
        {1, {1000, 650}, QRect(), {4000, 2500}},
        {1, {1000, 650}, QRect(QPoint(3000, 2000), QPoint(3049, 2025)), {4000, 2500}},
        {1, {1000, 650}, QRect(QPoint(10, 10), QPoint(4999, 2600)), {5050, 2651}},
        {0.25, {1000, 650}, QRect(), {4000, 2600}},
        {2, {5000, 3000}, QRect(), {4000, 2500}},
    };
    for (const Caso &c : casos) {
        const TVista v = vista_em(c.zoom);
        EXPECT_EQ(v.superficie(c.janela, c.circuito), c.esperada) << c.zoom;
        EXPECT_EQ(v.superficie_tela(c.janela, c.circuito),
                  QSize(int(std::ceil(c.esperada.width() * c.zoom)), int(std::ceil(c.esperada.height() * c.zoom))));
    }
}

TEST(Vista, RolagemPresaASuperficie)
{
    const QSize janela(1000, 650);
    struct Caso {
        double zoom;
        QPoint pedida, obtida;
    } casos[] = {
        {1, {-5, -5}, {0, 0}},       {1, {2000, 1000}, {2000, 1000}}, {1, {9000, 9000}, {3000, 1850}},
        {2, {9000, 9000}, {7000, 4350}}, {0.25, {50, 50}, {0, 0}},
    };
    for (const Caso &c : casos) {
        TVista v = vista_em(c.zoom);
        v.rolar_para(c.pedida, janela, QRect());
        EXPECT_EQ(v.origem(), c.obtida) << c.zoom;
    }
}

TEST(Vista, AjustarEMostrarPoemOCircuitoNaJanela)
{
    const QSize janela(1000, 650);
    const QRect circuitos[] = {
        QRect(QPoint(3000, 2000), QPoint(3049, 2025)), QRect(QPoint(0, 0), QPoint(3799, 1999)),
        QRect(QPoint(100, 80), QPoint(700, 400)), QRect(QPoint(5000, 4000), QPoint(8800, 6000)),
    };
    for (const QRect &c : circuitos) {
        TVista ajustada;
        ajustada.ajustar(c, janela);
        EXPECT_TRUE(visivel(ajustada, janela).contains(QRectF(c))) << c.x() << "," << c.y();
        EXPECT_GE(ajustada.zoom(), TVista::ZOOM_MINIMO);
        EXPECT_LE(ajustada.zoom(), TVista::ZOOM_MAXIMO);

        TVista mostrada;
        mostrada.mostrar(c, janela);
        // At 100 % it shows the top-left part of what does not fit.
        EXPECT_TRUE(visivel(mostrada, janela).contains(QPointF(c.topLeft()))) << c.x() << "," << c.y();
    }
    // A circuit already in view is left where it is.
    TVista v;
    v.mostrar(QRect(QPoint(100, 80), QPoint(700, 400)), janela);
    EXPECT_EQ(v.origem(), QPoint(0, 0));
}

// The zoom box and the keys zoom about the window's top-left corner, the view then held to the
// circuit's far edges: a circuit in the upper left stays in sight at any zoom.
TEST(Vista, ZoomNoCantoMantemOCircuitoAVista)
{
    const QSize janela(1000, 650);
    const QRect circuito(QPoint(40, 20), QPoint(660, 590));
    struct Caso {
        double de;
        QPoint origem;
        double para;
        QPoint esperada;
    } casos[] = {
        {1, {0, 0}, 2, {0, 0}},          {0.25, {0, 0}, 4, {0, 0}},
        {2, {300, 200}, 3, {450, 300}},  {4, {2000, 1500}, 1, {0, 0}},
        {4, {2000, 1500}, 2, {422, 632}}, {1, {0, 0}, 1, {0, 0}},
    };
    for (const Caso &c : casos) {
        TVista v;
        v.definir_zoom(c.de, QPointF(0, 0));
        v.rolar_para(c.origem, janela, circuito);
        v.zoom_no_canto(c.para, circuito, janela);
        EXPECT_DOUBLE_EQ(v.zoom(), c.para);
        EXPECT_EQ(v.origem(), c.esperada) << c.de << "->" << c.para;
        EXPECT_TRUE(visivel(v, janela).intersects(QRectF(circuito))) << c.de << "->" << c.para;
    }
}
