// The air supply and flow regulator dialogs on real components. The user port that opens the
// right dialog for each kind: DialogoFixo.
#include "apoio/eventos.h"
#include "dialogos/configuracaotomadaar.h"
#include "dialogos/configuracaovalvulareguladora.h"
#include "edicao/paleta.h"
#include "modelo/estado.h"

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
