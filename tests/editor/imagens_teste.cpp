#include "editor/imagens.h"

#include <gtest/gtest.h>

using namespace zefira;

namespace {

bool so_cores(const QImage &img, QRgb a, QRgb b)
{
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x) {
            QRgb c = img.pixel(x, y) & 0xFFFFFF;
            if (c != (a & 0xFFFFFF) && c != (b & 0xFFFFFF))
                return false;
        }
    return true;
}

} // namespace

TEST(Imagens, CadaNomeTemOTamanhoDaTabelaNasDuasVariantes)
{
    TImagens imagens;
    int n = 0;
    const TImagens::Entrada *tabela = TImagens::tabela(n);
    ASSERT_EQ(n, 54);
    for (int i = 0; i < n; ++i) {
        const QString nome = QString::fromLatin1(tabela[i].nome);
        const QSize esperado(tabela[i].largura, tabela[i].altura);
        EXPECT_EQ(imagens.tamanho(nome), esperado) << nome.toStdString();
        EXPECT_EQ(imagens.copiar(nome).size(), esperado) << nome.toStdString();
        if (nome == "nada")
            continue;
        EXPECT_EQ(imagens.tamanho(nome + "_selec"), esperado) << nome.toStdString();
    }
}

TEST(Imagens, NadaEBrancoESemVarianteSelecionada)
{
    TImagens imagens;
    QImage nada = imagens.copiar("nada");
    ASSERT_EQ(nada.size(), QSize(25, 25));
    EXPECT_TRUE(so_cores(nada, qRgb(255, 255, 255), qRgb(255, 255, 255)));
    EXPECT_FALSE(imagens.existe("nada_selec"));
}

TEST(Imagens, SelecionadaEAMesmaFiguraComPretoVermelho)
{
    TImagens imagens;
    int n = 0;
    const TImagens::Entrada *tabela = TImagens::tabela(n);
    for (int i = 1; i < n; ++i) {
        const QString nome = QString::fromLatin1(tabela[i].nome);
        QImage normal = imagens.copiar(nome);
        QImage selec = imagens.copiar(nome + "_selec");
        EXPECT_TRUE(so_cores(normal, qRgb(0, 0, 0), qRgb(255, 255, 255))) << nome.toStdString();
        bool tem_preto = false;
        for (int y = 0; y < normal.height(); ++y)
            for (int x = 0; x < normal.width(); ++x) {
                QRgb c = normal.pixel(x, y) & 0xFFFFFF;
                QRgb s = selec.pixel(x, y) & 0xFFFFFF;
                if (c == 0) {
                    tem_preto = true;
                    EXPECT_EQ(s, 0xFF0000u);
                } else {
                    EXPECT_EQ(s, 0xFFFFFFu);
                }
            }
        EXPECT_TRUE(tem_preto) << nome.toStdString() << " sem desenho";
    }
}

TEST(Imagens, NomeDesconhecidoNaoDaNadaENaoMudaODestino)
{
    TImagens imagens;
    EXPECT_TRUE(imagens.copiar("fig_99").isNull());
    EXPECT_FALSE(imagens.tamanho("fig_99").isValid());
    QImage destino = imagens.copiar("jump");
    EXPECT_FALSE(imagens.copiar("nao_existe", destino));
    EXPECT_EQ(destino.size(), QSize(9, 9));
}
