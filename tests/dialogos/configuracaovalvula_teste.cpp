// The valve dialog and its picker on a real valve: controls, picker cycles, OK and Cancelar.
#include "apoio/eventos.h"
#include "dialogos/configuracaovalvula.h"
#include "dialogos/figuras.h"
#include "edicao/paleta.h"
#include "modelo/estado.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QToolButton>
#include <gtest/gtest.h>

using namespace zefira;
using namespace zefira::teste;

namespace {

struct Janela {
    TEstado e;
    TFormfiguras figuras{e.imagens};
    TFormconfiguracaovalvula d{e.imagens, &figuras};
    TComponente *v;

    explicit Janela(int vias) : v(&Posicionar_Componente(e, vias, 100, 100)) {}
    void abrir()
    {
        d.preparar(e.lista(), *v);
        d.show();
    }
    template <class T> T *achar(const char *nome) const { return d.findChild<T *>(QString::fromLatin1(nome)); }
    // A picker cycle: the arrow button, then a press on the picker at ordinate y.
    void escolher(const char *botao, int y)
    {
        achar<QToolButton>(botao)->click();
        EXPECT_TRUE(figuras.isVisible());
        pressionar(&figuras, QPoint(10, y));
        EXPECT_FALSE(figuras.isVisible());
    }
};

} // namespace

TEST(FormConfiguracaoValvula, ControlesDoDialogo)
{
    Janela j(2);
    j.abrir();
    EXPECT_EQ(j.achar<QGroupBox>("GBatuacaoesq")->title(), QStringLiteral(" Atuação Esquerda "));
    EXPECT_EQ(j.achar<QGroupBox>("GBatuacaodir")->geometry(), QRect(352, 8, 137, 177));
    EXPECT_EQ(j.achar<QGroupBox>("GBdescricao")->title(), QStringLiteral(" Nome / Fim de Curso "));
    EXPECT_EQ(j.achar<QGroupBox>("GBcorpovalvula")->title(), QStringLiteral(" Corpo da Válvula "));
    EXPECT_EQ(j.achar<QPushButton>("ButOK")->geometry(), QRect(322, 192, 79, 25));
    EXPECT_EQ(j.achar<QCheckBox>("cbArcomprimido")->text(), QStringLiteral("Ar Comprimido"));
    // A 2-way valve never offers a third position.
    EXPECT_FALSE(j.achar<QRadioButton>("RBpos3")->isEnabled());
    EXPECT_FALSE(j.achar<QToolButton>("Butpos3")->isEnabled());
    EXPECT_TRUE(j.achar<QRadioButton>("RBpos2")->isChecked());
    EXPECT_TRUE(j.achar<QCheckBox>("cbArcomprimido")->isChecked());
}

TEST(FormConfiguracaoValvula, PickerEscreveACopiaEOKAValvula)
{
    Janela j(3);
    j.abrir();
    ASSERT_TRUE(j.achar<QCheckBox>("CBmoladir")->isChecked());
    // Last row of the manual list by its bottom margin: "Pedal".
    j.escolher("Butmanualesq", 169);
    EXPECT_EQ(j.figuras.height(), 171);
    EXPECT_EQ(j.figuras.width(), 33);
    EXPECT_EQ(j.figuras.configuracao().manual_esq, 5);
    EXPECT_FALSE(j.achar<QLabel>("Imagemanualesq")->pixmap().isNull());

    // The third position makes the valve spring-centred: both springs ticked and locked.
    j.escolher("Butpos3", 3 * 29 + 2);
    EXPECT_TRUE(j.achar<QCheckBox>("CBmolaesq")->isChecked());
    EXPECT_FALSE(j.achar<QCheckBox>("CBmolaesq")->isEnabled());

    j.achar<QRadioButton>("RBpos3")->click();
    // The name refuses closing parentheses and line breaks, typed or pasted.
    QLineEdit *nome = j.achar<QLineEdit>("Editdescricao");
    nome->setFocus();
    digitar(nome, QStringLiteral("S)1"));
    nome->insert(QStringLiteral("a\nb)"));
    EXPECT_EQ(nome->text(), QStringLiteral("S1ab"));
    j.achar<QCheckBox>("cbArcomprimido")->click();
    j.achar<QPushButton>("ButOK")->click();
    EXPECT_FALSE(j.d.isVisible());
    const TValvula_Direcional &v = *j.v->valvula_direcional;
    EXPECT_EQ(v.acao_manual(false), 5);
    ASSERT_NE(v.parte(3), nullptr);
    EXPECT_EQ(v.parte(3)->tipo(), 3);
    EXPECT_EQ(v.posicao_inicial, 3);
    EXPECT_TRUE(v.mola_esq && v.mola_dir);
    EXPECT_EQ(v.descricao, QStringLiteral("S1ab"));
    EXPECT_EQ(j.e.lista().numero_componentes(), 1); // the unticked supply went with OK
    EXPECT_EQ(j.figuras.configuracao().tipo_lista, LISTA_NENHUMA);
}

TEST(FormConfiguracaoValvula, EscNoPickerNaoEscolhe)
{
    Janela j(4);
    j.abrir();
    j.achar<QToolButton>("Butmecanicadir")->click();
    ASSERT_TRUE(j.figuras.isVisible());
    EXPECT_EQ(j.figuras.height(), 115);
    tecla(&j.figuras, Qt::Key_Escape);
    EXPECT_FALSE(j.figuras.isVisible());
    EXPECT_EQ(j.figuras.configuracao().mecanica_dir, 0);
    // A press outside the picker only dismisses it.
    j.achar<QToolButton>("Butmecanicadir")->click();
    pressionar(&j.figuras, QPoint(10, -20));
    EXPECT_FALSE(j.figuras.isVisible());
    EXPECT_EQ(j.figuras.configuracao().mecanica_dir, 0);
}

TEST(FormConfiguracaoValvula, CancelarDeixaAValvulaComoEstava)
{
    Janela j(5);
    j.abrir();
    j.escolher("Butmanualdir", 2 * 28 + 5); // detented button: clears the left side
    EXPECT_FALSE(j.achar<QCheckBox>("CBpilotoesq")->isChecked());
    EXPECT_FALSE(j.achar<QCheckBox>("CBpilotoesq")->isEnabled());
    j.achar<QCheckBox>("cbArcomprimido")->click();
    digitar(j.achar<QLineEdit>("Editdescricao"), QStringLiteral("X"));
    j.achar<QPushButton>("ButCancelar")->click();
    const TValvula_Direcional &v = *j.v->valvula_direcional;
    EXPECT_EQ(v.acao_manual(true), 0);
    EXPECT_TRUE(v.piloto_esq);
    EXPECT_TRUE(v.tomada_ar);
    EXPECT_TRUE(v.descricao.isEmpty());
    EXPECT_EQ(j.e.lista().numero_componentes(), 2);
}
