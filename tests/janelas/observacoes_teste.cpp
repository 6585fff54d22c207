// The notes window: its text is the circuit's notes; its size
// rule on show; Esc closes it keeping the text.
#include "apoio_janelas.h"
#include "documento/comandos_documento.h"
#include "janelas/observacoes.h"

#include <gtest/gtest.h>

using namespace zefira;
using namespace zefira::teste;

namespace {

void digitar_linhas(QPlainTextEdit *memo, const QStringList &linhas)
{
    for (int i = 0; i < linhas.size(); ++i) {
        if (i > 0)
            tecla(memo, Qt::Key_Return, "\r");
        digitar(memo, linhas[i]);
    }
}

} // namespace

TEST(Observacoes, TextoETamanhoSeguemOCircuito)
{
    Principal p;
    TFormobs *obs = p.form.Formobs;
    const QStringList linhas = {QStringLiteral("Circuito de ensaio: válvula à esquerda, ação rápida"), QString(),
                                QStringLiteral("Última observação — ç ã õ ê"), QStringLiteral("fim")};
    obs->show();
    EXPECT_EQ(obs->size(), QSize(500, 300));
    digitar_linhas(obs->memo, linhas);
    obs->resize(640, 420);
    obs->close();
    EXPECT_EQ(p.estado.observacoes, linhas);
    EXPECT_TRUE(p.estado.modificado);
    obs->show();
    EXPECT_EQ(obs->size(), QSize(640, 420)); // the user's size is kept while there is text
    obs->close();

    Limpar_Lista(p.estado); // a new circuit: no notes, so the default size again
    obs->show();
    EXPECT_TRUE(obs->memo->toPlainText().isEmpty());
    EXPECT_EQ(obs->size(), QSize(500, 300));
    obs->close();

    // Notes read from a file (their round trip: Escritor.IdaEVoltaDeTodosOsTipos) are shown.
    p.estado.observacoes = linhas;
    p.estado.modificado = false;
    obs->show();
    EXPECT_EQ(obs->memo->toPlainText(), linhas.join('\n'));
    EXPECT_FALSE(p.estado.modificado); // showing the notes is not an edit
    obs->close();
}

TEST(Observacoes, EscFechaEMantemOTextoPeloBotaoDaBarra)
{
    PrincipalVisivel p;
    TFormobs *obs = p.form.Formobs;
    bool modal = false;
    QSize tamanho;
    QTimer::singleShot(0, [&] {
        modal = QApplication::activeModalWidget() == obs;
        tamanho = obs->size();
        digitar_linhas(obs->memo, {"primeira", "segunda"});
        tecla(obs->memo, Qt::Key_Escape, "\x1b");
    });
    p.form.acao("TBobservacoes")->trigger(); // modal: returns when Esc closed it
    EXPECT_TRUE(modal);
    EXPECT_EQ(tamanho, QSize(500, 300));
    EXPECT_FALSE(obs->isVisible());
    EXPECT_EQ(p.estado.observacoes, QStringList({"primeira", "segunda"}));

    // The menu item opens the same notes.
    QString visto;
    QTimer::singleShot(0, [&] {
        visto = obs->memo->toPlainText();
        tecla(obs->memo, Qt::Key_Escape, "\x1b");
    });
    p.form.acao("Observaes1")->trigger();
    EXPECT_EQ(visto, QString("primeira\nsegunda"));
    EXPECT_EQ(p.estado.observacoes, QStringList({"primeira", "segunda"}));
}
