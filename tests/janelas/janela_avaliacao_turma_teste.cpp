// Arquivo › "Avaliar turma..." and "Assistente de sequência...": a folder of circuits graded into
// the table and saved as CSV, a row opening its file; the assistant called from the menu and
// keeping its request.
#include "apoio_janelas.h"
#include "dialogos/assistentesequencia.h"
#include "janelas/arquivoatual.h"
#include "janelas/janela_avaliacao_turma.h"

#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTableWidget>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace zefira;
using namespace zefira::teste;

TEST(AvaliacaoTurma, AvaliaAPastaSalvaCsvEAbreOArquivoDaLinha)
{
    QTemporaryDir pasta;
    const QString solucoes = QStringLiteral(ZEFIRA_FIXTURES "/../../resources/Ajuda/solucoes/");
    // A+ B+ A- B- and A+ B+ B- A-, each once per start.
    for (const char *nome : {"exercicio10.zfr", "exercicio11.zfr"})
        ASSERT_TRUE(QFile::copy(solucoes + QLatin1String(nome), pasta.filePath(QLatin1String(nome))));
    Principal p;
    p.form.acao("avaliarturma")->trigger();
    TJanelaAvaliacaoTurma *j = p.form.janela_turma;
    ASSERT_TRUE(j);
    EXPECT_TRUE(j->isVisible());
    EXPECT_EQ(j->ciclos->text(), QStringLiteral("1"));
    j->pasta->setText(pasta.path());

    const struct {
        const char *sequencia;
        int ciclos;
        QStringList resultados; // column Resultado, row by row
        const char *resumo;
    } casos[] = {
        {"A+ B+ B- A-", 1, {"reprovado", "aprovado"}, "Aprovados: 1 de 2 arquivos."},
        {"A+B+A-B-", 0, {"aprovado", "reprovado"}, "Aprovados: 1 de 2 arquivos."},
        {"A+ B+ A- B- A+ B+ A- B-", 2, {"reprovado", "reprovado"}, "Aprovados: 0 de 2 arquivos."},
        {"A+, B+", 1, {}, "Sequência inválida: "},
    };
    for (const auto &c : casos) {
        SCOPED_TRACE(c.sequencia);
        j->sequencia->setText(QString::fromUtf8(c.sequencia));
        j->ciclos->setValue(c.ciclos);
        j->avaliar_botao->click();
        QStringList resultados;
        for (int i = 0; i < j->tabela->rowCount(); ++i)
            resultados << j->tabela->item(i, 1)->text();
        EXPECT_EQ(resultados, c.resultados);
        EXPECT_TRUE(j->resumo->text().startsWith(QString::fromUtf8(c.resumo))) << j->resumo->text().toStdString();
        EXPECT_EQ(j->salvar->isEnabled(), !c.resultados.isEmpty());
        if (c.ciclos == 0)
            EXPECT_EQ(j->ciclos->text(), QStringLiteral("contínuo"));
    }

    j->sequencia->setText(QStringLiteral("A+ B+ A- B-"));
    j->ciclos->setValue(1);
    j->avaliar_botao->click();
    const QString csv = pasta.filePath(QStringLiteral("turma.csv"));
    ASSERT_TRUE(j->salvar_csv(csv));
    QFile f(csv);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    const QString d = pasta.path() + QLatin1Char('/');
    EXPECT_EQ(QString::fromUtf8(f.readAll()),
              "arquivo;resultado;esperado;obtido;mensagem\n" + d
                  + "exercicio10.zfr;aprovado;A+ B+ A- B-;A+ B+ A- B-;\n" + d
                  + "exercicio11.zfr;reprovado;A+ B+ A- B-;A+ B+ B- A-;movimento 3 da sequência: esperado A-, obtido B-\n");

    emit j->tabela->cellDoubleClicked(1, 3);
    EXPECT_EQ(p.estado.nome_documento, " - " + d + QStringLiteral("exercicio11.zfr"));
    EXPECT_GT(p.estado.lista().numero_componentes(), 0);
}

// The generated circuit replaces a changed one only after the save question, as "Novo" does,
// and the dialog opens again with the last request.
TEST(MenuAssistente, AbreOCircuitoGeradoComoDocumentoNovo)
{
    Principal p;
    p.form.acao("cascata")->trigger();
    p.estado.modificado = true;
    const QString demo = p.estado.nome_documento;
    int perguntas = 0; // outlives a question that never came
    // Cancelled first: the circuit stays; then "Não": the generated one, unnamed.
    for (const QMessageBox::ButtonRole resposta : {QMessageBox::RejectRole, QMessageBox::NoRole}) {
        TFormAssistenteSequencia *visto = nullptr;
        no_proximo_modal([&](QWidget *w) {
            visto = qobject_cast<TFormAssistenteSequencia *>(w);
            if (!visto) {
                w->close();
                return;
            }
            if (resposta == QMessageBox::RejectRole) {
                visto->sequencia->setText(QStringLiteral("A+ B+ A- B-"));
                visto->intuitivo->click();
                visto->eletropneumatico->click();
            }
            no_proximo_modal([&perguntas, resposta](QWidget *w) {
                auto *caixa = qobject_cast<QMessageBox *>(w);
                perguntas += bool(caixa);
                for (QAbstractButton *b : caixa ? caixa->buttons() : QList<QAbstractButton *>())
                    if (caixa->buttonRole(b) == resposta)
                        b->click();
            });
            visto->gerar->click();
        });
        p.form.acao("assistentesequencia")->trigger();
        ASSERT_TRUE(visto);
        EXPECT_EQ(perguntas, resposta == QMessageBox::RejectRole ? 1 : 2);
        const TPedido_Sequencia pedido = visto->pedido();
        EXPECT_EQ(pedido.sequencia, QStringLiteral("A+ B+ A- B-"));
        EXPECT_EQ(pedido.metodo, TMetodo::intuitivo);
        EXPECT_TRUE(pedido.eletrico);
        EXPECT_TRUE(p.estado.modificado);
        EXPECT_EQ(p.estado.nome_documento, resposta == QMessageBox::RejectRole ? demo : QString());
    }
    EXPECT_TRUE(p.estado.observacoes.contains(QStringLiteral("Sequência: A+ B+ A- B-")));
    p.form.FormArquivo->Timer1Timer();
    EXPECT_EQ(p.form.sub_arquivo->windowTitle(), QStringLiteral("Área de Trabalho"));
    EXPECT_FALSE(p.form.acao("desfazer")->isEnabled());

    // No new document while a simulation runs.
    p.form.acao("iniciar")->trigger();
    EXPECT_FALSE(p.form.acao("assistentesequencia")->isEnabled());
}
