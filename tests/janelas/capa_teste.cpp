// The splash: closes itself at exactly the 26th tick, and appears only on the frame's first show.
#include "apoio_janelas.h"
#include "janelas/capa.h"

#include <gtest/gtest.h>

using namespace zefira;
using namespace zefira::teste;

namespace {

// Counts how often a window is shown.
class ContaExibicoes : public QObject {
public:
    int vezes = 0;
    bool eventFilter(QObject *, QEvent *e) override
    {
        vezes += e->type() == QEvent::Show;
        return false;
    }
};

} // namespace

TEST(Capa, FechaSozinhaNoVigesimoSextoTiqueOuAntesPeloUsuario)
{
    TFormCapa capa;
    EXPECT_EQ(capa.Timer1.interval(), 1000);
    EXPECT_TRUE(capa.Timer1.isActive()); // running from creation, before any show
    capa.Timer1.stop();                  // ticks are driven by hand below

    capa.contador_capa = 7;
    capa.show();
    EXPECT_EQ(capa.contador_capa, 0); // every show counts from zero
    for (int i = 1; i <= 25; ++i)
        capa.Timer1Timer();
    EXPECT_TRUE(capa.isVisible());
    capa.Timer1Timer();
    EXPECT_EQ(capa.contador_capa, 26);
    EXPECT_FALSE(capa.isVisible());

    // The count goes on and never meets 26 again.
    for (int i = 0; i < 100; ++i)
        capa.Timer1Timer();
    EXPECT_EQ(capa.contador_capa, 126);
    EXPECT_FALSE(capa.isVisible());

    // Closed early by the user: the 26th tick shows nothing again.
    capa.show();
    for (int i = 0; i < 5; ++i)
        capa.Timer1Timer();
    tecla(&capa, Qt::Key_Return, "\r"); // "&OK" is the default button
    EXPECT_FALSE(capa.isVisible());
    for (int i = 0; i < 30; ++i)
        capa.Timer1Timer();
    EXPECT_FALSE(capa.isVisible());
    EXPECT_EQ(capa.contador_capa, 35);
}

TEST(Capa, SoNaPrimeiraExibicaoDaJanelaPrincipal)
{
    TEstado estado;
    TForm1 form(estado, true);
    ContaExibicoes contador;
    form.FormCapa->installEventFilter(&contador);
    bool modal = false;
    QTimer::singleShot(0, [&] {
        modal = QApplication::activeModalWidget() == form.FormCapa;
        form.FormCapa->ButOKClick();
    });
    form.show(); // returns once the splash is closed
    EXPECT_EQ(contador.vezes, 1);
    EXPECT_TRUE(modal);
    EXPECT_FALSE(form.FormCapa->isVisible());

    GuardaModal guarda; // a second splash would be closed here and counted
    form.showMinimized();
    form.showNormal();
    form.hide();
    form.show();
    processar_eventos();
    EXPECT_EQ(contador.vezes, 1);
    EXPECT_EQ(guarda.fechados, 0);
}
