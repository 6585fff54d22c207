// The kind objects: pictures chosen by code, type and state (compared against the symbol
// library), the selected variants, connection slots and their out-of-range reads, and the
// small value classes they rest on.
#include "apoio_modelo.h"

#include "componentes/cilindro/cilindro.h"
#include "componentes/fio/fio.h"
#include "componentes/jump/jump.h"
#include "componentes/valvula_direcional/parte.h"
#include "componentes/tomada_ar/tomada_de_ar.h"
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

const char *const QUADRADOS[17] = {nullptr,    "fig_2va", "fig_2vf",  "fig_3cf",  "fig_3va", "fig_3vf",
                                   "fig_4can", "fig_4cap", "fig_4cf", "fig_4cfb", "fig_4d",  "fig_4e",
                                   "fig_5can", "fig_5cap", "fig_5cf", "fig_5d",   "fig_5e"};
const char *const MANUAIS[6] = {"nada",           "manual_botao",          "manual_botao_trava",
                                "manual_alavanca", "manual_alavanca_trava", "manual_pedal"};
const char *const MECANICAS[4] = {"nada", "mecanica_pino", "mecanica_rolete", "mecanica_gatilho"};

QString selec(const QString &nome, bool selecionado)
{
    return selecionado ? nome + "_selec" : nome;
}

} // namespace

TEST_F(Tipos, ParteCarregaAFiguraDoCodigoEASelecionada)
{
    for (int tipo = 1; tipo <= 16; ++tipo) {
        TParte p(imagens, tipo);
        const QString nome = QString::fromLatin1(QUADRADOS[tipo]);
        EXPECT_TRUE(mesma_figura(imagens, p.figura(), nome));
        p.selecionar();
        EXPECT_TRUE(mesma_figura(imagens, p.figura(), nome + "_selec"));
        p.desselecionar();
        EXPECT_TRUE(mesma_figura(imagens, p.figura(), nome));
    }
    TParte vazia(imagens, -1);
    EXPECT_TRUE(mesma_figura(imagens, vazia.figura(), "nada"));
    vazia.selecionar();
    EXPECT_TRUE(vazia.selecionado());
    EXPECT_TRUE(mesma_figura(imagens, vazia.figura(), "nada"));
    for (int tipo : {0, 17}) {
        TParte sem(imagens, tipo);
        sem.selecionar();
        EXPECT_TRUE(sem.figura().isNull()) << tipo;
    }
}

// Default values are pinned by the exact bytes a fresh circuit is written with
// (Escritor.ExemploLinhaALinhaEmWindows1252), not restated here.
TEST_F(Tipos, ValvulaQuadradosEConexoes)
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

    for (int porta : {0, 8, -1})
        EXPECT_EQ(v.conexao(porta), -1) << porta;
    v.ligar(7, 42);
    v.ligar(8, 43);
    EXPECT_EQ(v.conexao(7), 42);
    EXPECT_EQ(v.conexao(8), -1);
    v.desligar(7);
    EXPECT_EQ(v.conexao(7), -1);
}

TEST_F(Tipos, ValvulaFigurasDosAcionadoresPorCodigoELado)
{
    for (bool selecionado : {false, true}) {
        TValvula_Direcional v(imagens, 3);
        if (selecionado)
            v.selecionar();
        for (int codigo = 0; codigo <= 5; ++codigo) {
            v.definir_acao_manual(true, codigo);
            v.definir_acao_manual(false, 5 - codigo);
            const QString dir = codigo ? selec(QString(MANUAIS[codigo]) + "_dir", selecionado) : "nada";
            const QString esq = 5 - codigo ? selec(QString(MANUAIS[5 - codigo]) + "_esq", selecionado) : "nada";
            EXPECT_TRUE(mesma_figura(imagens, v.figura_manual_dir, dir));
            EXPECT_TRUE(mesma_figura(imagens, v.figura_manual_esq, esq));
        }
        for (int codigo = 0; codigo <= 3; ++codigo) {
            v.definir_acao_mecanica(true, codigo);
            v.definir_acao_mecanica(false, 3 - codigo);
            const QString dir = codigo ? selec(QString(MECANICAS[codigo]) + "_dir", selecionado) : "nada";
            const QString esq = 3 - codigo ? selec(QString(MECANICAS[3 - codigo]) + "_esq", selecionado) : "nada";
            EXPECT_TRUE(mesma_figura(imagens, v.figura_mecanica_dir, dir));
            EXPECT_TRUE(mesma_figura(imagens, v.figura_mecanica_esq, esq));
        }
        // Springs and pilots are drawn from their pictures whatever the flags say.
        EXPECT_TRUE(mesma_figura(imagens, v.figura_mola_esq, selec("mola_esq", selecionado)));
        EXPECT_TRUE(mesma_figura(imagens, v.figura_mola_dir, selec("mola_dir", selecionado)));
        EXPECT_TRUE(mesma_figura(imagens, v.figura_piloto_esq, selec("piloto_esq", selecionado)));
        EXPECT_TRUE(mesma_figura(imagens, v.figura_piloto_dir, selec("piloto_dir", selecionado)));
    }
}

