// The action script's words and options as read; replayed on the headless editor they are
// driven in HistoricoEdicao and RoteiroEdicao.
#include "edicao/roteiro.h"
#include <Qt>
#include <gtest/gtest.h>

using namespace zefira;

TEST(RoteiroLeitura, LinhasInvalidasDaoONumeroDaPrimeira)
{
    struct Caso {
        const char *texto;
        int linha;
    };
    const Caso casos[] = {
        {"paleta 3\n\n# comment\n   \nvoar 1 2\n", 5}, {"paleta 1", 1}, {"paleta 15", 1}, {"paleta tres", 1},
        {"paleta 3 4", 1}, {"pressionar 10", 1}, {"pressionar 10 x", 1}, {"pressionar 10 20 esq", 1},
        {"pressionar 10 20 shift shift", 1}, {"mover 10 20 dir", 1}, {"soltar 10 20 dir dir", 1},
        {"duplo 10 20 shift", 1}, {"tecla Enter", 1}, {"tecla", 1}, {"tecla escape", 1}, {"menu", 1},
        {"menu colar tudo", 1}, {"menu Copiar", 1}, {"responder talvez", 1},
        {"paleta 3\r\nmover 1 2\r\nPaleta 3\r\n", 3},
    };
    for (const Caso &c : casos) {
        TRoteiro r;
        EXPECT_EQ(r.analisar(QString::fromUtf8(c.texto)), c.linha) << c.texto;
        EXPECT_TRUE(r.acoes().empty()) << c.texto;
    }
}

TEST(RoteiroLeitura, OpcoesEmQualquerOrdemEComentarios)
{
    TRoteiro r;
    ASSERT_EQ(r.analisar("  # header\npressionar 5 -6 shift dir\nsoltar 5 6 dir\ntecla Baixo shift\n"
                         "menu selecionartudo\nresponder cancelar\nduplo 1 2\nmover 3 4 shift\n"),
              0);
    ASSERT_EQ(r.acoes().size(), 7u);
    const TRoteiro::TAcao &p = r.acoes()[0];
    EXPECT_EQ(p.acao, TRoteiro::TipoAcao::Pressionar);
    EXPECT_EQ(p.x, 5);
    EXPECT_EQ(p.y, -6);
    EXPECT_TRUE(p.direito);
    EXPECT_TRUE(p.shift);
    EXPECT_FALSE(r.acoes()[1].shift);
    EXPECT_EQ(r.acoes()[2].codigo, int(Qt::Key_Down));
    EXPECT_EQ(r.acoes()[3].comando, TRoteiro::Comando::SelecionarTudo);
    EXPECT_EQ(r.acoes()[4].resposta, Resposta::Cancelar);
}
