// The main window's commands as a new user meets them: the context menu's clipboard items,
// Propriedades and F1, the familiar shortcuts beside the program's own, and what the program remembers
// between runs. That a simulation leaves the circuit unmodified is pinned by ControleSimulacao.
#include "apoio_janelas.h"
#include "demonstracoes/demonstracoes.h"
#include "edicao/paleta.h"
#include "documento/comandos_documento.h"
#include "janelas/arquivoatual.h"
#include "janelas/biblioteca.h"
#include "janelas/janela_ajuda.h"
#include "janelas/preferencias.h"

#include <QFileDialog>
#include <QLineEdit>
#include <QMenu>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace zefira;
using namespace zefira::teste;

namespace {

const QString RECURSOS = QStringLiteral(ZEFIRA_FIXTURES "/../../resources/");

// Chooses the item with this caption in the next popup menu, as Up/Down and Enter would.
void escolher_no_menu(const QString &legenda)
{
    auto *timer = new QTimer;
    timer->setInterval(5);
    QObject::connect(timer, &QTimer::timeout, [timer, legenda] {
        auto *menu = qobject_cast<QMenu *>(QApplication::activePopupWidget());
        if (!menu)
            return;
        timer->stop();
        timer->deleteLater();
        for (QAction *a : menu->actions())
            if (a->text() == legenda)
                menu->setActiveAction(a);
        tecla(menu, Qt::Key_Return);
    });
    timer->start();
}

} // namespace

TEST(PrincipalComandos, MenuDeContextoCortaCopiaECola)
{
    PrincipalVisivel p;
    TComponente &c = Posicionar_Componente(p.estado, 7, 100, 60);
    TComponente &v = Posicionar_Componente(p.estado, 3, 400, 200);
    // Item chosen on the cylinder or the valve, then the components in the list and the clipboard.
    const struct {
        const char *item;
        TComponente *em;
        int na_lista, na_area;
    } passos[] = {{"&Copiar", &c, 3, 1}, {"C&olar", &v, 4, 1}, {"Cor&tar", &c, 3, 1}};
    for (const auto &passo : passos) {
        SCOPED_TRACE(passo.item);
        const QPoint em(passo.em->esquerda + 10, passo.em->topo + 10);
        escolher_no_menu(QString::fromUtf8(passo.item));
        evento_mouse(p.form.FormArquivo->viewport(), QEvent::MouseButtonPress, em, Qt::RightButton, Qt::RightButton);
        evento_mouse(p.form.FormArquivo->viewport(), QEvent::MouseButtonRelease, em, Qt::RightButton, Qt::NoButton);
        EXPECT_EQ(p.estado.lista().numero_componentes(), passo.na_lista);
        EXPECT_EQ(int(p.estado.area_transferencia.size()), passo.na_area);
    }
}

TEST(PrincipalComandos, PropriedadesComUmSelecionadoEF1AbreAIntroducao)
{
    PrincipalVisivel p;
    p.estado.pasta_programa = RECURSOS;
    TComponente &a = Posicionar_Componente(p.estado, 7, 100, 60);
    TComponente &b = Posicionar_Componente(p.estado, 7, 400, 60);

    // Selected components (by pointer), then the dialogs Ctrl+P opens.
    const struct {
        std::vector<TComponente *> selecionados;
        int dialogos;
    } casos[] = {{{}, 0}, {{&a}, 1}, {{&b}, 1}, {{&a, &b}, 0}};
    for (const auto &caso : casos) {
        SCOPED_TRACE(caso.selecionados.size());
        for (TComponente *c : {&a, &b})
            c->desselecionar();
        for (TComponente *c : caso.selecionados)
            c->selecionar();
        p.estado.numero_selecionados = int(caso.selecionados.size());
        GuardaModal guarda;
        EXPECT_TRUE(atalho(&p.form, QKeySequence(QStringLiteral("Ctrl+P"))));
        EXPECT_EQ(guarda.fechados, caso.dialogos);
    }

    EXPECT_FALSE(p.form.janela_ajuda->isVisible());
    EXPECT_TRUE(atalho(p.form.FormArquivo, QKeySequence(Qt::Key_F1)));
    EXPECT_TRUE(p.form.janela_ajuda->isVisible());
    EXPECT_EQ(QFileInfo(p.form.janela_ajuda->navegador->source().toLocalFile()).fileName(),
              QStringLiteral("Introdução.hlp"));
}

