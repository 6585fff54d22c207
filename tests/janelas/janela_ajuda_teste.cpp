// The Tutorial and Ajuda menus: each item opens its own document in the help viewer without
// blocking the program. That the documents are complete and linked is pinned by DocumentosAjuda.
#include "apoio_janelas.h"
#include "janelas/janela_ajuda.h"
#include "janelas/preferencias.h"

#include "documento/documentos_ajuda.h"

#include <QAbstractButton>
#include <QDir>
#include <QFile>
#include <QMenu>
#include <QMessageBox>
#include <QScreen>
#include <QToolButton>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace zefira;
using namespace zefira::teste;

namespace {

const QString RECURSOS = QStringLiteral(ZEFIRA_FIXTURES "/../../resources/");

QString caminho_local(const QUrl &url) { return QFileInfo(url.toLocalFile()).absoluteFilePath(); }

// The <title> written in a document.
QString titulo_do_documento(const QString &caminho)
{
    QFile f(caminho);
    if (!f.open(QIODevice::ReadOnly))
        return QString();
    const auto m = QRegularExpression(QStringLiteral("<title>([^<]*)</title>")).match(QString::fromUtf8(f.readAll()));
    return m.hasMatch() ? m.captured(1).simplified() : QString();
}

} // namespace

TEST(Ajuda, CadaItemAbreSeuDocumentoSemBloquearEOAusenteNumaLinha)
{
    PrincipalVisivel p;
    p.estado.pasta_programa = RECURSOS;
    TJanelaAjuda *ajuda = p.form.janela_ajuda;
    ASSERT_TRUE(ajuda);
    EXPECT_FALSE(ajuda->isVisible());

    GuardaModal guarda;
    QSet<QString> textos;
    // Each item of the program's list (its names are pinned by DocumentosAjuda).
    for (const TDocumentoAjuda &d : Documentos_Ajuda()) {
        SCOPED_TRACE(d.item);
        QAction *a = p.form.acao(d.item);
        ASSERT_TRUE(a);
        a->trigger();
        EXPECT_TRUE(ajuda->isVisible());
        EXPECT_FALSE(ajuda->isModal());
        EXPECT_EQ(caminho_local(ajuda->navegador->source()),
                  QFileInfo(RECURSOS + QString::fromUtf8(d.caminho)).absoluteFilePath());
        const QString texto = ajuda->navegador->toPlainText();
        EXPECT_GT(texto.size(), 500);
        EXPECT_FALSE(texto.contains("<html")) << "shown as source, not as a document";
        // Titled as the document titles itself, accents included, not after its file name.
        const QString titulo = titulo_do_documento(RECURSOS + QString::fromUtf8(d.caminho));
        ASSERT_FALSE(titulo.isEmpty());
        EXPECT_EQ(ajuda->windowTitle(), titulo);
        textos << texto;
    }
    EXPECT_EQ(guarda.fechados, 0);
    EXPECT_EQ(textos.size(), 20); // twenty different documents
    // The frame stays usable while the viewer is open.
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    p.form.acao("comandobasico1")->trigger();
    EXPECT_GT(p.estado.lista().numero_componentes(), 0);

    // A missing document: one plain line naming it, no box, the previous document gone.
    const QString anterior = ajuda->navegador->toPlainText();
    QTemporaryDir vazia;
    p.estado.pasta_programa = vazia.path() + "/";
    p.form.acao("introducao")->trigger();
    EXPECT_EQ(guarda.fechados, 0);
    EXPECT_TRUE(ajuda->isVisible());
    const QString texto = ajuda->navegador->toPlainText();
    EXPECT_FALSE(texto.contains('\n'));
    EXPECT_TRUE(texto.contains(QStringLiteral("Introdução.hlp")));
    EXPECT_FALSE(texto.contains(anterior.left(40)));
}

