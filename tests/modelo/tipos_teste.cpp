// The kind objects: what the family test (Registro) cannot see from outside: squares, actuator
// codes without a picture, the selection reaching every part, the sides of a cylinder, the
// regulator's docking port and the wire's points.
#include "apoio_modelo.h"
#include "componentes/cilindro/cilindro.h"
#include "componentes/fio/fio.h"
#include "componentes/valvula_direcional/parte.h"
#include "componentes/valvula_direcional/valvula_direcional.h"
#include "componentes/valvula_e_ou/valvula_e_ou_esc_reg.h"
#include <gtest/gtest.h>

using namespace zefira;
using namespace zefira::teste;

namespace {

class Tipos : public ::testing::Test {
protected:
    TImagens imagens;
};

} // namespace

// Default values are pinned by the exact bytes a fresh circuit is written with
// (Escritor.ExemploLinhaALinhaEmWindows1252), not restated here.
TEST_F(Tipos, ValvulaQuadradosParteVaziaESemFigura)
{
    TValvula_Direcional v(imagens, 4);
    for (int i = 1; i <= 3; ++i)
        EXPECT_EQ(v.parte(i), nullptr);
    // Pictures stay empty until a selection change or an actuator setter loads them.
    EXPECT_TRUE(v.figura_mola_esq.isNull());
    EXPECT_TRUE(v.figura_manual_dir.isNull());

    v.definir_parte(1, 6);
    v.definir_parte(2, 7);
    v.definir_parte(3, 8);
    EXPECT_EQ(v.parte(0), v.parte(3));
    EXPECT_EQ(v.parte(7), v.parte(3));
    EXPECT_EQ(v.parte(3)->tipo(), 8);
    v.definir_parte(2, -1);
    EXPECT_EQ(v.parte(2), nullptr);
    v.definir_parte(4, 9); // not a square: nothing changes
    v.definir_parte(0, 9);
    EXPECT_EQ(v.parte(1)->tipo(), 6);
    EXPECT_EQ(v.parte(3)->tipo(), 8);

    // The empty square looks the same selected or not; a code with no picture loads none.
    TParte vazia(imagens, -1);
    vazia.selecionar();
    EXPECT_TRUE(vazia.selecionado());
    EXPECT_TRUE(mesma_figura(imagens, vazia.figura(), "nada"));
    for (int tipo : {0, 17}) {
        TParte sem(imagens, tipo);
        sem.selecionar();
        EXPECT_TRUE(sem.figura().isNull()) << tipo;
    }
}

TEST_F(Tipos, ValvulaSelecionarAlcancaQuadradosEAcionadores)
{
    TValvula_Direcional v(imagens, 2);
    v.definir_parte(1, 1);
    v.definir_parte(2, 2);
    v.definir_acao_manual(false, 1);
    v.definir_acao_mecanica(true, 2);
    v.selecionar();
    EXPECT_TRUE(v.selecionado());
    EXPECT_TRUE(v.parte(1)->selecionado());
    EXPECT_TRUE(mesma_figura(imagens, v.parte(2)->figura(), "fig_2vf_selec"));
    EXPECT_TRUE(mesma_figura(imagens, v.figura_manual_esq, "manual_botao_esq_selec"));
    EXPECT_TRUE(mesma_figura(imagens, v.figura_mecanica_dir, "mecanica_rolete_dir_selec"));
    EXPECT_TRUE(mesma_figura(imagens, v.figura_manual_dir, "nada"));
    v.desselecionar();
    EXPECT_FALSE(v.parte(2)->selecionado());
    EXPECT_TRUE(mesma_figura(imagens, v.parte(1)->figura(), "fig_2va"));
    EXPECT_TRUE(mesma_figura(imagens, v.figura_mecanica_dir, "mecanica_rolete_dir"));
    EXPECT_TRUE(mesma_figura(imagens, v.figura_mola_dir, "mola_dir"));
}

