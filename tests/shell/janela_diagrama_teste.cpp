// Single step and speed from the main window, the speed kept between runs, and the diagram
// window following a run live.
#include "apoio_janelas.h"
#include "desenho/diagrama_trajeto_passo.h"
#include "shell/arquivoatual.h"
#include "shell/janela_diagrama.h"

#include <QCheckBox>
#include <gtest/gtest.h>

using namespace zefira;
using namespace zefira::teste;

TEST(JanelaDiagrama, VelocidadeEscolhidaValeParaOProximoInicio)
{
    {
        Principal p;
        EXPECT_TRUE(p.form.acao("velocidadenormal")->isChecked());
        p.form.acao("velocidadelenta")->trigger();
        EXPECT_EQ(p.estado.intervalo_passo, 1600);
        EXPECT_FALSE(p.form.acao("velocidadenormal")->isChecked());
    }
    Principal p; // a new run
    EXPECT_EQ(p.estado.intervalo_passo, 1600);
    EXPECT_TRUE(p.form.acao("velocidadelenta")->isChecked());
}

TEST(JanelaDiagrama, F7EAJanelaSeguemASimulacao)
{
    Principal p;
    p.form.show();
    p.form.acao("cascata")->trigger();
    p.form.acao("velocidadenormal")->trigger();
    TJanelaDiagrama *j = p.form.janela_diagrama;
    p.form.acao("diagramatrajetopasso")->trigger();
    EXPECT_TRUE(j->isVisible());
    EXPECT_FALSE(j->isModal());

    p.form.acao("unicopasso")->trigger(); // stopped: starts paused, one step done
    p.form.acao("TBunicopasso")->trigger();
    EXPECT_EQ(j->diagrama().numero_passos(), 3);
    EXPECT_FALSE(p.form.acao("TBiniciar")->isChecked());
    EXPECT_FALSE(p.form.acao("novo")->isEnabled());

    p.estado.observacoes << QStringLiteral("Sequência: A+ B+ B- A-");
    p.estado.lista().procurar(19)->valvula_direcional->acionado_esq = true; // the lever latched
    p.form.acao("TBiniciar")->trigger();
    for (int i = 0; i < 20 * 11; ++i) // A- comes 11 steps after the lever
        p.form.FormArquivo->Timer1Timer();
    EXPECT_EQ(j->diagrama().numero_passos(), 14);
    EXPECT_EQ(j->diagrama().texto_esperada(), QStringLiteral("Sequência esperada: A+ B+ B- A- — cumprida"));
    const QImage antes = j->tela->grab().toImage();
    j->mostrar_valvulas->setChecked(false);
    EXPECT_NE(j->tela->grab().toImage(), antes);

    p.form.acao("TBparar")->trigger();
    EXPECT_EQ(j->diagrama().numero_passos(), 0);
}
