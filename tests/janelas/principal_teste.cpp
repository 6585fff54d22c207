// The main window: start-up, the toolbar as the user sees it, and the control
// states that starting, pausing and stopping a simulation switch.
#include "apoio_janelas.h"
#include "edicao/paleta.h"
#include "janelas/arquivoatual.h"
#include "janelas/biblioteca.h"
#include "janelas/capa.h"
#include "janelas/observacoes.h"
#include "janelas/preferencias.h"
#include "janelas/sobre.h"

#include <QMenuBar>
#include <QToolBar>
#include <gtest/gtest.h>

using namespace zefira;
using namespace zefira::teste;

namespace {

QImage figura(const QIcon &icone) { return icone.pixmap(16, 16).toImage().convertToFormat(QImage::Format_ARGB32); }

} // namespace

TEST(Principal, InicioCriaAsJanelasNaOrdemEPosicoes)
{
    PrincipalVisivel p;

    EXPECT_EQ(p.form.ordem_criacao(),
              QStringList({"TForm1", "TFormCapa", "TFormobs", "TFormBiblioteca", "TFormArquivo", "TFormfiguras",
                           "TFormconfiguracaovalvula", "TFormconfiguracaovalvulareguladora",
                           "TFormconfiguracaocilindro", "TFormeditarrotulos", "TFormconfiguracaotomadaar",
                           "TFormsobre", "TFormconfiguracaoeletrica", "TFormimagens"}));
    EXPECT_EQ(p.form.windowTitle(), QString("ZEFIRA - Simulador de Circuitos Pneumáticos"));

    // Only the palette and the work area are visible children; everything else waits hidden.
    ASSERT_TRUE(p.form.sub_biblioteca && p.form.sub_arquivo);
    EXPECT_EQ(p.form.sub_biblioteca->geometry(), QRect(0, 0, 165, 398));
    EXPECT_EQ(p.form.sub_biblioteca->windowTitle(), QString("Biblioteca"));
    EXPECT_EQ(p.form.sub_arquivo->geometry(), QRect(170, 0, 1000, 650));
    EXPECT_EQ(p.form.sub_arquivo->windowTitle(), QString("Área de Trabalho"));
    EXPECT_TRUE(p.form.sub_biblioteca->isVisible());
    EXPECT_TRUE(p.form.sub_arquivo->isVisible());
    EXPECT_EQ(p.form.sub_biblioteca->widget(), p.form.FormBiblioteca);
    EXPECT_EQ(p.form.sub_arquivo->widget(), p.form.FormArquivo);
    EXPECT_EQ(p.form.mdi->subWindowList().size(), 2);
    // Ctrl+F4 or the system menu's close on either child neither destroys it nor leaves the
    // frame pointing at a deleted window.
    EXPECT_FALSE(p.form.sub_biblioteca->close());
    EXPECT_FALSE(p.form.sub_arquivo->close());
    processar_eventos();
    ASSERT_EQ(p.form.mdi->subWindowList().size(), 2);
    EXPECT_TRUE(p.form.sub_arquivo->isVisible());
    for (QWidget *escondida : {static_cast<QWidget *>(p.form.FormCapa), static_cast<QWidget *>(p.form.Formobs),
                               static_cast<QWidget *>(p.form.Formsobre)})
        EXPECT_FALSE(escondida->isVisible()) << escondida->windowTitle().toStdString();
    for (QWidget *w : QApplication::topLevelWidgets())
        if (w != &p.form)
            EXPECT_FALSE(w->isVisible()) << w->metaObject()->className() << " " << w->objectName().toStdString();

    EXPECT_TRUE(p.form.acao("TBbiblioteca")->isChecked());
    EXPECT_FALSE(p.form.acao("TBiniciar")->isChecked());
    EXPECT_FALSE(p.form.acao("TBpausar")->isChecked());
    EXPECT_EQ(p.estado.modo, 0);
    EXPECT_EQ(p.estado.lista().numero_componentes(), 0);

    // A demonstration names the work area only; the frame's caption never changes.
    p.form.acao("comandobasico1")->trigger();
    p.form.FormArquivo->Timer1Timer();
    EXPECT_EQ(p.form.sub_arquivo->windowTitle(), QString("Área de Trabalho - DEMO - Comando Básico 1"));
    EXPECT_EQ(p.form.windowTitle(), QString("ZEFIRA - Simulador de Circuitos Pneumáticos"));
    p.form.acao("selecionartudo")->trigger();
    EXPECT_GT(p.estado.numero_selecionados, 0);
}

