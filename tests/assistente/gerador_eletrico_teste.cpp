// The generated electro-pneumatic circuits perform their sequence once per start of S1, each
// step of it in one simulation step, with the relays their method needs and nothing for the
// classroom check to point at.
#include "assistente/assistente_sequencia.h"
#include "componentes/registro.h"
#include "simulacao/registro_movimentos.h"
#include "simulacao/roteiro_simulacao.h"
#include "simulacao/verificacao_circuito.h"

#include <gtest/gtest.h>

namespace zefira {
namespace {

// The movements of every step that had any, written as the sequence is: "A+ (B+ C+) A-".
QString executar(TEstado &estado, int passos)
{
    TRoteiro_Simulacao roteiro(passos);
    QStringList restantes;
    QString erro;
    EXPECT_TRUE(roteiro.ler({"--clique", "1:S1:esq", "--soltar", "2"}, restantes, erro)) << erro.toStdString();
    EXPECT_EQ(roteiro.validar(estado), QString());
    roteiro.iniciar(estado);
    QStringList feitos;
    for (int k = 1; k <= passos; ++k) {
        roteiro.executar_passo(estado, k);
        const QStringList m = Movimentos_Passo(estado.historico, k);
        if (!m.isEmpty())
            feitos << (m.size() > 1 ? "(" + m.join(' ') + ")" : m[0]);
    }
    return feitos.join(' ');
}

TEST(GeradorEletrico, FazASequenciaUmaVezPorPartida)
{
    const struct {
        const char *sequencia;
        TMetodo metodo;
        int reles;
    } casos[] = {
        {"A+ B+ B- A-", TMetodo::cascata, 1},
        {"A+ B+ B- A-", TMetodo::passo_a_passo, 5},
        {"A+ B+ A- B-", TMetodo::intuitivo, 0},
        {"A+ B+ C+ C- B- A-", TMetodo::cascata, 1},
        {"A+ B+ C+ C- B- A-", TMetodo::passo_a_passo, 7},
        {"A+ B+ B- C+ C- A-", TMetodo::cascata, 2},
        {"A+ A- B+ A+ B- A-", TMetodo::cascata, 3},
        {"A+ (B+ C+) A- (B- C-)", TMetodo::cascata, 1},
        {"A+ (B+ C+) A- (B- C-)", TMetodo::passo_a_passo, 5},
        {"(A+ B+) (A- B-)", TMetodo::intuitivo, 0},
        {"(A+ B+) (A- B-)", TMetodo::cascata, 1},
        {"A+ A-", TMetodo::intuitivo, 0},
        {"A+ A-", TMetodo::cascata, 1},
        {"A+ A- A+ A-", TMetodo::passo_a_passo, 5},
    };
    for (const auto &c : casos) {
        SCOPED_TRACE(std::string(c.sequencia) + " " + Nome_Metodo(c.metodo).toStdString());
        TEstado estado;
        QString erro;
        ASSERT_TRUE(Montar_Circuito_Sequencia(estado, {c.sequencia, c.metodo, true}, erro)) << erro.toStdString();
        int reles = 0;
        for (int i = 0; i < estado.lista().numero_componentes(); ++i)
            reles += estado.lista()[i].tipo == TIPO_BOBINA;
        EXPECT_EQ(reles, c.reles);
        for (const TAviso &a : Verificar_Circuito(estado.lista()))
            ADD_FAILURE() << a.linha().toStdString();
        EXPECT_EQ(executar(estado, 60), c.sequencia);
    }
}

} // namespace
} // namespace zefira
