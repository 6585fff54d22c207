// Arquivo › "Assistente de sequência...": the preview follows what is typed and chosen, and
// "Gerar" is offered only for a request the assistant can build.
#include "apoio/eventos.h"
#include "dialogos/assistentesequencia.h"

#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <gtest/gtest.h>

using namespace zefira;
using namespace zefira::teste;

TEST(FormAssistenteSequencia, PreviaMostraATabelaOuARecusa)
{
    using D = TFormAssistenteSequencia;
    const struct {
        const char *sequencia;
        QRadioButton *D::*metodo, *D::*comando;
        const char *previa; // its first line, or the part of the refusal that names the fault
        bool gerar;
    } casos[] = {
        {"A+ B+ B- A-", &D::cascata, &D::pneumatico, "Método cascata: 2 grupos", true},
        {"A+B+A-B-", &D::intuitivo, &D::pneumatico, "Método intuitivo: 4 passos", true},
        {"A+ (B+ C+) C- B- A-", &D::passo_a_passo, &D::pneumatico, "Método passo a passo: 5 passos", true},
        // The electrical command names the start button and the limit switches by their tags.
        {"a+ a-", &D::passo_a_passo, &D::eletropneumatico, "Passo 1: A+ (sinal: S1", true},
        {"A+ B+ B- A-", &D::intuitivo, &D::pneumatico, "sobreposição de sinais entre", false},
        {"A+ B+ B+", &D::cascata, &D::pneumatico, "o cilindro B avança duas vezes seguidas", false},
        {"A+,B+,B-,A-", &D::cascata, &D::pneumatico, "sequência inválida", false},
        {"", &D::passo_a_passo, &D::pneumatico, "Digite a sequência", false},
    };
    D d;
    for (const auto &c : casos) {
        SCOPED_TRACE(c.sequencia);
        d.sequencia->clear();
        (d.*c.metodo)->click();
        (d.*c.comando)->click();
        digitar(d.sequencia, QString::fromUtf8(c.sequencia));
        EXPECT_TRUE(d.previa->toPlainText().contains(QString::fromUtf8(c.previa)))
            << d.previa->toPlainText().toStdString();
        EXPECT_EQ(d.gerar->isEnabled(), c.gerar);
        EXPECT_EQ(d.pedido().eletrico, c.comando == &D::eletropneumatico);
    }
}
