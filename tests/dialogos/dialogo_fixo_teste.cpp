// What every property dialog shares on screen: wide enough for its title and its labels, and
// OK as the only default button.
#include "apoio/eventos.h"
#include "edicao/paleta.h"
#include "modelo/estado.h"
#include "janelas/interface_qt.h"
#include "janelas/janelas_dialogo.h"

#include <QLabel>
#include <QPushButton>
#include <gtest/gtest.h>

using namespace zefira;
using namespace zefira::teste;

TEST(DialogoFixo, TituloCabeBotaoPadraoEOK)
{
    // Palette code of the component, the dialog's title and its size in the layout.
    const struct {
        int codigo;
        const char *titulo;
        QSize tamanho;
    } casos[] = {
        {4, "Configuração da Válvula", {497, 225}},
        {7, "Cilindro de Ação Simples", {247, 225}},
        {8, "Cilindro de Ação Dupla", {247, 225}},
        {9, "Cilindro de Dupla Ação Haste Dupla", {247, 225}},
        {6, "Suprimento de Ar Comprimido", {256, 155}},
        {13, "Válvula Reguladora de Fluxo", {256, 155}},
        // The electrical parts' dialog is as tall as the rows of the part's family.
        {32, "Solenoide", {280, 89}},
        {26, "Relé", {280, 149}},
        {23, "Sensor", {280, 179}},
    };
    TEstado e;
    QWidget principal;
    QList<QWidget *> dialogos;
    for (const QString &nome : Nomes_Janelas_Dialogo())
        dialogos << Criar_Janela_Dialogo(nome, e, &principal);
    TInterfaceQt ui(&principal);
    ui.definir_dialogos(dialogos);
    QFont negrito = QApplication::font();
    negrito.setBold(true);

    for (const auto &caso : casos) {
        SCOPED_TRACE(caso.titulo);
        TComponente &c = Posicionar_Componente(e, caso.codigo, 100, 100);
        bool visto = false;
        no_proximo_modal([&](QWidget *d) {
            visto = true;
            const QString titulo = d->windowTitle();
            EXPECT_TRUE(titulo.startsWith(QString::fromUtf8(caso.titulo).left(12))) << titulo.toStdString();
            EXPECT_EQ(d->height(), caso.tamanho.height());
            EXPECT_GE(d->width(), caso.tamanho.width());
            // Room for the title beside the close box.
            EXPECT_GE(d->width(), QFontMetrics(negrito).horizontalAdvance(titulo) + 60);
            // Right-aligned captions keep a margin at the left border.
            for (QLabel *l : d->findChildren<QLabel *>(QString(), Qt::FindDirectChildrenOnly))
                if (l->isVisible() && (l->alignment() & Qt::AlignRight))
                    EXPECT_GE(l->x() + l->width() - l->fontMetrics().horizontalAdvance(l->text()), 2)
                        << l->text().toStdString();
            // OK is the one default button, also while Cancelar has the focus.
            for (QPushButton *b : d->findChildren<QPushButton *>()) {
                const bool ok = b->objectName() == QLatin1String("ButOK");
                EXPECT_EQ(b->isDefault(), ok) << b->objectName().toStdString();
                if (!ok)
                    EXPECT_FALSE(b->autoDefault()) << b->objectName().toStdString();
            }
            d->findChild<QPushButton *>(QStringLiteral("ButCancelar"))->click();
        });
        ui.editar_propriedades(e, c);
        EXPECT_TRUE(visto);
    }
    // Each kind opens its own dialog (the titles above); an AND valve has none.
    GuardaModal guarda;
    EXPECT_FALSE(ui.editar_propriedades(e, Posicionar_Componente(e, 10, 300, 300)));
    EXPECT_EQ(guarda.fechados, 0);
}
