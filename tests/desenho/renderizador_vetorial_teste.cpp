// The work area drawn under a view transform or on a vector device: the same circuit as the
// exact-pixel picture, as vectors throughout.
#include "apoio/circuito.h"
#include "demonstracoes/demonstracoes.h"
#include "desenho/arquivo_cursor.h"
#include "desenho/figura_acionador.h"
#include "desenho/renderizador.h"
#include "modelo/interface_roteirizada.h"
#include <QBuffer>
#include <QSvgGenerator>
#include <gtest/gtest.h>
#include <algorithm>
#include <cmath>
#include <string>

using namespace zefira;

namespace {

QImage ampliada(TEstado &e, int escala, QSize tamanho = QSize(1000, 650))
{
    QImage img(tamanho * escala, QImage::Format_RGB32);
    QPainter p(&img);
    p.scale(escala, escala);
    Desenhar(e, p, false, false, TSegmento());
    return img;
}

// Darkness of the escala x escala block over circuit pixel (x, y), 0 (white) .. 1 (black).
double escuridao(const QImage &img, int escala, int x, int y)
{
    double soma = 0;
    for (int j = 0; j < escala; ++j)
        for (int i = 0; i < escala; ++i)
            soma += 1 - qGray(img.pixel(x * escala + i, y * escala + j)) / 255.0;
    return soma / (escala * escala);
}

QByteArray em_svg(TEstado &e)
{
    QByteArray dados;
    QBuffer buffer(&dados);
    buffer.open(QIODevice::WriteOnly);
    QSvgGenerator svg;
    svg.setOutputDevice(&buffer);
    svg.setSize(QSize(1000, 650));
    {
        QPainter p(&svg);
        Desenhar(e, p, false, false, TSegmento());
    }
    return dados;
}

} // namespace

// A line misplaced by half a pixel smears over two blocks at half darkness each, a missing or
// mirrored picture leaves its pixels white: both show up as most of the ink disagreeing, while
// edges, steep plotted lines and the texts' own hinting at each size account for about a tenth,
// nearer a quarter in the current-path diagrams, where tags and path numbers are much of the ink.
// Every picture the model holds, and the cam, is redrawn as vectors: a vector file gets paths
// and texts, never a copied picture.
TEST(RenderizadorVetorial, CadaDemonstracaoAmpliadaConfereComOsPixelsESvgSemFiguraCopiada)
{
    for (const QString &nome : Nomes_Demonstracoes()) {
        TEstado e;
        TInterfaceRoteirizada ui;
        Carregar_Figura_Acionador(e);
        ASSERT_TRUE(Construir_Demonstracao(e, ui, nome));
        // Conductors are drawn thinner than a circuit pixel once enlarged, by design: the
        // symbols and texts are what is compared.
        bool eletrico = false;
        for (int i = 0; i < e.lista().numero_componentes(); ++i)
            eletrico = eletrico || e.lista()[i].familia().eletrica();
        for (int i = e.lista().numero_componentes() - 1; i >= 0; --i) {
            const TComponente &w = e.lista()[i];
            const TComponente *o = w.e_fio() ? e.lista().procurar(w.fio->conexao_origem) : nullptr;
            if (o && o->familia().dominio(w.fio->pino_origem) == TDominio::eletrico)
                e.lista().remover(w.codigo);
        }
        const QImage pixels = Imagem_Area_Trabalho(e);
        for (int escala : {2, 3}) {
            const QImage vetor = ampliada(e, escala);
            int tinta = 0, diferentes = 0;
            for (int y = 0; y < pixels.height(); ++y)
                for (int x = 0; x < pixels.width(); ++x) {
                    const bool escuro = qGray(pixels.pixel(x, y)) < 128;
                    tinta += escuro;
                    diferentes += escuro != (escuridao(vetor, escala, x, y) >= 0.6);
                }
            ASSERT_GT(tinta, 500) << nome.toStdString();
            EXPECT_LE(diferentes, tinta / (eletrico ? 4 : 6)) << nome.toStdString() << " x" << escala << ": " << diferentes
                                               << " of " << tinta;
        }
        // Cams drawn too, wherever a valve has a left actuator to press.
        for (int i = 0; i < e.lista().numero_componentes(); ++i)
            if (e.lista()[i].valvula_direcional)
                e.lista()[i].valvula_direcional->redesenhar = true;
        const QByteArray svg = em_svg(e);
        EXPECT_FALSE(svg.contains("<image")) << nome.toStdString();
        EXPECT_TRUE(svg.contains("<path") || svg.contains("<polyline")) << nome.toStdString();
        EXPECT_TRUE(svg.contains("<text")) << nome.toStdString();
    }
}