TEST_F(Tipos, ValvulaCodigoDesconhecidoMantemAFigura)
{
    TValvula_Direcional v(imagens, 5);
    v.definir_acao_manual(true, 3);
    v.definir_acao_manual(true, 9);
    EXPECT_EQ(v.acao_manual(true), 9);
    EXPECT_TRUE(mesma_figura(imagens, v.figura_manual_dir, "manual_alavanca_dir"));
    v.definir_acao_mecanica(false, 2);
    v.definir_acao_mecanica(false, 4);
    EXPECT_TRUE(mesma_figura(imagens, v.figura_mecanica_esq, "mecanica_rolete_esq"));
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

TEST_F(Tipos, CilindroFigurasPorTipoELigacoesPorLado)
{
    for (int tipo = 1; tipo <= 3; ++tipo) {
        TCilindro c(imagens, tipo);
        const QString corpo = tipo == 3 ? "cilindro_dehd" : "cilindro_se_dehs";
        for (bool s : {false, true}) {
            if (s)
                c.selecionar();
            SCOPED_TRACE(testing::Message() << "type " << tipo << (s ? " selected" : ""));
            EXPECT_TRUE(mesma_figura(imagens, c.figura_corpo, selec(corpo, s)));
            EXPECT_TRUE(mesma_figura(imagens, c.figura_cabo, selec(corpo + "_cabo", s)));
            EXPECT_TRUE(mesma_figura(imagens, c.figura_dentro, selec("cilindro_dentro", s)));
            EXPECT_TRUE(mesma_figura(imagens, c.figura_fora, selec("cilindro_fora", s)));
        }
        c.desselecionar();
        EXPECT_TRUE(mesma_figura(imagens, c.figura_corpo, corpo));
    }

    TCilindro c(imagens, 2);
    c.ligar(true, 11);
    c.ligar(false, 12);
    EXPECT_EQ(c.conexao(true), 11); // the right-side slot is port 1
    EXPECT_EQ(c.conexao(false), 12);
    c.desligar(true);
    EXPECT_EQ(c.conexao(true), -1);
    EXPECT_EQ(c.conexao(false), 12);
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

TEST_F(Tipos, ValvulaEOuFigurasPorTipoEEstado)
{
    const char *const nomes[5][4] = {
        {},
        {nullptr, "valvula_e", "valvula_e_2", "valvula_e_3"},
        {nullptr, "valvula_ou", "valvula_ou_2", nullptr},
        {nullptr, "valvula_escape", "valvula_escape_2", nullptr},
        {nullptr, "valvula_reguladora", "valvula_reguladora_2", nullptr},
    };
    for (int tipo = 1; tipo <= 4; ++tipo) {
        TValvula_E_OU_ESC_REG v(imagens, tipo);
        EXPECT_TRUE(mesma_figura(imagens, v.figura, nomes[tipo][1]));
        for (int estado = 1; estado <= 3; ++estado) {
            if (!nomes[tipo][estado])
                continue;
            v.definir_estado(estado);
            EXPECT_TRUE(mesma_figura(imagens, v.figura, nomes[tipo][estado]));
            v.selecionar();
            EXPECT_TRUE(mesma_figura(imagens, v.figura, QString(nomes[tipo][estado]) + "_selec"));
            v.desselecionar();
        }
    }
}

TEST_F(Tipos, EstadoSemFiguraMantemAAnterior)
{
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
    EXPECT_EQ(ou.conexao(1), 12);
    EXPECT_EQ(ou.pino, -1);
    for (int porta : {0, 4})
        EXPECT_EQ(ou.conexao(porta), -1);

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

TEST_F(Tipos, TomadaDeArEJump)
{
    TTomada_Ar t(imagens);
    EXPECT_TRUE(mesma_figura(imagens, t.figura, "tomada_de_ar"));
    t.selecionar();
    EXPECT_TRUE(mesma_figura(imagens, t.figura, "tomada_de_ar_selec"));
    t.ligar(4, 1);
    t.desligar();
    EXPECT_EQ(t.conexao, -1);
    EXPECT_EQ(t.pino, -1);

    TJump j(imagens);
    EXPECT_TRUE(mesma_figura(imagens, j.figura, "jump"));
    j.selecionar();
    EXPECT_TRUE(mesma_figura(imagens, j.figura, "jump_selec"));
    j.ligar(4, 8);
    j.ligar(5, 9);
    EXPECT_EQ(j.conexao(4), 8);
    EXPECT_EQ(j.conexao(0), -1);
    EXPECT_EQ(j.conexao(5), -1);
}

TEST(Fio, PontosEExtremidades)
{
    TFio f;
    EXPECT_EQ(f.numero_pontos(), 0);
    EXPECT_EQ(f.conexao(true), -1);
    EXPECT_EQ(f.pino(false), -1);

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
