// The cylinder dialog and the label editor on a real cylinder.
#include "apoio/eventos.h"
#include "dialogos/configuracaocilindro.h"
#include "dialogos/editarrotulos.h"
#include "edicao/paleta.h"
#include "modelo/estado.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <gtest/gtest.h>

using namespace zefira;
using namespace zefira::teste;

namespace {
template <class T> T *achar(const QWidget &w, const QString &nome) { return w.findChild<T *>(nome); }
} // namespace

TEST(FormConfiguracaoCilindro, PistaoLimitaAHasteEOKGrava)
{
    TEstado e;
    TComponente &c = Posicionar_Componente(e, 8, 100, 100);
    TFormconfiguracaocilindro d;
    d.preparar(e.lista(), c);
    d.show();
    auto *pistao = achar<QSpinBox>(d, "SEpistao");
    auto *haste = achar<QSpinBox>(d, "SEhaste");
    auto *posicao = achar<QSpinBox>(d, "SEposicao");
    // The piston rule (ConfiguracaoCilindro.PistaoLimitaAHaste) reaches the rod's box and label.
    pistao->setValue(50);
    EXPECT_EQ(achar<QLabel>(d, "Label5")->text(), QStringLiteral("mm  (12..35)"));
    EXPECT_EQ(haste->value(), 35);

    // Letters and arrows are swallowed; digits typed; Enter is OK.
    posicao->selectAll();
    digitar(posicao, QStringLiteral("4x2"));
    tecla(posicao, Qt::Key_Up);
    EXPECT_EQ(posicao->cleanText(), QStringLiteral("42"));
    auto *nome = achar<QLineEdit>(d, "Editnome");
    nome->setFocus();
    digitar(nome, QStringLiteral("ab)cdefg"));
    EXPECT_EQ(nome->text(), QStringLiteral("ABCDE"));
    tecla(posicao, Qt::Key_Return);
    EXPECT_FALSE(d.isVisible());
    EXPECT_EQ(c.cilindro->posicao, 42);
    EXPECT_EQ(c.cilindro->pistao, 50);
    EXPECT_EQ(c.cilindro->haste, 35);
    EXPECT_EQ(c.cilindro->nome, QStringLiteral("ABCDE"));
}

TEST(FormConfiguracaoCilindro, RotulosEditadosNoCaminhoECancelar)
{
    TEstado e;
    TComponente &c = Posicionar_Componente(e, 7, 100, 100);
    TComponente &outro = Posicionar_Componente(e, 8, 300, 100);
    outro.cilindro->definir_rotulo(1, QStringLiteral("b0"), 0);
    TFormconfiguracaocilindro d;
    d.preparar(e.lista(), c);
    d.show();
    EXPECT_EQ(d.windowTitle(), QStringLiteral("Cilindro de Ação Simples"));
    achar<QSpinBox>(d, "SEposicao")->setValue(60);

    bool visto = false;
    no_proximo_modal([&visto](QWidget *editor) {
        visto = editor->windowTitle() == QStringLiteral("Edição de Rótulos");
        auto *r1 = achar<QLineEdit>(*editor, "Editrot1");
        r1->setFocus();
        digitar(r1, QStringLiteral(" A1 "));
        achar<QSpinBox>(*editor, "SEpos1")->setValue(100);
        achar<QLineEdit>(*editor, "Editrot2")->setText(QStringLiteral("b0"));
        achar<QPushButton>(*editor, "ButOK")->click();
    });
    achar<QPushButton>(d, "Butrotulos")->click();
    EXPECT_TRUE(visto);
    // Back in the cylinder dialog the edited position is still there.
    EXPECT_TRUE(d.isVisible());
    EXPECT_EQ(achar<QSpinBox>(d, "SEposicao")->value(), 60);
    achar<QPushButton>(d, "ButCancelar")->click();

    EXPECT_EQ(c.cilindro->rotulo(1).texto, QStringLiteral("a1"));
    EXPECT_EQ(c.cilindro->rotulo(1).posicao, 100);
    EXPECT_TRUE(c.cilindro->rotulo(2).texto.isEmpty());
    EXPECT_EQ(c.cilindro->posicao, 0);
}
