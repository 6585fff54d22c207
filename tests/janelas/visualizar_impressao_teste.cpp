// Arquivo › Imprimir... and Exportar... in the window: the preview and what it prints into a
// PDF file, and the export dialog's choice of format and scale.

#include "apoio/circuito.h"
#include "janelas/apoio_janelas.h"
#include "janelas/interface_qt.h"
#include "janelas/visualizar_impressao.h"

#include <QAction>
#include <QApplication>
#include <QFileDialog>
#include <QLineEdit>
#include <QPrintPreviewDialog>
#include <QPointer>
#include <QPrinter>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTimer>
#include <gtest/gtest.h>

#include <memory>

using namespace zefira;

namespace {

// A wide circuit: a wire 500 pixels long and 100 high, and a cylinder with its captions.
void circuito_largo(TEstado &e)
{
    teste::polilinha(e, {TPonto(100, 300), TPonto(600, 300), TPonto(600, 400)});
    teste::componente(e, TIPO_CILINDRO, 200, 150, -1, 1);
}

// Runs `agir` on the next modal window that shows up.
void ao_abrir_modal(std::function<void(QWidget *)> agir)
{
    auto *timer = new QTimer;
    timer->setInterval(5);
    QObject::connect(timer, &QTimer::timeout, [timer, agir] {
        if (QWidget *w = QApplication::activeModalWidget()) {
            timer->stop();
            timer->deleteLater();
            agir(w);
        }
    });
    timer->start();
}

// Answers the next file dialog as `agir` says, again until it has closed: an answer given while
// the dialog is still setting itself up may be let go.
void responder_dialogo_arquivo(std::function<void(QFileDialog *)> agir)
{
    auto *timer = new QTimer;
    timer->setInterval(5);
    auto alvo = std::make_shared<QPointer<QFileDialog>>();
    auto respondido = std::make_shared<bool>(false);
    QObject::connect(timer, &QTimer::timeout, [timer, agir, alvo, respondido] {
        auto *d = qobject_cast<QFileDialog *>(QApplication::activeModalWidget());
        if (*respondido && (!*alvo || d != *alvo)) { // it closed: what shows now is another's
            timer->stop();
            timer->deleteLater();
            return;
        }
        if (!d || !d->isVisible())
            return;
        *alvo = d;
        *respondido = true;
        agir(d);
    });
    timer->start();
}

} // namespace

TEST(VisualizarImpressao, MenuAbreAVisualizacaoQueImprimeEmPdf)
{
    teste::Principal p;
    circuito_largo(p.estado);
    p.estado.nome_documento = QStringLiteral(" - /tmp/x/prensa.zfr");
    p.form.show();
    QString titulo;
    ao_abrir_modal([&titulo](QWidget *w) {
        titulo = w->windowTitle();
        w->close();
    });
    p.form.acao("imprimir")->trigger();
    EXPECT_EQ(titulo, QStringLiteral("Visualizar Impressão"));

    std::unique_ptr<QPrintPreviewDialog> dialogo(Criar_Visualizar_Impressao(p.estado, &p.form));
    EXPECT_EQ(dialogo->printer()->pageLayout().orientation(), QPageLayout::Landscape);
    auto *observacoes = dialogo->findChild<QAction *>(QStringLiteral("imprimir_observacoes"));
    ASSERT_TRUE(observacoes);
    EXPECT_FALSE(observacoes->isChecked()); // no notes to print

    // What the dialog's Print button does, into a PDF file instead of paper.
    if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
        GTEST_SKIP() << "pdftotext (poppler-utils) não instalado";
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    QPrinter impressora(QPrinter::HighResolution);
    impressora.setOutputFormat(QPrinter::PdfFormat);
    impressora.setOutputFileName(dir.filePath(QStringLiteral("impresso.pdf")));
    emit dialogo->paintRequested(&impressora);
    QProcess texto;
    texto.start(QStandardPaths::findExecutable(QStringLiteral("pdftotext")),
                {dir.filePath(QStringLiteral("impresso.pdf")), QStringLiteral("-")});
    ASSERT_TRUE(texto.waitForFinished(60000));
    const QString t = QString::fromUtf8(texto.readAllStandardOutput());
    EXPECT_TRUE(t.contains(QStringLiteral("prensa.zfr"))) << t.toStdString();
    EXPECT_TRUE(t.contains(QStringLiteral("Força: 0 Kgf"))) << t.toStdString();
}

TEST(VisualizarImpressao, DialogoDeExportacaoEscolheFormatoEEscalaPeloTipo)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    struct Caso {
        const char *filtro;
        const char *digitado;
        const char *arquivo;
        double escala;
    };
    const Caso CASOS[] = {
        {"PNG 200 % (*.png)", "a", "a.png", 2},
        {"PNG 300 % (*.png)", "b.png", "b.png", 3},
        {"SVG (*.svg)", "c", "c.svg", 1},
        {"PDF (*.pdf)", "d.pdf", "d.pdf", 1},
        // A picture extension typed by the user wins over the type chosen.
        {"PNG 300 % (*.png)", "e.svg", "e.svg", 1},
    };
    QWidget pai;
    TInterfaceQt ui(&pai);
    for (const Caso &c : CASOS) {
        SCOPED_TRACE(c.digitado);
        responder_dialogo_arquivo([&](QFileDialog *dialogo) {
            dialogo->selectNameFilter(QString::fromUtf8(c.filtro));
            emit dialogo->filterSelected(QString::fromUtf8(c.filtro));
            // Typed into the name box: selectFile leaves the box alone once it has the focus.
            auto *nome = dialogo->findChild<QLineEdit *>(QStringLiteral("fileNameEdit"));
            ASSERT_TRUE(nome);
            nome->setText(QString::fromUtf8(c.digitado));
            static_cast<QDialog *>(dialogo)->accept();
        });
        double escala = 0;
        const QString nome = ui.escolher_arquivo_exportar(dir.path(), escala);
        EXPECT_EQ(nome, dir.filePath(QString::fromUtf8(c.arquivo)));
        EXPECT_EQ(escala, c.escala);
    }
}