// The menus and the toolbar are built from the program's tables (Itens_Menu, Botoes_Barra);
// the help documents' paths and shortcuts are checked against them (DocumentosAjuda). Here,
// the toolbar's own pictures: 16 distinct icons beside its separators.
TEST(Principal, BarraComIconesDistintos)
{
    Principal p;
    auto *barra = p.form.findChild<QToolBar *>("ToolBar1");
    ASSERT_TRUE(barra);
    QList<QImage> icones;
    for (QAction *a : barra->actions()) {
        if (a->isSeparator())
            continue;
        const QImage img = figura(a->icon());
        EXPECT_EQ(img.size(), QSize(16, 16));
        EXPECT_FALSE(icones.contains(img)) << a->objectName().toStdString();
        icones << img;
    }
    EXPECT_EQ(icones.size(), 16);
}

// "&Componentes" keeps the pneumatic items and ends in the submenu "Elétricos" with the
// electrical parts; in each menu every item has its own mnemonic. An item of the submenu
// presses its button, on the Biblioteca's electrical page.
TEST(Principal, ComponentesEletricosNumSubmenu)
{
    Principal p;
    QMenu *componentes = p.form.menu("componentes"), *eletricos = p.form.menu("eletricos");
    ASSERT_TRUE(eletricos);
    EXPECT_EQ(componentes->actions().last(), eletricos->menuAction());
    EXPECT_EQ(eletricos->title(), QStringLiteral("E&létricos"));
    for (const TPeca &peca : Pecas())
        EXPECT_TRUE((Peca_Eletrica(peca) ? eletricos : componentes)->actions().contains(p.form.acao(peca.entrada->item_menu)))
            << peca.entrada->item_menu;
    for (QMenu *menu : {componentes, eletricos}) {
        QString letras;
        for (QAction *a : menu->actions())
            if (!a->isSeparator()) {
                const QChar letra = a->text().at(a->text().indexOf(QLatin1Char('&')) + 1).toUpper();
                EXPECT_FALSE(letras.contains(letra)) << a->text().toStdString();
                letras += letra;
            }
    }
    EXPECT_FALSE(p.form.FormBiblioteca->eletricos());
    p.form.acao("rele")->trigger();
    EXPECT_EQ(p.estado.modo, 26);
    EXPECT_TRUE(p.form.FormBiblioteca->botao(26)->isChecked());
    EXPECT_TRUE(p.form.FormBiblioteca->eletricos());
}

// A choice ticked in a menu, the item ticked by default beside it (if any), and what the state
// then holds: all of it again in the next run.
TEST(Principal, EscolhaMarcadaValeParaOProximoInicio)
{
    const struct {
        const char *escolha, *padrao;
        bool (*vale)(const TEstado &);
    } casos[] = {
        {"forcateorica", nullptr, [](const TEstado &e) { return e.mostrar_forca_teorica; }},
        {"velocidadelenta", "velocidadenormal", [](const TEstado &e) { return e.intervalo_passo == 1600; }},
    };
    for (const auto &c : casos) {
        SCOPED_TRACE(c.escolha);
        Preferencias()->clear();
        {
            Principal p;
            QAction *a = p.form.acao(c.escolha);
            ASSERT_TRUE(a->isCheckable());
            EXPECT_FALSE(a->isChecked());
            EXPECT_FALSE(c.vale(p.estado));
            EXPECT_TRUE(!c.padrao || p.form.acao(c.padrao)->isChecked());
            a->trigger();
            EXPECT_TRUE(c.vale(p.estado));
            EXPECT_TRUE(!c.padrao || !p.form.acao(c.padrao)->isChecked());
        }
        Principal p; // a new run
        EXPECT_TRUE(p.form.acao(c.escolha)->isChecked());
        EXPECT_TRUE(c.vale(p.estado));
    }
}

