// Starting the program with a circuit file, and with its own icon on every window.
#include "apoio_janelas.h"
#include "documento/apoio_arquivos.h"
#include "janelas/arquivoatual.h"
#include "janelas/icones.h"

#include <QDir>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QTimer>
#include <gtest/gtest.h>

using namespace zefira;
using namespace zefira::teste;

// The file opens when the window first shows (after the splash), as "&Abrir" opens it: the
// same messages, and an empty circuit when nothing could be read.
TEST(ArquivoInicial, AbreQuandoAJanelaAparece)
{
    QTemporaryDir pasta;
    ASSERT_TRUE(gravar_bytes(pasta.filePath("ruim.zfr"), "lixo\r\n"));
    QDir().mkpath(pasta.filePath("pasta.zfr"));
    const struct {
        QString nome;
        const char *mensagem; // "" none
        bool com_componentes, com_nome;
    } casos[] = {
        {QStringLiteral(ZEFIRA_FIXTURES "/sim_sequencia.zfr"), "", true, true},
        {pasta.filePath("falta.zfr"), "Arquivo não encontrado!", false, false},
        // A name that exists but does not open: the only test of that message.
        {pasta.filePath("pasta.zfr"), "Erro ao abrir arquivo!", false, false},
        // A damaged file's fragment stays unnamed, so no plain save overwrites the file.
        {pasta.filePath("ruim.zfr"), "Arquivo Inválido!", false, false},
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
        ASSERT_EQ(textos.size(), *c.mensagem ? 1 : 0);
        if (*c.mensagem)
            EXPECT_TRUE(textos[0].startsWith(QString::fromUtf8(c.mensagem))) << textos[0].toStdString();
        EXPECT_EQ(p.estado.lista().numero_componentes() > 0, c.com_componentes);
        EXPECT_EQ(p.estado.nome_documento, c.com_nome ? " - " + QFileInfo(c.nome).absoluteFilePath() : QString());
        p.form.FormArquivo->Timer1Timer(); // the next tick names the document in the caption
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

// The icon is drawn at every size the desktop asks for, and every window shows it, none the
// toolkit's own.
TEST(Icone, TodasAsJanelasMostramOIconeDoPrograma)
{
    const QIcon icone = Icone_Programa();
    for (int tamanho : TAMANHOS_ICONE_PROGRAMA) {
        SCOPED_TRACE(tamanho);
        const QImage f = Figura_Programa(tamanho);
        ASSERT_EQ(f.size(), QSize(tamanho, tamanho));
        EXPECT_EQ(qAlpha(f.pixel(0, 0)), 0);                       // rounded corner
        EXPECT_EQ(qAlpha(f.pixel(tamanho / 2, tamanho / 2)), 255); // a filled badge
        EXPECT_TRUE(icone.availableSizes().contains(QSize(tamanho, tamanho)));
    }
    QApplication::setWindowIcon(icone);
    const qint64 chave = QApplication::windowIcon().cacheKey();
    PrincipalVisivel p;
    QList<QWidget *> janelas = QApplication::topLevelWidgets();
    janelas << p.form.sub_arquivo << p.form.sub_biblioteca;
    EXPECT_GE(janelas.size(), 12);
    for (QWidget *w : janelas)
        EXPECT_EQ(w->windowIcon().cacheKey(), chave) << w->metaObject()->className();
}
