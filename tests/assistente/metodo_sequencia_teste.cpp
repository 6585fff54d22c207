// The sequence grammar and what each method reads from a sequence: the faults a teacher makes
// when typing one, the signal overlaps of the intuitive method, the cascade's groups.
#include "assistente/assistente_sequencia.h"
#include "assistente/metodo_sequencia.h"
#include "documento/comandos_documento.h"
#include "modelo/interface_roteirizada.h"

#include <gtest/gtest.h>

namespace zefira {
namespace {

TEST(GramaticaSequencia, LeEscreveDeVolta)
{
    const struct {
        const char *texto, *escrita;
    } casos[] = {
        {"A+ B+ B- A-", "A+ B+ B- A-"},
        {"A+B+B-A-", "A+ B+ B- A-"},
        {" a+ (b+ c+) a- ( B-C- ) ", "A+ (B+ C+) A- (B- C-)"},
        {"(A+) A-", "A+ A-"},
        {"F+ F-", "F+ F-"},
        {"A+ B+ B− A–", "A+ B+ B- A-"}, // minus signs as documents print them
    };
    for (const auto &c : casos) {
        TSequencia_Movimentos s;
        QString erro;
        ASSERT_TRUE(TSequencia_Movimentos::ler(c.texto, s, erro)) << c.texto << ": " << erro.toStdString();
        EXPECT_EQ(s.texto(), c.escrita);
    }
}

TEST(GramaticaSequencia, RecusaNomeandoODefeito)
{
    const struct {
        const char *texto, *erro;
    } casos[] = {
        {"A+ B+ B+ A- B-", "o cilindro B avança duas vezes seguidas"},
        {"A+ B+ C+ B- A-", "o cilindro C não recua no fim"},
        {"A+ A- A-", "o cilindro A recua duas vezes seguidas"},
        {"B- B+ B-", "o cilindro B recua sem ter avançado"},
        {"A+,B+,B-,A-", "caractere inesperado \",\": escreva os movimentos como A+ B+ B- A-"},
        {"G+ G-", "o cilindro G não existe: os cilindros vão de A a F"},
        {"A+ B A-", "falta + ou - depois de B"},
        {"A+ (B+ C+ A-", "falta fechar um parêntese"},
        {"A+ B+) A-", "\")\" sem \"(\" antes"},
        {"A+ () A-", "parênteses sem movimentos"},
        {"((A+)) A-", "parênteses dentro de parênteses"},
        {"(A+ A-)", "o cilindro A aparece duas vezes no mesmo passo"},
        {"   ", "a sequência está vazia"},
    };
    for (const auto &c : casos) {
        TSequencia_Movimentos s;
        QString erro;
        EXPECT_FALSE(TSequencia_Movimentos::ler(c.texto, s, erro)) << c.texto;
        EXPECT_EQ(erro, QString::fromUtf8(c.erro)) << c.texto;
    }
}

TSequencia_Movimentos ler(const char *texto)
{
    TSequencia_Movimentos s;
    QString erro;
    EXPECT_TRUE(TSequencia_Movimentos::ler(texto, s, erro)) << texto;
    return s;
}

TEST(MetodoSequencia, SobreposicaoDeSinais)
{
    const struct {
        const char *sequencia, *conflito;
    } casos[] = {
        {"A+ A-", ""},
        {"A+ B+ A- B-", ""},
        {"(A+ B+) (A- B-)", ""},
        {"A+ B+ C+ A- B- C-", ""},
        // The textbook case: b0 holds A's valve back at the start, a1 holds B's when B must return.
        {"A+ B+ B- A-", "A+ (partida e a0) e A- (b0)"},
        {"A+ B+ C+ C- B- A-", "A+ (partida e a0) e A- (b0)"},
        // b0 would start C with A at the start; b1 holds B out when it must return.
        {"A+ B+ B- C+ C- A-", "A+ (partida e a0) e C+ (b0)"},
        {"A+ B+ A- C+ C- B-", "A+ (partida e b0) e C+ (a0)"},
    };
    for (const auto &c : casos)
        EXPECT_EQ(Sobreposicao_Sinais(ler(c.sequencia)), QString::fromUtf8(c.conflito)) << c.sequencia;
    EXPECT_EQ(Sobreposicao_Sinais(ler("A+ B+ B- A-"), true), "A+ (S1 e 1S1) e A- (2S1)");
}

TEST(MetodoSequencia, TabelasDosMetodos)
{
    const struct {
        const char *sequencia;
        TMetodo metodo;
        bool eletrico;
        QStringList tabela;
    } casos[] = {
        {"A+ B+ B- A-", TMetodo::cascata, false,
         {"Método cascata: 2 grupos", "Grupo I: A+ B+ (sinal: partida e a0)", "Grupo II: B- A- (sinal: b1)"}},
        {"A+ B+ B- C+ C- A-", TMetodo::cascata, false,
         {"Método cascata: 3 grupos", "Grupo I: A+ B+ (sinal: partida e a0)", "Grupo II: B- C+ (sinal: b1)",
          "Grupo III: C- A- (sinal: c1)"}},
        {"A+ (B+ C+) A- (B- C-)", TMetodo::cascata, true,
         {"Método cascata: 2 grupos", "Grupo I: A+ B+ C+ (sinal: S1 e 2S1 e 3S1)",
          "Grupo II: A- B- C- (sinal: 2S2 e 3S2)"}},
        {"A+ B+ B- A-", TMetodo::passo_a_passo, true,
         {"Método passo a passo: 4 passos", "Passo 1: A+ (sinal: S1 e 1S1)", "Passo 2: B+ (sinal: 1S2)",
          "Passo 3: B- (sinal: 2S2)", "Passo 4: A- (sinal: 2S1)"}},
    };
    for (const auto &c : casos)
        EXPECT_EQ(Tabela_Metodo(ler(c.sequencia), c.metodo, c.eletrico), c.tabela) << c.sequencia;
}

// Arquivo › "Assistente de sequência...": a refusal touches nothing; otherwise the current
// circuit is offered for saving as "Novo" does, and the new one is unnamed, unsaved and noted.
TEST(AssistenteSequencia, AbreComoDocumentoNovo)
{
    TEstado estado;
    Limpar_Lista(estado);
    estado.lista().adicionar(TIPO_JUMP, 10, -1, -1, -1, 10).atualizar_geometria();
    estado.modificado = true;
    TInterfaceRoteirizada ui;

    EXPECT_FALSE(Abrir_Circuito_Sequencia(estado, ui, {"A+ B+ B- A-", TMetodo::intuitivo, false}));
    EXPECT_EQ(ui.registro, QStringList{"mensagem: sobreposição de sinais entre A+ (partida e a0) e A- (b0) : use "
                                       "cascata ou passo-a-passo"});
    ui.registro.clear();
    ui.respostas = {Resposta::Cancelar};
    EXPECT_FALSE(Abrir_Circuito_Sequencia(estado, ui, {"A+ B+ B- A-", TMetodo::cascata, false}));
    EXPECT_EQ(estado.lista().numero_componentes(), 1);

    ui.respostas = {Resposta::Nao};
    ASSERT_TRUE(Abrir_Circuito_Sequencia(estado, ui, {"a+b+b-a-", TMetodo::cascata, true}));
    EXPECT_GT(estado.lista().numero_componentes(), 1);
    EXPECT_EQ(estado.observacoes, (QStringList{"Sequência: A+ B+ B- A-", "Método: cascata (eletropneumático)"}));
    EXPECT_TRUE(estado.nome_documento.isEmpty());
    EXPECT_TRUE(estado.modificado);
}

} // namespace
} // namespace zefira