TEST(RenderizadorVetorial, SelecionadoFicaVermelhoAmpliado)
{
    TEstado e;
    TComponente &v = teste::valvula2(e, 300, 300);
    TComponente &cil = teste::componente(e, TIPO_CILINDRO, 500, 300, -1, 2);
    for (TComponente *selecionado : {&v, &cil}) {
        TComponente &c = *selecionado;
        c.selecionar();
        const QImage img = ampliada(e, 2);
        int vermelhos = 0, pretos = 0;
        for (int y = (c.topo + 2) * 2; y < (c.baixo - 1) * 2; ++y)
            for (int x = (c.esquerda + 2) * 2; x < (c.direita - 1) * 2; ++x) {
                const QRgb p = img.pixel(x, y);
                vermelhos += qRed(p) > 200 && qGreen(p) < 60;
                pretos += qGray(p) < 60 && qRed(p) < 60;
            }
        EXPECT_GT(vermelhos, 50) << c.tipo;
        EXPECT_EQ(pretos, 0) << c.tipo;
        c.desselecionar();
    }
}

// Placement cursors for dense screens come from the vectors: the real pixel size of the screen,
// ink of the symbol from the hot spot on, and the surroundings left transparent.
TEST(RenderizadorVetorial, CursorDeTelaDensaDesenhadoNaDensidadeDaTela)
{
    TImagens imagens;
    for (double dpr : {1.5, 2.0}) {
        for (int i = 1; i <= 13; ++i) {
            const QImage c = Desenhar_Cursor(imagens, i, dpr);
            SCOPED_TRACE(Figura_Cursor(i).toStdString() + " " + std::to_string(dpr));
            EXPECT_EQ(c.size(), QSize(int(std::ceil(32 * dpr)), int(std::ceil(32 * dpr))));
            EXPECT_EQ(c.devicePixelRatio(), dpr);
            QRect tinta;
            for (int y = 0; y < c.height(); ++y)
                for (int x = 0; x < c.width(); ++x)
                    if (qAlpha(c.pixel(x, y)) > 128)
                        tinta |= QRect(x, y, 1, 1);
            ASSERT_TRUE(tinta.isValid());
            // The symbol (scaled down when larger than 32 x 32) starts at the hot spot.
            const QSize s = imagens.tamanho(Figura_Cursor(i));
            const double k = dpr * std::min({1.0, 32.0 / s.width(), 32.0 / s.height()});
            EXPECT_LE(tinta.left(), int(3 * k));
            EXPECT_LE(tinta.right(), int(std::ceil(s.width() * k)));
            EXPECT_LE(tinta.bottom(), int(std::ceil(s.height() * k)));
            EXPECT_EQ(qAlpha(c.pixel(c.width() - 1, c.height() - 1)), 0);
        }
    }
}

// The sight and the move cross stand in for the pointer: the same size on the screen at any
// zoom, centred on the pointer's circuit pixel.
TEST(RenderizadorVetorial, MiraECruzGuardamOTamanhoDeTela)
{
    auto tinta = [](double zoom, bool mira) {
        TEstado e;
        e.mouse_x = 100;
        e.mouse_y = 80;
        QImage img(int(300 * zoom) + 40, int(250 * zoom) + 40, QImage::Format_RGB32);
        QPainter p(&img);
        p.scale(zoom, zoom);
        Desenhar(e, p, mira, !mira, TSegmento());
        p.end();
        QRect r;
        for (int y = 0; y < img.height(); ++y)
            for (int x = 0; x < img.width(); ++x)
                if (qGray(img.pixel(x, y)) < 128)
                    r |= QRect(x, y, 1, 1);
        return r;
    };
    for (bool mira : {true, false}) {
        const QRect base = tinta(1, mira);
        ASSERT_GT(base.width(), 15);
        for (double zoom : {0.25, 0.5, 2.0, 4.0}) {
            const QRect r = tinta(zoom, mira);
            SCOPED_TRACE(std::to_string(zoom) + (mira ? " mira" : " cruz"));
            EXPECT_NEAR(r.width(), base.width(), 2);
            EXPECT_NEAR(r.height(), base.height(), 2);
            // The same offset from the pointer's pixel as at 100 %.
            EXPECT_NEAR(r.center().x() - 100.5 * zoom, base.center().x() - 100.5, 1.5);
            EXPECT_NEAR(r.center().y() - 80.5 * zoom, base.center().y() - 80.5, 1.5);
        }
    }
}
