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
    // List, its height, the ordinate pressed and the row picked. 171 / 6 = 28.5 rounds to 28: the
    // margin under the last row belongs to "Pedal". 115 / 4 = 28.75 rounds to 29.
    const struct {
        int lista, altura, y, linha;
    } casos[] = {
        {LISTA_MANUAL_ESQ, 171, 168, 5}, {LISTA_MANUAL_ESQ, 171, 170, 5},  {LISTA_MANUAL_ESQ, 171, 27, 0},
        {LISTA_MANUAL_ESQ, 171, 28, 1},  {LISTA_MECANICA_DIR, 115, 57, 1}, {LISTA_MECANICA_DIR, 115, 58, 2},
    };
    for (const auto &c : casos) {
        TConfiguracao_Figuras f;
        f.tipo_lista = c.lista;
        f.manual_esq = f.mecanica_dir = 7;
        EXPECT_TRUE(f.escolher(c.altura, c.y));
        const bool manual = c.lista == LISTA_MANUAL_ESQ;
        EXPECT_EQ(manual ? f.manual_esq : f.mecanica_dir, c.linha) << c.y;
        EXPECT_EQ(manual ? f.mecanica_dir : f.manual_esq, 7) << c.y; // the other list untouched
    }
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