TEST(Principal, BibliotecaSegueOBotaoDaBarra)
{
    PrincipalVisivel p;
    QAction *botao = p.form.acao("TBbiblioteca");
    QAction *item = p.form.acao("Biblioteca1");

    botao->trigger(); // the button goes up: the palette is minimised
    EXPECT_FALSE(botao->isChecked());
    EXPECT_TRUE(p.form.sub_biblioteca->isMinimized());

    p.form.sub_biblioteca->showNormal();
    item->trigger(); // the menu item re-applies the button's state: minimised again
    EXPECT_FALSE(botao->isChecked());
    EXPECT_TRUE(p.form.sub_biblioteca->isMinimized());

    botao->trigger();
    EXPECT_TRUE(botao->isChecked());
    EXPECT_FALSE(p.form.sub_biblioteca->isMinimized());
    EXPECT_EQ(p.form.mdi->activeSubWindow(), p.form.sub_biblioteca);

    // Minimised by its own box while the button is down: the menu item restores it.
    p.form.sub_biblioteca->showMinimized();
    item->trigger();
    EXPECT_TRUE(botao->isChecked());
    EXPECT_FALSE(p.form.sub_biblioteca->isMinimized());
    EXPECT_EQ(p.form.sub_biblioteca->geometry(), QRect(0, 0, 165, 398));

    // Beside a maximised work area, both ways bring the palette back: the button (released, then
    // pressed again) and the menu item with the button down.
    p.form.showMaximized();
    for (const QStringList &comandos : {QStringList{"TBbiblioteca", "TBbiblioteca"}, QStringList{"Biblioteca1"}}) {
        SCOPED_TRACE(comandos.join(' ').toStdString());
        p.form.sub_arquivo->showMaximized();
        processar_eventos();
        ASSERT_TRUE(p.form.sub_arquivo->isMaximized());
        for (const QString &c : comandos)
            p.form.acao(c)->trigger();
        processar_eventos();
        EXPECT_TRUE(botao->isChecked());
        EXPECT_FALSE(p.form.sub_biblioteca->isMaximized() || p.form.sub_biblioteca->isMinimized());
        EXPECT_FALSE(p.form.sub_arquivo->isMaximized());
        EXPECT_TRUE(p.form.sub_arquivo->isVisible());
        EXPECT_EQ(p.form.sub_biblioteca->geometry(), QRect(0, 0, 165, 398));
        EXPECT_FALSE(p.form.sub_biblioteca->geometry().intersects(p.form.sub_arquivo->geometry()));
    }
}

namespace {

// Enabled state of the controls the simulation commands switch.
struct Esperado {
    bool edicao;                  // menus Editar, Componentes, the file items and edit buttons
    bool iniciar, pausar, parar;  // enabled
    bool iniciar_baixo, pausar_baixo;
    const char *desfazer; // enabled: desfazer, TBdesfazer, refazer, TBrefazer
};

void conferir(Principal &p, const Esperado &e)
{
    TForm1 &f = p.form;
    for (const char *nome : {"novo", "abrir", "salvar", "salvarcomo", "TBnovo", "TBabrir", "TBsalvar", "TBcortar",
                             "TBcopiar", "TBcolar", "TBexcluir", "cortar", "deletar", "cilindrosimplesacao", "no",
                             "comandobasico1", "passoapasso"})
        EXPECT_EQ(f.acao(nome)->isEnabled(), e.edicao) << nome;
    // A demonstration replaces the circuit as Novo does: not while a simulation runs.
    for (const char *menu : {"editar", "componentes", "demo", "arquivosrecentes"})
        EXPECT_EQ(f.menu(menu)->menuAction()->isEnabled(), e.edicao) << menu;
    EXPECT_EQ(f.FormBiblioteca->isEnabled(), e.edicao);
    EXPECT_EQ(f.FormBiblioteca->botao(7)->isEnabled(), e.edicao);
    EXPECT_EQ(f.acao("TBiniciar")->isEnabled(), e.iniciar);
    EXPECT_EQ(f.acao("iniciar")->isEnabled(), e.iniciar);
    EXPECT_EQ(f.acao("TBpausar")->isEnabled(), e.pausar);
    EXPECT_EQ(f.acao("pausar")->isEnabled(), e.pausar);
    EXPECT_EQ(f.acao("TBparar")->isEnabled(), e.parar);
    EXPECT_EQ(f.acao("parar")->isEnabled(), e.parar);
    EXPECT_EQ(f.acao("TBiniciar")->isChecked(), e.iniciar_baixo);
    EXPECT_EQ(f.acao("TBpausar")->isChecked(), e.pausar_baixo);
    QString desfazer;
    for (const char *nome : {"desfazer", "TBdesfazer", "refazer", "TBrefazer"})
        desfazer += f.acao(nome)->isEnabled() ? QLatin1Char('1') : QLatin1Char('0');
    EXPECT_EQ(desfazer, QString::fromLatin1(e.desfazer));
    // Never switched by the simulation.
    for (const char *nome : {"TBobservacoes", "TBbiblioteca", "TBfechar", "sair", "introducao", "sobre"})
        EXPECT_TRUE(f.acao(nome)->isEnabled()) << nome;
}

} // namespace