TEST(Ajuda, VoltarAvancarInicioEIndice)
{
    PrincipalVisivel p;
    p.estado.pasta_programa = RECURSOS;
    TJanelaAjuda *ajuda = p.form.janela_ajuda;
    const auto aberto = [ajuda] { return QFileInfo(ajuda->navegador->source().toLocalFile()).fileName(); };

    p.form.acao("valvulas")->trigger();
    EXPECT_FALSE(ajuda->voltar->isEnabled());
    // A link as the documents write it, with its spaces percent-encoded.
    const char *const ligado = "Circuitos Sequenciais Introduçao.hlp";
    emit ajuda->navegador->anchorClicked(QUrl(QStringLiteral("Circuitos%20Sequenciais%20Introduçao.hlp")));
    ASSERT_EQ(aberto(), QString::fromUtf8(ligado));

    // Each step (a button or its key), then the document shown and titling the window.
    const std::pair<QAction *, const char *> passos[] = {
        {ajuda->voltar, "Valvulas.hlp"}, {ajuda->avancar, ligado}, {nullptr, "Valvulas.hlp"},
        {ajuda->inicio, "Introdução.hlp"}, {ajuda->voltar, "Valvulas.hlp"}};
    for (const auto &[acao, documento] : passos) {
        SCOPED_TRACE(documento);
        if (acao)
            acao->trigger();
        else
            EXPECT_TRUE(atalho(ajuda->navegador, QKeySequence(QStringLiteral("Alt+Left"))));
        EXPECT_EQ(aberto(), QString::fromUtf8(documento));
        EXPECT_EQ(ajuda->windowTitle(), titulo_do_documento(RECURSOS + "Ajuda/" + QString::fromUtf8(documento)));
    }

    // Web addresses are not opened inside the viewer.
    const QUrl antes = ajuda->navegador->source();
    emit ajuda->navegador->anchorClicked(QUrl(QStringLiteral("https://example.org/")));
    EXPECT_EQ(ajuda->navegador->source(), antes);

    // The index lists the seventeen documents, each opening its own.
    QMenu *indice = ajuda->indice->menu();
    ASSERT_TRUE(indice);
    ASSERT_EQ(indice->actions().size(), 20);
    QSet<QString> nomes, abertos;
    for (QAction *a : indice->actions()) {
        nomes << a->text();
        a->trigger();
        EXPECT_EQ(caminho_local(ajuda->navegador->source()),
                  QFileInfo(Caminho_Ajuda(RECURSOS, a->objectName())).absoluteFilePath());
        abertos << aberto();
    }
    EXPECT_EQ(nomes.size(), 20); // the two introductions are told apart
    EXPECT_EQ(abertos.size(), 20);
}

TEST(Ajuda, AbreAoLadoSemCobrirMenusEPaletaEGuardaOLugar)
{
    Preferencias()->clear(); // a first opening: no place kept from before
    Principal p;
    p.form.showMaximized();
    processar_eventos();
    p.estado.pasta_programa = RECURSOS;
    TJanelaAjuda *ajuda = p.form.janela_ajuda;
    p.form.acao("introducao")->trigger();
    processar_eventos();

    const QRect janela = ajuda->frameGeometry();
    const QRect tela = p.form.screen()->availableGeometry();
    EXPECT_TRUE(tela.contains(janela)) << "inside the screen";
    EXPECT_GE(janela.width(), std::min(600, tela.width() / 2));
    EXPECT_GE(janela.height(), std::min(500, tela.height() * 2 / 3));
    // Neither the menu bar nor the toolbar nor the palette lies under it.
    EXPECT_GE(janela.top(), p.form.centralWidget()->mapToGlobal(QPoint(0, 0)).y());
    const QRect paleta(p.form.sub_biblioteca->mapToGlobal(QPoint(0, 0)), p.form.sub_biblioteca->size());
    EXPECT_FALSE(janela.intersects(paleta));

    // Moved and resized by the user, closed, opened again: where the user left it.
    const QRect escolhida(tela.left() + 100, tela.top() + 80, 500, 400);
    ajuda->setGeometry(escolhida);
    ajuda->close();
    p.form.acao("valvulas")->trigger();
    EXPECT_EQ(ajuda->geometry(), escolhida);
}