TEST_F(Tipos, CilindroPressaoERotulosPorLado)
{
    TCilindro c(imagens, 2);
    c.definir_pressurizado(true, true); // the right-side flag is port 2's
    EXPECT_TRUE(c.pressurizado_2);
    EXPECT_FALSE(c.pressurizado_1);

    c.definir_rotulo(6, "fim", 100);
    c.definir_rotulo(7, "x", 5);
    c.definir_rotulo(0, "y", 5);
    EXPECT_EQ(c.rotulo(6).texto, "fim");
    EXPECT_EQ(c.rotulo(6).posicao, 100);
    EXPECT_TRUE(c.rotulo(7).texto.isEmpty());
    EXPECT_TRUE(c.rotulo(0).texto.isEmpty());
    EXPECT_TRUE(c.rotulo(1).texto.isEmpty());
}

// A code with no picture (an actuator, an AND/OR state) keeps the picture it had.
TEST_F(Tipos, CodigoSemFiguraMantemAAnterior)
{
    TValvula_Direcional v(imagens, 5);
    v.definir_acao_manual(true, 3);
    v.definir_acao_manual(true, 9);
    EXPECT_EQ(v.acao_manual(true), 9);
    EXPECT_TRUE(mesma_figura(imagens, v.figura_manual_dir, "manual_alavanca_dir"));
    v.definir_acao_mecanica(false, 2);
    v.definir_acao_mecanica(false, 4);
    EXPECT_TRUE(mesma_figura(imagens, v.figura_mecanica_esq, "mecanica_rolete_esq"));

    TValvula_E_OU_ESC_REG ou(imagens, EOU_OU);
    ou.definir_estado(2);
    ou.definir_estado(3);
    EXPECT_EQ(ou.estado(), 3);
    EXPECT_TRUE(mesma_figura(imagens, ou.figura, "valvula_ou_2"));
    ou.selecionar(); // still no picture for state 3, selected or not
    EXPECT_TRUE(mesma_figura(imagens, ou.figura, "valvula_ou_2"));

    TValvula_E_OU_ESC_REG reg(imagens, EOU_REGULADORA);
    reg.definir_estado(0);
    EXPECT_TRUE(mesma_figura(imagens, reg.figura, "valvula_reguladora"));
}

TEST_F(Tipos, ValvulaEOuPinoSoNaReguladoraPelaPortaUm)
{
    TValvula_E_OU_ESC_REG ou(imagens, EOU_OU);
    ou.ligar(1, 12, 3);
    EXPECT_EQ(ou.pino, -1);

    TValvula_E_OU_ESC_REG reg(imagens, EOU_REGULADORA);
    reg.ligar(2, 13, 1); // another port records no pino
    EXPECT_EQ(reg.pino, -1);
    reg.ligar(1, 12, 3);
    EXPECT_EQ(reg.conexao(1), 12);
    EXPECT_EQ(reg.pino, 3);
    reg.desligar(2);
    EXPECT_EQ(reg.pino, 3);
    reg.desligar(1);
    EXPECT_EQ(reg.conexao(1), -1);
    EXPECT_EQ(reg.pino, -1);
}

TEST(Fio, PontosEExtremidades)
{
    TFio f;
    f.adicionar_ponto(1, 2);
    f.remover_ponto(0);
    EXPECT_EQ(f.numero_pontos(), 0);
    EXPECT_TRUE(f.pontos.empty());

    const TPonto p(3, 4);
    f.adicionar_ponto(p);
    f.adicionar_ponto(10, 20);
    f.adicionar_ponto(30, 40);
    f.mover_ponto(1, TPonto(0, 0), true);
    EXPECT_EQ(f.ponto(1), TPonto(10, 20));
    f.mover_ponto(1, TPonto(2, -3), true);
    EXPECT_EQ(f.ponto(1), TPonto(12, 17));
    f.mover_ponto(2, TPonto(5, 7), false);
    EXPECT_EQ(f.ponto(2), TPonto(5, 7));
    f.remover_ponto(1); // later points move down
    EXPECT_EQ(f.numero_pontos(), 2);
    EXPECT_EQ(f.ponto(1), TPonto(5, 7));

    f.ligar(true, 3, 2);
    f.ligar(false, 9, 4);
    EXPECT_EQ(f.conexao(true), 3);
    EXPECT_EQ(f.pino(true), 2);
    EXPECT_EQ(f.conexao(false), 9);
    EXPECT_EQ(f.pino(false), 4);
}
