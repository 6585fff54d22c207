// Single step and speed from the main window, and the diagram tool window following a run live
// and exporting all of it.
// The speed kept between runs: Principal.EscolhaMarcadaValeParaOProximoInicio.
#include "apoio_janelas.h"
#include "desenho/diagrama_trajeto_passo.h"
#include "janelas/arquivoatual.h"
#include "janelas/janela_diagrama.h"

#include <QCheckBox>
#include <QImage>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace zefira;
using namespace zefira::teste;

TEST(JanelaDiagrama, F7EAJanelaSeguemASimulacaoEExportamTudo)
{
    PrincipalVisivel p;
    p.form.acao("cascata")->trigger();
    p.form.acao("velocidadenormal")->trigger();
    TJanelaDiagrama *j = p.form.janela_diagrama;
    p.form.acao("diagramatrajetopasso")->trigger();
    EXPECT_TRUE(j->isVisible());
    EXPECT_FALSE(j->isModal());
    EXPECT_TRUE(j->windowFlags().testFlag(Qt::Tool));

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
    EXPECT_TRUE(j->mostrar_eletricos->isHidden()); // no solenoid or relay in this run
    EXPECT_EQ(j->diagrama().texto_esperada(), QStringLiteral("Sequência esperada: A+ B+ B- A- — cumprida"));
    const QImage antes = j->tela->grab().toImage();
    j->mostrar_valvulas->setChecked(false);
    EXPECT_NE(j->tela->grab().toImage(), antes);

    // Idle steps before the first movement can be hidden; the export holds the whole run at the
    // natural size, not the part the window shows.
    for (int i = 0; i < 20 * 50; ++i)
        p.form.FormArquivo->Timer1Timer();
    const int passos = j->diagrama().numero_passos();
    ASSERT_GT(passos, 60);
    EXPECT_EQ(j->diagrama().passo_inicial(), 0);
    j->ocultar_ociosos->setChecked(true);
    EXPECT_GT(j->diagrama().passo_inicial(), 0);
    QTemporaryDir pasta;
    const QString arquivo = pasta.filePath(QStringLiteral("d.png"));
    j->resize(400, 300);
    j->exportar_para(arquivo);
    const QImage img(arquivo);
    const QSizeF natural = j->diagrama().tamanho_natural();
    EXPECT_NEAR(img.width(), natural.width(), 1.0);
    EXPECT_NEAR(img.height(), natural.height(), 1.0);
    EXPECT_GT(img.width(), 30 * (passos - j->diagrama().passo_inicial() - 1));

    p.form.acao("TBparar")->trigger();
    EXPECT_EQ(j->diagrama().numero_passos(), 0);
}

// Beside the main window when the screen has room on the right or the left; otherwise over
// the work area's lower right corner, never over the menus and tool bars.
TEST(JanelaDiagrama, AbreAoLadoDaJanelaPrincipalNuncaSobreOsMenus)
{
    const QRect tela(0, 0, 1600, 1000);
    const QSize tamanho(720, 440);
    const struct {
        QRect principal, livre, esperado;
    } casos[] = {
        {{0, 0, 800, 700}, {0, 80, 800, 620}, {800, 0, 720, 440}},
        {{860, 300, 740, 600}, {860, 380, 740, 520}, {140, 300, 720, 440}},
        {{0, 0, 1600, 1000}, {0, 90, 1600, 910}, {880, 560, 720, 440}},
        {{0, 0, 1600, 1000}, {0, 700, 1600, 300}, {880, 700, 720, 300}},
    };
    for (const auto &c : casos)
        EXPECT_EQ(Lugar_Janela_Diagrama(c.principal, c.livre, tela, tamanho), c.esperado) << c.principal.x();
}
