// For many random sequences, every method and both kinds of command, the generated circuit does
// its own sequence exactly once per start, as the grader sees it, and passes the classroom check.
#include "assistente/assistente_sequencia.h"
#include "documento/arquivo_circuito.h"
#include "simulacao/avaliacao_turma.h"
#include "simulacao/verificacao_circuito.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <random>

namespace zefira {
namespace {

// A valid sequence of 2 to 4 cylinders: each one's movements (+ -, sometimes twice) merged in
// random order, neighbours of different cylinders sometimes gathered into one step.
QString sequencia_aleatoria(std::mt19937 &gerador)
{
    auto sorteio = [&](int n) { return int(gerador() % unsigned(n)); };
    const int cilindros = 2 + sorteio(3);
    std::vector<QStringList> filas;
    for (int c = 0; c < cilindros; ++c) {
        const QString nome(QChar('A' + c));
        QStringList fila{nome + "+", nome + "-"};
        if (sorteio(5) == 0)
            fila << nome + "+" << nome + "-";
        filas.push_back(fila);
    }
    QStringList movimentos;
    for (;;) {
        std::vector<int> restantes;
        for (int c = 0; c < cilindros; ++c)
            if (!filas[size_t(c)].isEmpty())
                restantes.push_back(c);
        if (restantes.empty())
            break;
        movimentos << filas[size_t(restantes[size_t(sorteio(int(restantes.size())))])].takeFirst();
    }
    QString texto;
    for (int i = 0; i < movimentos.size(); ++i) {
        if (i + 1 < movimentos.size() && movimentos[i][0] != movimentos[i + 1][0] && sorteio(4) == 0) {
            texto += QStringLiteral("(%1 %2) ").arg(movimentos[i], movimentos[i + 1]);
            ++i;
        } else {
            texto += movimentos[i] + QLatin1Char(' ');
        }
    }
    return texto.trimmed();
}

TEST(AssistenteSequencia, CadaCircuitoGeradoCumpreASuaSequenciaUmaVez)
{
    QTemporaryDir pasta;
    std::mt19937 gerador(20261207);
    int intuitivos = 0;
    // Random sequences rarely suit the intuitive method: a few that do come first.
    const QStringList fixas{"A+ B+ A- B-", "A+ B+ C+ A- B- C-", "(A+ B+) (A- B-)"};
    for (int n = 0; n < 24; ++n) {
        const QString texto = n < fixas.size() ? fixas[n] : sequencia_aleatoria(gerador);
        for (bool eletrico : {false, true})
            for (TMetodo metodo : {TMetodo::intuitivo, TMetodo::cascata, TMetodo::passo_a_passo}) {
                const TPedido_Sequencia pedido{texto, metodo, eletrico};
                const QString recusa = Validar_Pedido(pedido);
                if (metodo == TMetodo::intuitivo && !recusa.isEmpty())
                    continue; // overlapping signals: the other two methods
                SCOPED_TRACE((texto + " " + Nome_Metodo(metodo) + (eletrico ? " --eletrico" : "")).toStdString());
                ASSERT_EQ(recusa, QString());
                intuitivos += metodo == TMetodo::intuitivo;

                TEstado estado;
                QString erro;
                ASSERT_TRUE(Montar_Circuito_Sequencia(estado, pedido, erro)) << erro.toStdString();
                for (const TAviso &a : Verificar_Circuito(estado.lista()))
                    ADD_FAILURE() << a.linha().toStdString();
                const QString arquivo = pasta.filePath(QStringLiteral("c%1.zfr").arg(n));
                ASSERT_TRUE(Salvar_Arquivo(estado, arquivo));

                TCriterio_Avaliacao criterio;
                ASSERT_TRUE(TSequencia_Movimentos::ler(texto, criterio.sequencia, erro));
                criterio.ciclos = 1;
                const TRoteiro_Simulacao partida =
                    Roteiro_Partida(eletrico ? QStringLiteral("S1") : QStringLiteral("partida"),
                                    Passos_Avaliacao(criterio));
                const TResultado_Avaliacao r = Avaliar_Arquivo(arquivo, partida, criterio);
                EXPECT_EQ(r.situacao, TResultado_Avaliacao::aprovado)
                    << Linha_Resultado(r).toStdString() << " / " << r.mensagem.toStdString();
            }
    }
    EXPECT_GE(intuitivos, 2 * fixas.size());
}

} // namespace
} // namespace zefira
