// The air supply and flow regulator dialogs without their windows, and the input rules of the
// dialogs' boxes.
#include "propriedades/configuracao_entrada.h"
#include "propriedades/configuracao_reguladora.h"
#include "propriedades/configuracao_tomada_ar.h"
#include "edicao/paleta.h"
#include "modelo/estado.h"

#include <Qt>
#include <gtest/gtest.h>

using namespace zefira;

// Cancel, an emptied box and a value beyond the range go through the dialog's controls
// (FormConfiguracaoTomadaAr.ControlesChegamAsRegras).
TEST(ConfiguracaoTomadaAr, GrauPeloValorEFuzzyGravaOValorDoGrau)
{
    TEstado e;
    TComponente &t = Posicionar_Componente(e, 6, 100, 100);
    t.tomada_ar->pressao = 7;
    TConfiguracao_Tomada_Ar d;
    d.preparar(t);
    d.FormShow();
    EXPECT_EQ(d.grau, 1);
    EXPECT_TRUE(d.valor_habilitado());
    EXPECT_FALSE(d.graus_habilitados());
    d.cbFuzzyClick(true);
    EXPECT_TRUE(d.graus_habilitados());
    d.grau = TConfiguracao_Valor_Fuzzy::NENHUM_GRAU; // Fuzzy with no grade chosen stores nothing
    d.ButOKClick();
    EXPECT_EQ(t.tomada_ar->pressao, 7);
    d.grau = 2;
    d.ButOKClick();
    EXPECT_EQ(t.tomada_ar->pressao, 8);
    EXPECT_TRUE(t.tomada_ar->fuzzy);

    const int limites[][2] = {{3, 0}, {4, 1}, {7, 1}, {8, 2}, {10, 2}};
    for (const auto &l : limites)
        EXPECT_EQ(d.grau_de(l[0]), l[1]) << l[0];
}

TEST(ConfiguracaoReguladora, GrausDaVazao)
{
    TEstado e;
    TComponente &r = Posicionar_Componente(e, 13, 100, 100);
    TConfiguracao_Reguladora d;
    d.preparar(r);
    r.valvula_e_ou_esc_reg->vazao = 1499;
    d.FormShow();
    EXPECT_EQ(d.grau, 1);
    r.valvula_e_ou_esc_reg->vazao = 1500;
    d.FormShow();
    EXPECT_EQ(d.grau, 2);
    EXPECT_EQ(d.grau_de(499), 0);
    EXPECT_EQ(d.grau_de(500), 1);
    d.cbFuzzyClick(true);
    d.grau = 0;
    d.ButOKClick();
    EXPECT_EQ(r.valvula_e_ou_esc_reg->vazao, 400);
    d.FormShow();
    d.cbFuzzyClick(false);
    d.valor.definir(2500);
    d.ButOKClick();
    EXPECT_EQ(r.valvula_e_ou_esc_reg->vazao, 2000);
    EXPECT_FALSE(r.valvula_e_ou_esc_reg->fuzzy);
}

TEST(ConfiguracaoEntrada, TeclasDaCaixaNumerica)
{
    EXPECT_EQ(Tecla_Caixa_Numero(Qt::Key_Return, "\r"), AcaoTecla::Confirmar);
    EXPECT_EQ(Tecla_Caixa_Numero(Qt::Key_Enter, "\r"), AcaoTecla::Confirmar);
    EXPECT_EQ(Tecla_Caixa_Numero(Qt::Key_Escape, "\x1b"), AcaoTecla::Fechar);
    EXPECT_EQ(Tecla_Caixa_Numero(Qt::Key_7, "7"), AcaoTecla::Aceitar);
    EXPECT_EQ(Tecla_Caixa_Numero(Qt::Key_Backspace, "\b"), AcaoTecla::Aceitar);
    EXPECT_EQ(Tecla_Caixa_Numero(Qt::Key_A, "a"), AcaoTecla::Descartar);
    EXPECT_EQ(Tecla_Caixa_Numero(Qt::Key_Minus, "-"), AcaoTecla::Descartar);
    EXPECT_EQ(Tecla_Caixa_Numero(Qt::Key_Up, ""), AcaoTecla::Descartar);
    EXPECT_EQ(Tecla_Caixa_Numero(Qt::Key_Delete, ""), AcaoTecla::Descartar);
}

TEST(ConfiguracaoEntrada, TextoSemFechaParentesesNemQuebras)
{
    EXPECT_EQ(Filtrar_Texto_Arquivo(QStringLiteral("a(b)c\r\nd")), QStringLiteral("a(bcd"));
    EXPECT_FALSE(Caractere_Aceito_Arquivo(QLatin1Char(')')));
    EXPECT_TRUE(Caractere_Aceito_Arquivo(QChar(0xE7))); // ç
}