// Undo and redo are enabled only with something to take back or do again, never while
// simulating; the menu says what they will do.
TEST(Principal, IniciarPausarPararDesfazerERefazerTrocamOsControles)
{
    PrincipalVisivel p;
    EXPECT_TRUE(p.form.acao("refazer")->shortcuts().contains(QKeySequence(QStringLiteral("Ctrl+Shift+Z"))));
    p.form.acao("comandobasico1")->trigger();
    p.form.acao("selecionartudo")->trigger();
    {
        SCOPED_TRACE("parado");
        conferir(p, {true, true, true, false, false, false, "0000"});
    }
    tecla(p.form.FormArquivo, Qt::Key_Right);
    EXPECT_EQ(p.form.acao("desfazer")->text(), QStringLiteral("&Desfazer mover"));
    p.form.acao("TBdesfazer")->trigger();
    {
        SCOPED_TRACE("desfeito");
        conferir(p, {true, true, true, false, false, false, "0011"});
    }
    EXPECT_EQ(p.form.acao("refazer")->text(), QStringLiteral("&Refazer mover"));
    p.form.acao("refazer")->trigger();

    p.form.acao("TBiniciar")->trigger(); // the check button goes down, then starts
    EXPECT_EQ(p.estado.modo, 15);
    EXPECT_EQ(p.estado.numero_selecionados, 0);
    for (int i = 0; i < p.estado.lista().numero_componentes(); ++i)
        EXPECT_FALSE(p.estado.lista()[i].selecionado());
    {
        SCOPED_TRACE("rodando");
        conferir(p, {false, false, true, true, true, false, "0000"});
    }

    p.form.acao("TBpausar")->trigger();
    EXPECT_EQ(p.estado.modo, 15);
    {
        SCOPED_TRACE("pausado");
        conferir(p, {false, true, false, true, false, true, "0000"});
    }

    p.form.acao("iniciar")->trigger(); // the menu item presses the button and resumes
    EXPECT_EQ(p.estado.modo, 15);
    {
        SCOPED_TRACE("retomado");
        conferir(p, {false, false, true, true, true, false, "0000"});
    }

    // While running, a palette click and a component shortcut place nothing.
    clicar(p.form.FormBiblioteca->botao(7));
    EXPECT_EQ(p.estado.modo, 15);
    EXPECT_FALSE(p.form.FormBiblioteca->botao(7)->isChecked());

    p.form.acao("TBparar")->trigger();
    EXPECT_EQ(p.estado.modo, 0);
    {
        SCOPED_TRACE("parado de novo");
        conferir(p, {true, true, true, false, false, false, "1100"});
    }
}

// The first start fills the frame beside the palette; a place the user gives the work area
// comes back in the next run.
TEST(Principal, AreaDeTrabalhoEncheOQuadroEGuardaOLugar)
{
    Preferencias()->remove(QStringLiteral("principal"));
    const QRect posta(200, 30, 400, 300);
    for (int execucao = 0; execucao < 2; ++execucao) {
        Principal p;
        p.form.exibir();
        processar_eventos();
        const QRect quadro = p.form.mdi->viewport()->rect();
        const QRect cheia(QPoint(p.form.sub_biblioteca->geometry().right() + 1, 0), quadro.bottomRight());
        EXPECT_EQ(p.form.sub_arquivo->geometry(), execucao == 0 ? cheia : posta) << execucao;
        p.form.sub_arquivo->setGeometry(posta);
        EXPECT_TRUE(p.form.close());
    }
}
