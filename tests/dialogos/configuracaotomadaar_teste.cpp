// The air supply and flow regulator dialogs on real components, and the user port that opens
// the right dialog for each kind.
#include "apoio/eventos.h"
#include "dialogos/configuracaotomadaar.h"
#include "dialogos/configuracaovalvulareguladora.h"
#include "edicao/paleta.h"
#include "modelo/estado.h"
#include "janelas/interface_qt.h"
#include "janelas/janelas_dialogo.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <gtest/gtest.h>

using namespace zefira;
using namespace zefira::teste;

namespace {

QRadioButton *grau(QWidget &d, const char *grupo, const QString &nome)
{
    for (QRadioButton *r : d.findChild<QGroupBox *>(QString::fromLatin1(grupo))->findChildren<QRadioButton *>())
        if (r->text() == nome)
            return r;
    return nullptr;
}

} // namespace

// The grade and limit rules are pinned without the window (ConfiguracaoTomadaAr); here the
// controls reach them, and the spin box keeps what was typed until OK decides.
TEST(FormConfiguracaoTomadaAr, ControlesChegamAsRegras)
{
    TEstado e;
    TComponente &t = Posicionar_Componente(e, 6, 100, 100);
    t.tomada_ar->pressao = 7;
    TFormconfiguracaotomadaar d;
    d.preparar(t);
    d.show();
    EXPECT_EQ(d.windowTitle(), QStringLiteral("Suprimento de Ar Comprimido"));
    EXPECT_EQ(d.height(), 155);
    EXPECT_GE(d.width(), 256); // wider when the title needs it
    EXPECT_TRUE(grau(d, "rgPressao", QStringLiteral("Média"))->isChecked());
    EXPECT_FALSE(d.findChild<QGroupBox *>("rgPressao")->isEnabled());
    d.findChild<QCheckBox *>("cbFuzzy")->click();
    auto *caixa = d.findChild<QSpinBox *>("SEpressao");
    EXPECT_FALSE(caixa->isEnabled());
    grau(d, "rgPressao", QStringLiteral("Pequena"))->click();
    d.findChild<QPushButton *>("ButCancelar")->click();
    EXPECT_TRUE(t.tomada_ar->fuzzy);
    EXPECT_EQ(t.tomada_ar->pressao, 7);

    d.show();
    grau(d, "rgPressao", QStringLiteral("Grande"))->click();
    d.findChild<QPushButton *>("ButOK")->click();
    EXPECT_EQ(t.tomada_ar->pressao, 8);
    EXPECT_TRUE(t.tomada_ar->fuzzy);

    d.show();
    d.findChild<QCheckBox *>("cbFuzzy")->click();
    caixa->selectAll();
    digitar(caixa, QStringLiteral("15"));
    EXPECT_EQ(caixa->cleanText(), QStringLiteral("15"));
    tecla(caixa, Qt::Key_Enter);
    EXPECT_FALSE(d.isVisible());
    EXPECT_EQ(t.tomada_ar->pressao, 10);

    // An emptied box left with the mouse is not refilled with the old value.
    d.preparar(t);
    d.show();
    caixa->selectAll();
    tecla(caixa, Qt::Key_Backspace, QStringLiteral("\b"));
    caixa->clearFocus(); // the mouse moving to OK takes the focus away first
    d.findChild<QPushButton *>("ButOK")->click();
    EXPECT_EQ(t.tomada_ar->pressao, 0);
}

TEST(FormConfiguracaoReguladora, GrauPelaVazao)
{
    TEstado e;
    TComponente &r = Posicionar_Componente(e, 13, 100, 100);
    r.valvula_e_ou_esc_reg->vazao = 1500;
    TFormconfiguracaovalvulareguladora d;
    d.preparar(r);
    d.show();
    EXPECT_EQ(d.windowTitle(), QStringLiteral("Válvula Reguladora de Fluxo"));
    EXPECT_TRUE(grau(d, "rgVazao", QStringLiteral("Grande"))->isChecked());
    auto *caixa = d.findChild<QSpinBox *>("SEvazao");
    caixa->setValue(1499);
    tecla(caixa, Qt::Key_Escape);
    EXPECT_FALSE(d.isVisible());
    EXPECT_EQ(r.valvula_e_ou_esc_reg->vazao, 1500);
    d.show();
    caixa->setValue(1499);
    d.findChild<QPushButton *>("ButOK")->click();
    EXPECT_EQ(r.valvula_e_ou_esc_reg->vazao, 1499);
}

TEST(InterfaceQtPropriedades, AbreODialogoDoTipoDoComponente)
{
    TEstado e;
    QWidget principal;
    QList<QWidget *> dialogos;
    for (const QString &nome : Nomes_Janelas_Dialogo())
        dialogos << Criar_Janela_Dialogo(nome, e, &principal);
    ASSERT_EQ(dialogos.size(), 6);
    TInterfaceQt ui(&principal);
    ui.definir_dialogos(dialogos);

    TComponente &valvula = Posicionar_Componente(e, 4, 100, 100);
    TComponente &cilindro = Posicionar_Componente(e, 8, 300, 100);
    TComponente &e_logico = Posicionar_Componente(e, 10, 300, 300);
    QString visto;
    const auto ok = [&visto](QWidget *d) {
        visto = d->windowTitle();
        d->findChild<QPushButton *>(QStringLiteral("ButOK"))->click();
    };
    no_proximo_modal(ok);
    EXPECT_TRUE(ui.editar_propriedades(e, valvula));
    EXPECT_EQ(visto, QStringLiteral("Configuração da Válvula"));
    no_proximo_modal(ok);
    EXPECT_TRUE(ui.editar_propriedades(e, cilindro));
    EXPECT_EQ(visto, QStringLiteral("Cilindro de Ação Dupla"));
    EXPECT_FALSE(ui.editar_propriedades(e, e_logico));
}