TEST(Ajuda, LigacaoParaCircuitoAbreNaAreaDeTrabalho)
{
    // A help folder with a document linking to a solution circuit in a subfolder.
    QTemporaryDir programa;
    QDir(programa.path()).mkpath("Ajuda/solucoes");
    const QString solucao = programa.filePath("Ajuda/solucoes/exercicio01.zfr");
    ASSERT_TRUE(QFile::copy(ZEFIRA_FIXTURES "/sim_anel.zfr", solucao));
    QFile doc(programa.filePath("Ajuda/Introdução.hlp"));
    ASSERT_TRUE(doc.open(QIODevice::WriteOnly));
    doc.write(QStringLiteral("<html><head><title>Exercícios</title></head><body>"
                             "<a href=\"solucoes/exercicio01.zfr\">Abrir esta solução</a></body></html>")
                  .toUtf8());
    doc.close();

    // A demonstration in the work area, unchanged or changed: only a changed one asks first
    // (answered No).
    for (const bool modificado : {false, true}) {
        SCOPED_TRACE(modificado);
        PrincipalVisivel p;
        p.form.acao("comandobasico1")->trigger();
        p.estado.pasta_programa = programa.path() + "/"; // emptying the document sets it too
        p.estado.modificado = modificado;
        p.form.acao("introducao")->trigger();
        TJanelaAjuda *ajuda = p.form.janela_ajuda;
        ASSERT_EQ(ajuda->windowTitle(), QStringLiteral("Exercícios"));
        const QUrl antes = ajuda->navegador->source();

        int perguntas = 0;
        auto *timer = new QTimer(&p.form);
        timer->setInterval(5);
        QObject::connect(timer, &QTimer::timeout, [&perguntas] {
            if (auto *caixa = qobject_cast<QMessageBox *>(QApplication::activeModalWidget())) {
                ++perguntas;
                EXPECT_EQ(caixa->text(), QStringLiteral("Deseja salvar o Sistema Atual?"));
                for (QAbstractButton *b : caixa->buttons())
                    if (caixa->buttonRole(b) == QMessageBox::NoRole)
                        b->click();
            }
        });
        timer->start();
        emit ajuda->navegador->anchorClicked(QUrl(QStringLiteral("solucoes/exercicio01.zfr")));
        timer->stop();

        EXPECT_EQ(perguntas, int(modificado));
        // An unnamed copy: "Salvar" asks for a name, and the shipped file is no recent file.
        EXPECT_TRUE(p.estado.nome_documento.isEmpty());
        EXPECT_GT(p.estado.lista().numero_componentes(), 0);
        EXPECT_FALSE(p.estado.modificado);
        EXPECT_EQ(ajuda->navegador->source(), antes); // the help stays on its document
        EXPECT_FALSE(p.form.arquivos_recentes().nomes().contains(QFileInfo(solucao).absoluteFilePath()));
    }

    // While a simulation runs, the link opens nothing.
    PrincipalVisivel p;
    p.form.acao("comandobasico1")->trigger();
    p.form.acao("iniciar")->trigger();
    GuardaModal guarda;
    p.form.janela_ajuda->abrir(programa.filePath("Ajuda/Introdução.hlp"));
    emit p.form.janela_ajuda->navegador->anchorClicked(QUrl(QStringLiteral("solucoes/exercicio01.zfr")));
    EXPECT_EQ(guarda.fechados, 1); // the message saying why
    EXPECT_EQ(p.estado.nome_documento, QStringLiteral(" - DEMO - Comando Básico 1"));
    EXPECT_EQ(p.estado.modo, 15);
}
