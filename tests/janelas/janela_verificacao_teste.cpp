// Simulação › "Verificar circuito": the findings listed, and a chosen one selected and
// brought into view.
#include "apoio_janelas.h"
#include "janelas/arquivoatual.h"
#include "janelas/janela_verificacao.h"

#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <gtest/gtest.h>

using namespace zefira;
using namespace zefira::teste;

TEST(JanelaVerificacao, AvisoEscolhidoSelecionaEMostraOComponente)
{
    Principal p;
    p.form.resize(1200, 800);
    p.form.show();
    p.form.acao("cascata")->trigger();
    p.form.FormArquivo->Timer1Timer();
    // Lever valve 19 far below, named as valve 12.
    TComponente &v = *p.estado.lista().procurar(19);
    v.topo = 2000;
    v.esquerda = 700;
    v.valvula_direcional->descricao = QStringLiteral("a0");
    v.atualizar_geometria();
    p.form.acao("verificarcircuito")->trigger();
    auto *j = p.form.findChild<TJanelaVerificacao *>();
    ASSERT_TRUE(j);
    EXPECT_TRUE(j->isVisible());
    EXPECT_FALSE(j->isModal());
    ASSERT_EQ(j->avisos->count(), 1);
    EXPECT_EQ(j->avisos->item(0)->text(), QStringLiteral("19 Válvula de 3 vias \"a0\": a válvula 12 do mesmo circuito tem o mesmo nome"));

    p.form.FormArquivo->Timer1Timer();
    emit j->avisos->itemClicked(j->avisos->item(0));
    p.form.FormArquivo->Timer1Timer();
    EXPECT_TRUE(v.selecionado());
    EXPECT_EQ(p.estado.numero_selecionados, 1);
    const QRect visivel(p.estado.vista.origem(), p.form.FormArquivo->viewport()->size());
    EXPECT_TRUE(visivel.contains(QRect(QPoint(v.esquerda, v.topo), QPoint(v.direita, v.baixo))))
        << visivel.x() << "," << visivel.y();

    v.valvula_direcional->descricao = QStringLiteral("a4");
    j->verificar_novamente->click();
    EXPECT_EQ(j->avisos->count(), 0);
    EXPECT_TRUE(j->resumo->text().startsWith(QStringLiteral("Nenhum aviso")));
}
