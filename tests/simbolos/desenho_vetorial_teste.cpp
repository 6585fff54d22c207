// The vector form of the symbol drawings: chosen only off the exact-pixel path, and drawing
// the same symbol as the pixel picture, in the pen's colour.
#include "simbolos/desenho_auxiliar.h"
#include "simbolos/desenho_simbolos.h"
#include "simbolos/imagens.h"

#include <QPainter>
#include <QPicture>

#include <gtest/gtest.h>

using namespace zefira;

namespace {

constexpr int ESCALA = 4;

// The base picture `nome` drawn as vectors ESCALA times larger, without smoothing, so each
// picture pixel becomes an ESCALA x ESCALA block.
QImage ampliada(const QString &nome, QSize tamanho, const QColor &cor)
{
    QImage img(tamanho * ESCALA, QImage::Format_RGB32);
    img.fill(Qt::white);
    QPainter p(&img);
    p.scale(ESCALA, ESCALA);
    p.setPen(QPen(cor, 1));
    desenhar_simbolo(nome, p, tamanho.width(), tamanho.height());
    return img;
}

} // namespace

TEST(DesenhoVetorial, SoUmaImagem1xComTranslacaoInteiraRecebePixels)
{
    QImage img(10, 10, QImage::Format_RGB32);
    QImage img2x(20, 20, QImage::Format_RGB32);
    img2x.setDevicePixelRatio(2);
    QPicture figura;
    struct Caso {
        const char *nome;
        QPaintDevice *dispositivo;
        QTransform transformacao;
        bool pixels;
    } casos[] = {
        {"identidade", &img, QTransform(), true},
        {"translacao inteira", &img, QTransform::fromTranslate(3, -4), true},
        {"translacao fracionaria", &img, QTransform::fromTranslate(0.5, 0), false},
        {"zoom 2", &img, QTransform::fromScale(2, 2), false},
        {"zoom 0,5", &img, QTransform::fromScale(0.5, 0.5), false},
        {"espelho", &img, QTransform(-1, 0, 0, 1, 10, 0), false},
        {"tela de alta densidade", &img2x, QTransform(), false},
        {"gravacao de vetores", &figura, QTransform(), false},
    };
    for (const Caso &c : casos) {
        QPainter p(c.dispositivo);
        p.setTransform(c.transformacao);
        EXPECT_EQ(desenho::pixels_exatos(p), c.pixels) << c.nome;
    }
}

// Each picture pixel is compared with the centre of its block in the vector drawing. The two
// rasterise edges differently (a steep plotted line steps where the stroke is straight), so
// some pixels may differ, but a shape that is mirrored, shifted, missing or extra shows up as
// most of its ink.
TEST(DesenhoVetorial, CadaFiguraAmpliadaCobreOsPixelsDaFigura)
{
    TImagens imagens;
    int n = 0;
    const TImagens::Entrada *tabela = TImagens::tabela(n);
    for (int i = 0; i < n; ++i) {
        const QString nome = QString::fromLatin1(tabela[i].nome);
        const QImage pixels = imagens.copiar(nome);
        const QImage vetor = ampliada(nome, pixels.size(), Qt::black);
        int tinta = 0, diferentes = 0;
        for (int y = 0; y < pixels.height(); ++y)
            for (int x = 0; x < pixels.width(); ++x) {
                const bool preto = (pixels.pixel(x, y) & 0xFFFFFF) == 0;
                const QRgb centro = vetor.pixel(x * ESCALA + ESCALA / 2, y * ESCALA + ESCALA / 2);
                tinta += preto;
                diferentes += preto != ((centro & 0xFFFFFF) == 0);
            }
        EXPECT_LE(diferentes, 4 + tinta / 3) << nome.toStdString() << ": " << diferentes
                                             << " of " << tinta << " ink pixels";
    }
}

TEST(DesenhoVetorial, AVarianteVermelhaNaoDeixaNadaPreto)
{
    TImagens imagens;
    int n = 0;
    const TImagens::Entrada *tabela = TImagens::tabela(n);
    for (int i = 1; i < n; ++i) { // `nada` has nothing to colour
        const QString nome = QString::fromLatin1(tabela[i].nome);
        const QImage vetor = ampliada(nome, imagens.tamanho(nome), Qt::red);
        int vermelhos = 0, pretos = 0;
        for (int y = 0; y < vetor.height(); ++y)
            for (int x = 0; x < vetor.width(); ++x) {
                const QRgb c = vetor.pixel(x, y) & 0xFFFFFF;
                vermelhos += c == 0xFF0000;
                pretos += c == 0;
            }
        EXPECT_GT(vermelhos, 0) << nome.toStdString();
        EXPECT_EQ(pretos, 0) << nome.toStdString();
    }
}

TEST(DesenhoVetorial, OsNomesSaoAchadosPelasCopiasEntregues)
{
    TImagens imagens;
    struct Caso {
        QString pedido, achado;
    } casos[] = {
        {"fig_4cf", "fig_4cf"},
        {"fig_4cf_selec", "fig_4cf_selec"},
        {"mola_esq", "mola_esq"},
        {"nada", "nada"},
    };
    for (const Caso &c : casos)
        EXPECT_EQ(imagens.nome_de(imagens.copiar(c.pedido)), c.achado) << c.pedido.toStdString();
    // A picture drawn elsewhere, or changed after the copy, is not the library's.
    QImage alterada = imagens.copiar("jump");
    alterada.setPixel(0, 0, qRgb(1, 2, 3));
    EXPECT_EQ(imagens.nome_de(alterada), QString());
    EXPECT_EQ(imagens.nome_de(QImage(9, 9, QImage::Format_RGB32)), QString());
    EXPECT_EQ(imagens.nome_de(QImage()), QString());
}
