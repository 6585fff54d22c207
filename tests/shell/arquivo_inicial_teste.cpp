// Starting the program with a circuit file, from an installation, and with its own icon.
#include "apoio_janelas.h"
#include "files/apoio_arquivos.h"
#include "shell/arquivoatual.h"
#include "shell/icones.h"
#include "shell/janela_ajuda.h"
#include "shell/verificar_instalacao.h"

#include <QDir>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QTimer>
#include <gtest/gtest.h>

using namespace zefira;
using namespace zefira::teste;

namespace {

// Where the build put the program with its data beside it.
const QString COMPILACAO = QFileInfo(QStringLiteral(ZEFIRA_PROGRAMA)).absolutePath() + "/";

void copiar_pasta(const QString &de, const QString &para)
{
    QDir().mkpath(para);
    for (const QFileInfo &f : QDir(de).entryInfoList(QDir::Files))
        QFile::copy(f.absoluteFilePath(), para + "/" + f.fileName());
}

} // namespace

// The file opens after the splash, as "&Abrir" opens it: the same messages, and an empty
// circuit when nothing could be read.
TEST(ArquivoInicial, AbreQuandoAJanelaApareceDepoisDaCapa)
{
    QTemporaryDir pasta;
    ASSERT_TRUE(gravar_bytes(pasta.filePath("ruim.zfr"), "lixo\r\n"));
    const struct {
        QString nome;
        const char *mensagem; // "" none
        bool com_componentes;
        bool com_nome;
    } casos[] = {
        {QStringLiteral(ZEFIRA_FIXTURES "/sim_sequencia.zfr"), "", true, true},
        {pasta.filePath("falta.zfr"), "Arquivo não encontrado!", false, false},
        {pasta.filePath("ruim.zfr"), "Arquivo Inválido!", false, true},
        {QString(), "", false, false},
    };
    for (const auto &c : casos) {
        SCOPED_TRACE(c.nome.toStdString());
        Principal p;
        p.form.abrir_ao_iniciar(c.nome);
        EXPECT_EQ(p.estado.lista().numero_componentes(), 0); // nothing before the window shows
        // Every modal box that shows up is read and closed.
        QStringList textos;
        QTimer vigia;
        vigia.setInterval(5);
        QObject::connect(&vigia, &QTimer::timeout, [&textos] {
            if (QWidget *w = QApplication::activeModalWidget()) {
                auto *m = qobject_cast<QMessageBox *>(w);
                textos << (m ? m->text() : QString());
                w->close();
            }
        });
        vigia.start();
        p.form.show();
        processar_eventos();
        if (*c.mensagem) {
            ASSERT_EQ(textos.size(), 1);
            EXPECT_TRUE(textos[0].startsWith(QString::fromUtf8(c.mensagem))) << textos[0].toStdString();
        } else {
            EXPECT_TRUE(textos.isEmpty());
        }
        EXPECT_EQ(p.estado.lista().numero_componentes() > 0, c.com_componentes);
        EXPECT_EQ(p.estado.nome_documento, c.com_nome ? " - " + QFileInfo(c.nome).absoluteFilePath() : QString());
        // The document is named in the work area's caption on the next tick.
        p.form.FormArquivo->Timer1Timer();
        if (!c.nome.isEmpty())
            EXPECT_EQ(p.form.sub_arquivo->windowTitle().contains(QFileInfo(c.nome).fileName()), c.com_nome);
        // A later show does not open it again.
        p.estado.modificado = true;
        p.form.hide();
        p.form.show();
        processar_eventos();
        EXPECT_TRUE(p.estado.modificado);
        EXPECT_EQ(textos.size(), *c.mensagem ? 1 : 0);
    }
}

// An installed program (P/bin/zefira) reads its cursors, help documents and about picture
// from P/share/zefira, and the report says so.
TEST(Instalado, JanelasAchamOsDadosEmShare)
{
    QTemporaryDir raiz;
    const QString dados = raiz.filePath("share/zefira");
    copiar_pasta(COMPILACAO + "figuras", dados + "/figuras");
    copiar_pasta(COMPILACAO + "Ajuda", dados + "/Ajuda");
    ASSERT_TRUE(QFile::copy(COMPILACAO + "sobre.jpg", dados + "/sobre.jpg"));
    QDir().mkpath(raiz.filePath("bin"));

    for (bool com_dados : {true, false}) {
        SCOPED_TRACE(com_dados);
        if (!com_dados)
            QDir(dados).removeRecursively();
        Principal p;
        p.estado.pasta_programa = raiz.filePath("bin") + "/";
        p.form.FormArquivo->carregar_cursores();
        EXPECT_EQ(p.form.FormArquivo->cursores_lidos(), com_dados ? 13 : 0);

        GuardaModal guarda;
        p.form.acao("edicao")->trigger();
        EXPECT_EQ(p.form.janela_ajuda->windowTitle(), com_dados ? "Edicao - Ajuda - ZEFIRA" : "Ajuda - ZEFIRA");
        EXPECT_EQ(guarda.fechados, 0);

        QStringList linhas;
        const bool completo = Verificar_Instalacao(p.form, p.estado, linhas);
        const QString relatorio = linhas.join('\n');
        // The about picture was looked for when the window was created, beside the tests.
        EXPECT_FALSE(completo);
        EXPECT_EQ(relatorio.contains("Documentos de ajuda: 16 de 16 em " + dados + "/Ajuda"), com_dados)
            << relatorio.toStdString();
        EXPECT_EQ(relatorio.contains("Cursores de posicionamento: 13 de 13 em " + dados + "/figuras"), com_dados);
        EXPECT_EQ(relatorio.count("Não encontrado: "), com_dados ? 0 : 16 + 13);
    }
}

TEST(Icone, ProgramaTemSeuIconeEmCadaTamanho)
{
    const QIcon icone = Icone_Programa();
    ASSERT_FALSE(icone.isNull());
    EXPECT_EQ(icone.availableSizes().size(), 8);
    for (int tamanho : TAMANHOS_ICONE_PROGRAMA) {
        SCOPED_TRACE(tamanho);
        const QImage f = Figura_Programa(tamanho);
        ASSERT_EQ(f.size(), QSize(tamanho, tamanho));
        EXPECT_EQ(qAlpha(f.pixel(0, 0)), 0);                           // rounded corner
        EXPECT_EQ(qAlpha(f.pixel(tamanho / 2, tamanho / 2)), 255);     // a filled badge
        EXPECT_TRUE(icone.availableSizes().contains(QSize(tamanho, tamanho)));
    }
}

// Every window the program creates shows the program's icon, none the toolkit's.
TEST(Icone, TodasAsJanelasMostramOIconeDoPrograma)
{
    const QIcon antes = QApplication::windowIcon();
    QApplication::setWindowIcon(Icone_Programa());
    const qint64 chave = QApplication::windowIcon().cacheKey();
    {
        Principal p;
        p.form.show();
        int janelas = 0;
        for (QWidget *w : QApplication::topLevelWidgets()) {
            SCOPED_TRACE(w->metaObject()->className());
            EXPECT_EQ(w->windowIcon().cacheKey(), chave);
            ++janelas;
        }
        EXPECT_GE(janelas, 10);
        EXPECT_EQ(p.form.sub_arquivo->windowIcon().cacheKey(), chave);
        EXPECT_EQ(p.form.sub_biblioteca->windowIcon().cacheKey(), chave);
    }
    QApplication::setWindowIcon(antes);
}
