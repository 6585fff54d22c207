// Single step and speed from the main window, the speed kept between runs, and the diagram
// window following a run live.
#include "apoio_janelas.h"
#include "desenho/diagrama_trajeto_passo.h"
#include "shell/arquivoatual.h"
#include "shell/janela_diagrama.h"

#include <QCheckBox>
#include <QSettings>
#include <gtest/gtest.h>

using namespace zefira;
using namespace zefira::teste;

namespace {

void esquecer_velocidade() { QSettings(QStringLiteral("ZEFIRA"), QStringLiteral("ZEFIRA")).remove("simulacao"); }

} // namespace

TEST(JanelaDiagrama, F7PeloMenuEPelaBarra)
{
    Principal p;
    p.form.acao("cascata")->trigger();
    p.form.acao("unicopasso")->trigger(); // stopped: starts paused, one step done
    p.form.acao("TBunicopasso")->trigger();
    EXPECT_EQ(p.estado.historico.numero_passos(), 3);
    EXPECT_FALSE(p.form.acao("TBiniciar")->isChecked());
    EXPECT_TRUE(p.form.acao("TBiniciar")->isEnabled());
    EXPECT_FALSE(p.form.acao("novo")->isEnabled());
}

TEST(JanelaDiagrama, VelocidadeEscolhidaValeParaOProximoInicio)
{
    esquecer_velocidade();
    {
        Principal p;
        EXPECT_EQ(p.estado.intervalo_passo, 400);
        EXPECT_TRUE(p.form.acao("velocidadenormal")->isChecked());
        p.form.acao("velocidadelenta")->trigger();
        EXPECT_EQ(p.estado.intervalo_passo, 1600);
        EXPECT_FALSE(p.form.acao("velocidadenormal")->isChecked());
        p.form.acao("velocidaderapida")->trigger();
        EXPECT_EQ(p.estado.intervalo_passo, 100);
    }
    {
        Principal p; // a new run
        EXPECT_EQ(p.estado.intervalo_passo, 100);
        EXPECT_TRUE(p.form.acao("velocidaderapida")->isChecked());
    }
    // A damaged setting falls back to the normal speed.
    QSettings(QStringLiteral("ZEFIRA"), QStringLiteral("ZEFIRA")).setValue("simulacao/intervalo_passo", 7);
    {
        Principal p;
        EXPECT_EQ(p.estado.intervalo_passo, 400);
        EXPECT_TRUE(p.form.acao("velocidadenormal")->isChecked());
    }
    esquecer_velocidade();
}

TEST(JanelaDiagrama, AbreSemBloquearESegueASimulacao)
{
    esquecer_velocidade();
    Principal p;
    p.form.show();
    p.form.acao("cascata")->trigger();
    TJanelaDiagrama *j = p.form.janela_diagrama;
    ASSERT_TRUE(j);
    EXPECT_FALSE(j->isVisible());
    p.form.acao("diagramatrajetopasso")->trigger();
    EXPECT_TRUE(j->isVisible());
    EXPECT_FALSE(j->isModal());
    j->resize(800, 500);
    EXPECT_EQ(j->size(), QSize(800, 500));

    p.estado.observacoes << QStringLiteral("Sequência: A+ B+ B- A-");
    p.form.acao("TBiniciar")->trigger();
    p.estado.lista().procurar(19)->valvula_direcional->acionado_esq = true; // the lever latched
    for (int i = 0; i < 20 * 12; ++i)
        p.form.FormArquivo->Timer1Timer();
    EXPECT_EQ(j->diagrama().numero_passos(), 13);
    EXPECT_EQ(j->diagrama().texto_esperada(), QStringLiteral("Sequência esperada: A+ B+ B- A- — cumprida"));
    const QImage antes = j->tela->grab().toImage();
    j->mostrar_valvulas->setChecked(false);
    EXPECT_EQ(j->diagrama().linhas().size(), 2u);
    EXPECT_NE(j->tela->grab().toImage(), antes);

    p.form.acao("TBparar")->trigger();
    EXPECT_EQ(j->diagrama().numero_passos(), 0);
}