TEST(PrincipalComandos, AtalhosConhecidosAoLadoDosDoPrograma)
{
    PrincipalVisivel p;
    // Item, its own shortcut (the one the menu shows) and the added one.
    const struct {
        const char *item, *proprio, *adicional;
    } atalhos[] = {
        {"novo", "Ctrl+O", "Ctrl+N"},
        {"salvar", "Ctrl+B", "Ctrl+S"},
        {"salvarcomo", "", "Ctrl+Shift+S"},
        {"sair", "Ctrl+R", "Ctrl+Q"},
    };
    for (const auto &a : atalhos) {
        SCOPED_TRACE(a.item);
        QAction *acao = p.form.acao(a.item);
        EXPECT_EQ(acao->shortcut(), QKeySequence(QString::fromLatin1(a.proprio)));
        for (const char *tecla : {a.proprio, a.adicional}) {
            if (!*tecla)
                continue;
            int disparos = 0;
            auto ligacao = QObject::connect(acao, &QAction::triggered, [&disparos] { ++disparos; });
            GuardaModal guarda; // the file dialogs of Salvar and Salvar Como
            EXPECT_TRUE(atalho(p.form.FormArquivo, QKeySequence(QString::fromLatin1(tecla)))) << tecla;
            EXPECT_EQ(disparos, 1) << tecla;
            QObject::disconnect(ligacao);
            if (!p.form.isVisible()) // Sair closed the empty document's window
                p.form.show();
        }
    }

    // F8 pauses, and pressed again while paused it resumes.
    p.form.acao("comandobasico1")->trigger();
    ASSERT_TRUE(atalho(&p.form, QKeySequence(Qt::Key_F9)));
    for (const bool pausado : {true, false, true, false}) {
        SCOPED_TRACE(pausado);
        EXPECT_TRUE(atalho(&p.form, QKeySequence(Qt::Key_F8)));
        EXPECT_EQ(p.estado.modo, 15);
        EXPECT_EQ(p.form.acao("TBpausar")->isChecked(), pausado);
        EXPECT_EQ(p.form.acao("TBiniciar")->isChecked(), !pausado);
    }
    p.form.acao("parar")->trigger();
    atalho(&p.form, QKeySequence(Qt::Key_F8)); // stopped: F8 is Pausar's, and starts nothing
    EXPECT_EQ(p.estado.modo, 0);
}

TEST(PrincipalComandos, ArquivosRecentesPastaEJanelaLembrados)
{
    QTemporaryDir pasta;
    const QString a = pasta.filePath("a.zfr"), b = pasta.filePath("b.zfr");
    for (const QString &f : {a, b})
        ASSERT_TRUE(QFile::copy(ZEFIRA_FIXTURES "/sim_anel.zfr", f));
    Preferencias()->clear(); // a first run
    {
        Principal p;
        p.form.exibir();
        EXPECT_TRUE(p.form.windowState() & Qt::WindowMaximized); // the first run starts maximised
        EXPECT_TRUE(p.form.acao("recentes_vazio")->isVisible());

        // Abrir through its dialog: the file heads the list, its folder is remembered.
        auto abrir = [&p](const QString &arquivo) {
            no_proximo_modal([&arquivo](QWidget *w) {
                auto *dialogo = qobject_cast<QFileDialog *>(w);
                ASSERT_TRUE(dialogo);
                // Typed into the name box: selectFile leaves the box alone once it has the focus.
                auto *nome = dialogo->findChild<QLineEdit *>(QStringLiteral("fileNameEdit"));
                ASSERT_TRUE(nome);
                nome->setText(arquivo);
                QMetaObject::invokeMethod(dialogo, "accept");
            });
            p.form.acao("abrir")->trigger();
        };
        abrir(a);
        ASSERT_EQ(p.estado.nome_documento, " - " + a);
        abrir(b);
        EXPECT_EQ(p.form.arquivos_recentes().nomes(), QStringList({b, a}));
        EXPECT_FALSE(p.form.acao("recentes_vazio")->isVisible());
        EXPECT_EQ(p.form.acao("recente1")->text(), QStringLiteral("&1 b.zfr"));
        EXPECT_EQ(p.form.acao("recente2")->text(), QStringLiteral("&2 a.zfr"));
        EXPECT_FALSE(p.form.acao("recente3")->isVisible());

        // Chosen from the list, a is opened and moves up.
        p.form.acao("recente2")->trigger();
        EXPECT_EQ(p.estado.nome_documento, " - " + a);
        EXPECT_EQ(p.form.acao("recente1")->text(), QStringLiteral("&1 a.zfr"));

        p.form.showNormal();
        p.form.setGeometry(120, 90, 800, 560);
        Limpar_Lista(p.estado); // nothing to save: the window closes without a question
        EXPECT_TRUE(p.form.close());
    }

    // The next run.
    TEstado estado;
    TForm1 form(estado, false);
    form.exibir();
    EXPECT_FALSE(form.windowState() & Qt::WindowMaximized);
    EXPECT_EQ(form.geometry(), QRect(120, 90, 800, 560));
    EXPECT_EQ(form.arquivos_recentes().nomes(), QStringList({a, b}));
    EXPECT_EQ(Preferencias()->value("arquivos/pasta").toString(), QFileInfo(a).absolutePath());

    // A file gone since is taken off the list when chosen, with a message.
    QFile::remove(a);
    GuardaModal guarda;
    form.acao("recente1")->trigger();
    EXPECT_EQ(guarda.fechados, 1);
    EXPECT_EQ(form.arquivos_recentes().nomes(), QStringList({b}));
    EXPECT_EQ(form.acao("recente1")->text(), QStringLiteral("&1 b.zfr"));
    EXPECT_TRUE(estado.nome_documento.isEmpty());
}
