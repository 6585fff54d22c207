// The generated pneumatic circuits run their sequence once per start, each step's movements in
// one instant, then stand still, and pass the classroom check.
#include "assistente/assistente_sequencia.h"
#include "simulacao/registro_movimentos.h"
#include "simulacao/roteiro_simulacao.h"
#include "simulacao/verificacao_circuito.h"

#include <gtest/gtest.h>

namespace zefira {
namespace {

// The movements of every step that has any, a step's own in alphabetical order: "A+ | B+ C+".
QString Passos_Observados(TEstado &estado, int passos)
{
    TRoteiro_Simulacao roteiro;
    QStringList resto;
    QString erro;
    roteiro.ler({"--passos", QString::number(passos), "--clique", "1:partida:esq", "--soltar", "2"}, resto, erro);
    EXPECT_EQ(roteiro.validar(estado), QString());
    roteiro.iniciar(estado);
    QStringList vistos;
    for (int k = 1; k <= passos; ++k) {
        roteiro.executar_passo(estado, k);
        QStringList m = Movimentos_Passo(estado.historico, k);
        m.sort();
        if (!m.isEmpty())
            vistos << m.join(' ');
    }
    return vistos.join(" | ");
}

TEST(GeradorPneumatico, ExecutaASequenciaUmaVezEPassaNaVerificacao)
{
    const struct {
        const char *sequencia;
        TMetodo metodo;
        const char *passos;
    } casos[] = {
        {"A+ B+ B- A-", TMetodo::cascata, "A+ | B+ | B- | A-"},
        {"A+ B+ B- A-", TMetodo::passo_a_passo, "A+ | B+ | B- | A-"},
        {"A+ B+ A- B-", TMetodo::intuitivo, "A+ | B+ | A- | B-"},
        {"A+ B+ C+ C- B- A-", TMetodo::cascata, "A+ | B+ | C+ | C- | B- | A-"},
        {"A+ B+ C+ C- B- A-", TMetodo::passo_a_passo, "A+ | B+ | C+ | C- | B- | A-"},
        {"A+ B+ (A- B-)", TMetodo::passo_a_passo, "A+ | B+ | A- B-"},
        {"A+ (B+ C+) A- (B- C-)", TMetodo::cascata, "A+ | B+ C+ | A- | B- C-"},
        {"A+ A-", TMetodo::intuitivo, "A+ | A-"},
        {"A+ B+ B- C+ C- A-", TMetodo::cascata, "A+ | B+ | B- | C+ | C- | A-"},
        // A sensor that several signals need: one roller per label, shared through AND valves.
        {"A+ A- B+ A+ A- B-", TMetodo::cascata, "A+ | A- | B+ | A+ | A- | B-"},
        {"A+ A- B+ A+ A- B-", TMetodo::passo_a_passo, "A+ | A- | B+ | A+ | A- | B-"},
    };
    for (const auto &c : casos) {
        SCOPED_TRACE(std::string(c.sequencia) + " " + Nome_Metodo(c.metodo).toStdString());
        TEstado estado;
        QString erro;
        ASSERT_TRUE(Montar_Circuito_Sequencia(estado, {c.sequencia, c.metodo, false}, erro)) << erro.toStdString();
        QStringList avisos;
        for (const TAviso &a : Verificar_Circuito(*estado.lista_componentes))
            avisos << a.linha();
        EXPECT_EQ(avisos.join('\n').toStdString(), "");
        // Long enough for the sequence and ten quiet steps after it, at a few steps a movement.
        EXPECT_EQ(Passos_Observados(estado, 80).toStdString(), c.passos);
    }
}

} // namespace
} // namespace zefira
