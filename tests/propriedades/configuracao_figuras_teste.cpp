// The symbol picker without its window: list sizes, picking by cell height, tooltips.
#include "propriedades/configuracao_figuras.h"
#include "simbolos/imagens.h"

#include <gtest/gtest.h>

using namespace zefira;

TEST(ConfiguracaoFiguras, AlturasDasListas)
{
    const TImagens imagens;
    const int listas[] = {1, 2, 3, 4, 7, 8, 9, 10};
    const int alturas[] = {171, 171, 115, 115, 87, 115, 199, 171};
    for (int i = 0; i < 8; ++i)
        EXPECT_EQ(TConfiguracao_Figuras::altura_lista(imagens, listas[i]), alturas[i]) << listas[i];
    EXPECT_EQ(TConfiguracao_Figuras::altura_lista(imagens, -1), -1);
    EXPECT_EQ(TConfiguracao_Figuras::altura_lista(imagens, 5), -1);
    // Actuator rows keep the pitch of the empty square though their pictures are smaller.
    const std::vector<int> topos = TConfiguracao_Figuras::topos_linhas(imagens, 3);
    EXPECT_EQ(topos, (std::vector<int>{3, 31, 59, 87}));
    EXPECT_EQ(TConfiguracao_Figuras::figuras_lista(9).at(2), QStringLiteral("fig_4d"));
}

TEST(ConfiguracaoFiguras, EscolheALinhaPelaAlturaDaCelula)
{
    TConfiguracao_Figuras f;
    f.tipo_lista = LISTA_MANUAL_ESQ;
    // 171 / 6 = 28.5 rounds to 28: the margin under the last row belongs to "Pedal".
    for (int y : {168, 170}) {
        f.manual_esq = 0;
        EXPECT_TRUE(f.escolher(171, y));
        EXPECT_EQ(f.manual_esq, 5) << y;
    }
    f.escolher(171, 27);
    EXPECT_EQ(f.manual_esq, 0);
    f.escolher(171, 28);
    EXPECT_EQ(f.manual_esq, 1);

    // 115 / 4 = 28.75 rounds to 29.
    f.tipo_lista = LISTA_MECANICA_DIR;
    f.escolher(115, 57);
    EXPECT_EQ(f.mecanica_dir, 1);
    f.escolher(115, 58);
    EXPECT_EQ(f.mecanica_dir, 2);
    EXPECT_EQ(f.manual_esq, 1);
}

TEST(ConfiguracaoFiguras, ListaDePosicoesEscreveNaPosicaoEditada)
{
    TConfiguracao_Figuras f;
    f.tipo_lista = 9;
    f.posicao_editada = 2;
    f.escolher(199, 2 * 28 + 5);
    EXPECT_EQ(f.figura_posicao[2], 2); // fig_4d
    EXPECT_EQ(f.figura_posicao[1], 0);

    // A position outside 1..3 and an unknown list store nothing.
    f.posicao_editada = 4;
    EXPECT_FALSE(f.escolher(199, 100));
    f.tipo_lista = LISTA_NENHUMA;
    f.posicao_editada = 1;
    EXPECT_FALSE(f.escolher(199, 100));
    EXPECT_EQ(f.figura_posicao[1], 0);
}

TEST(ConfiguracaoFiguras, DicasSoNasListasDeAcionadores)
{
    TConfiguracao_Figuras f;
    QString dica = QStringLiteral("antes");
    f.tipo_lista = LISTA_MANUAL_DIR;
    EXPECT_TRUE(f.dica_em(171, 60, dica));
    EXPECT_EQ(dica, QStringLiteral("Botão com Trava"));
    // Below the last whole cell (6 x 28 = 168) no row claims the pointer.
    dica = QStringLiteral("antes");
    EXPECT_FALSE(f.dica_em(171, 169, dica));
    EXPECT_EQ(dica, QStringLiteral("antes"));
    f.tipo_lista = LISTA_MECANICA_ESQ;
    EXPECT_TRUE(f.dica_em(115, 90, dica));
    EXPECT_EQ(dica, QStringLiteral("Gatilho"));
    f.tipo_lista = 8;
    EXPECT_FALSE(f.dica_em(115, 10, dica));
}
