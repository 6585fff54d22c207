// The generated pneumatic circuits run their sequence once per start, each step's movements in
// one instant, then stand still, pass the classroom check, and no two of their tubes run over
// each other (which would read as one tube).
#include "assistente/assistente_sequencia.h"
#include "simulacao/registro_movimentos.h"
#include "simulacao/roteiro_simulacao.h"
#include "simulacao/verificacao_circuito.h"

#include <gtest/gtest.h>

#include <algorithm>

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

// The first stretch where tubes of two different wires lie on one line and overlap.
QString Tubos_Sobrepostos(const TLista_Componente &lista)
{
    struct TTrecho {
        int fio;
        TPonto a, b;
    };
    std::vector<TTrecho> trechos;
    for (int i = 0; i < lista.numero_componentes(); ++i)
        if (const TComponente &c = lista[i]; c.fio)
            for (size_t k = 1; k < c.fio->pontos.size(); ++k)
                trechos.push_back({c.codigo, c.fio->pontos[k - 1], c.fio->pontos[k]});
    for (size_t i = 0; i < trechos.size(); ++i)
        for (size_t j = i + 1; j < trechos.size(); ++j) {
            const TTrecho &s = trechos[i], &t = trechos[j];
            const bool vertical = s.a.x == s.b.x && t.a.x == t.b.x && s.a.x == t.a.x;
            const bool horizontal = s.a.y == s.b.y && t.a.y == t.b.y && s.a.y == t.a.y;
            if (s.fio == t.fio || !(vertical || horizontal))
                continue;
            auto faixa = [&](const TPonto &p, const TPonto &q) {
                return vertical ? std::minmax(p.y, q.y) : std::minmax(p.x, q.x);
            };
            const auto [s0, s1] = faixa(s.a, s.b);
            const auto [t0, t1] = faixa(t.a, t.b);
            if (std::min(s1, t1) > std::max(s0, t0))
                return QStringLiteral("tubos %1 e %2").arg(s.fio).arg(t.fio);
        }
    return QString();
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
        EXPECT_EQ(Tubos_Sobrepostos(*estado.lista_componentes).toStdString(), "");
        // Long enough for the sequence and ten quiet steps after it, at a few steps a movement.
        EXPECT_EQ(Passos_Observados(estado, 80).toStdString(), c.passos);
    }
}

} // namespace
} // namespace zefira
