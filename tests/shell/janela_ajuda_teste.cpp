// The Tutorial and Ajuda menus: each item opens its own document in the help viewer without
// blocking the program, and the documents beside the program are complete and linked.
#include "apoio_janelas.h"
#include "shell/janela_ajuda.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace zefira;
using namespace zefira::teste;

namespace {

const QString RECURSOS = QStringLiteral(ZEFIRA_FIXTURES "/../../resources/");

// Menu item and the document it opens, relative to the program folder.
const std::pair<const char *, const char *> DOCUMENTOS[] = {
    {"introducao", "Ajuda/Introdução.hlp"},
    {"compressores", "Ajuda/Compressor.hlp"},
    {"equipdetratamento", "Ajuda/Equipamentos de Tratamento.hlp"},
    {"atuadores", "Ajuda/Atuadores.hlp"},
    {"valvulas", "Ajuda/Valvulas.hlp"},
    {"comandosbasicos", "Ajuda/Comandos Basicos.hlp"},
    {"circuitoscombinacionais", "Ajuda/Circuitos Combinacionais.hlp"},
    {"introducaocircseq", "Ajuda/Circuitos Sequenciais Introduçao.hlp"},
    {"circintuitivos", "Ajuda/Circuitos Sequenciais Intuitivos.hlp"},
    {"circcascata", "Ajuda/Circuitos Sequenciais Cascata.hlp"},
    {"circpassoapasso", "Ajuda/Circuitos Sequenciais Passo a Passo.hlp"},
    {"exercicios", "Ajuda/Exercicios.hlp"},
    {"biografias", "Ajuda/Bibliografia.hlp"},
    {"navegacao", "Ajuda/Navegacao.hlp"},
    {"edicao", "Ajuda/Edicao.hlp"},
    {"simulacaomenu", "Ajuda/Simulacao.hlp"},
};

QString caminho_local(const QUrl &url) { return QFileInfo(url.toLocalFile()).absoluteFilePath(); }

} // namespace

TEST(Ajuda, CadaItemAbreSeuDocumentoSemBloquear)
{
    Principal p;
    p.form.show();
    p.estado.pasta_programa = RECURSOS;
    TJanelaAjuda *ajuda = p.form.janela_ajuda;
    ASSERT_TRUE(ajuda);
    EXPECT_FALSE(ajuda->isVisible());

    GuardaModal guarda;
    QSet<QString> textos;
    for (const auto &[item, relativo] : DOCUMENTOS) {
        SCOPED_TRACE(item);
        QAction *a = p.form.acao(item);
        ASSERT_TRUE(a);
        a->trigger();
        EXPECT_TRUE(ajuda->isVisible());
        EXPECT_FALSE(ajuda->isModal());
        EXPECT_EQ(caminho_local(ajuda->navegador->source()),
                  QFileInfo(RECURSOS + QString::fromUtf8(relativo)).absoluteFilePath());
        const QString texto = ajuda->navegador->toPlainText();
        EXPECT_GT(texto.size(), 500);
        EXPECT_FALSE(texto.contains("<html")) << "shown as source, not as a document";
        textos << texto;
    }
    EXPECT_EQ(guarda.fechados, 0);
    EXPECT_EQ(textos.size(), 16); // sixteen different documents
    // The frame stays usable while the viewer is open.
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    p.form.acao("comandobasico1")->trigger();
    EXPECT_GT(p.estado.lista().numero_componentes(), 0);
}

TEST(Ajuda, DocumentosCompletosELigados)
{
    const QDir pasta(RECURSOS + "Ajuda");
    QStringList esperados;
    for (const auto &[item, relativo] : DOCUMENTOS)
        esperados << QString::fromUtf8(relativo).mid(6);
    QStringList presentes = pasta.entryList({QStringLiteral("*.hlp")}, QDir::Files);
    presentes.sort();
    esperados.sort();
    EXPECT_EQ(presentes.join(" | ").toStdString(), esperados.join(" | ").toStdString());

    // Links to other documents and pictures shown inside a document.
    const QRegularExpression ligacao(QStringLiteral("(?:href|src)=\"([^\"]*)\""));
    int ligacoes = 0;
    for (const QString &nome : esperados) {
        SCOPED_TRACE(nome.toStdString());
        QFile f(pasta.filePath(nome));
        ASSERT_TRUE(f.open(QIODevice::ReadOnly));
        const QString html = QString::fromUtf8(f.readAll());
        EXPECT_GT(html.size(), 2000);
        for (auto m = ligacao.globalMatch(html); m.hasNext();) {
            const QUrl alvo(m.next().captured(1));
            if (!alvo.scheme().isEmpty() || alvo.path().isEmpty())
                continue; // web addresses and anchors within the page
            ++ligacoes;
            EXPECT_TRUE(QFileInfo::exists(pasta.filePath(alvo.path()))) << alvo.toString().toStdString();
        }
    }
    EXPECT_GT(ligacoes, 16);
}

TEST(Ajuda, LigacoesSaoSeguidasNoVisualizador)
{
    TJanelaAjuda ajuda;
    const QString pasta = QFileInfo(RECURSOS + "Ajuda").absoluteFilePath() + "/";
    ajuda.abrir(pasta + QStringLiteral("Introdução.hlp"));
    ASSERT_TRUE(ajuda.isVisible());
    const QString introducao = ajuda.navegador->toPlainText();

    emit ajuda.navegador->anchorClicked(QUrl(QStringLiteral("Circuitos%20Sequenciais%20Introduçao.hlp")));
    EXPECT_EQ(caminho_local(ajuda.navegador->source()), pasta + QStringLiteral("Circuitos Sequenciais Introduçao.hlp"));
    EXPECT_NE(ajuda.navegador->toPlainText(), introducao);
    EXPECT_TRUE(ajuda.windowTitle().startsWith(QStringLiteral("Circuitos Sequenciais Introduçao")));

    // Web addresses are not opened inside the viewer.
    const QUrl antes = ajuda.navegador->source();
    emit ajuda.navegador->anchorClicked(QUrl(QStringLiteral("https://example.org/")));
    EXPECT_EQ(ajuda.navegador->source(), antes);
}

TEST(Ajuda, DocumentoAusenteMostraUmaLinhaSimples)
{
    Principal p;
    p.form.show();
    p.estado.pasta_programa = RECURSOS;
    p.form.acao("valvulas")->trigger();
    const QString valvulas = p.form.janela_ajuda->navegador->toPlainText();
    ASSERT_GT(valvulas.size(), 500);

    QTemporaryDir vazia;
    p.estado.pasta_programa = vazia.path() + "/";
    GuardaModal guarda;
    p.form.acao("introducao")->trigger();
    EXPECT_EQ(guarda.fechados, 0);
    EXPECT_TRUE(p.form.janela_ajuda->isVisible());
    const QString texto = p.form.janela_ajuda->navegador->toPlainText();
    EXPECT_FALSE(texto.contains('\n'));
    EXPECT_TRUE(texto.contains(QStringLiteral("Introdução.hlp")));
    EXPECT_FALSE(texto.contains(valvulas.left(40))); // the previous document is gone
}
