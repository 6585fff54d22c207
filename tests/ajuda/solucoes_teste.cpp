// The exercise solutions beside the help documents: each one is linked from its exercise, reads
// without a message or a finding of the classroom check and, simulated with the clicks its
// exercise describes, does what the exercise asks; the sequential ones carry their "Sequência:"
// line and run exactly that sequence.

#include "documento/arquivo_circuito.h"
#include "simulacao/registro_movimentos.h"
#include "simulacao/roteiro_simulacao.h"
#include "simulacao/verificacao_circuito.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <gtest/gtest.h>
#include <vector>

namespace {

using namespace zefira;

const QString PASTA = QStringLiteral(ZEFIRA_AJUDA);

QString solucao(int n) { return PASTA + QStringLiteral("/solucoes/exercicio%1.zfr").arg(n, 2, 10, QLatin1Char('0')); }

struct TClique {
    int passo;
    const char *valvula; // the valve's name (its descricao)
};

// One run: clicks on the left actuator of named valves before the given steps, releases of
// the mouse before the given steps, and the movements expected over the run (cylinder name and
// direction, in order), with the force shown after the first movement.
struct TCaso {
    int exercicio;
    std::vector<TClique> cliques;
    std::vector<int> solturas;
    int passos;
    const char *movimentos;
    int forca_primeiro;
};

const TCaso CASOS[] = {
    // A push button clicked once gives a pulse; the spring return shows 900.
    {1, {{1, "botão"}}, {1}, 8, "A+ A-", 700},
    // A latched lever: a click latches, a second quick click unlatches.
    {2, {{1, "alavanca"}, {6, "alavanca"}}, {1, 6}, 12, "A+ A-", 700},
    {3, {{1, "avançar"}, {6, "recuar"}}, {1, 6}, 12, "A+ A-", 700},
    // Pressing both memory buttons keeps the cylinder where it is.
    {3, {{1, "avançar"}, {5, "recuar"}}, {}, 12, "A+", 700},
    // The regulator, wired by tubes on the return port, restricts the air leaving on the advance.
    {4, {{1, "avançar"}, {6, "recuar"}}, {1, 6}, 12, "A+ A-", 300},
    // AND by an AND valve (A) and by buttons in series (B): one button alone moves nothing.
    {5, {{1, "mão 1"}}, {}, 8, "", 0},
    {5, {{1, "mão 1"}, {1, "mão 2"}}, {}, 8, "A+", 700},
    {5, {{1, "mão 3"}}, {}, 8, "", 0},
    {5, {{1, "mão 3"}, {1, "mão 4"}}, {6}, 12, "B+ B-", 700},
    {6, {{1, "botão"}}, {3}, 8, "A+ A-", 700},
    {6, {{1, "pedal"}}, {3}, 8, "A+ A-", 700},
    {7, {{1, "c"}}, {4}, 10, "A+ A-", 700},
    {7, {{1, "a"}}, {}, 10, "", 0},
    {7, {{1, "a"}, {1, "b"}}, {5}, 10, "A+ A-", 700},
    // Continuous cycle: unlatching the lever with A advanced ends the cycle with A retracted.
    {9, {{1, "partida"}, {12, "partida"}}, {1, 12}, 30, "A+ A- A+ A- A+ A-", 700},
};

// The sequential exercises: the sequence each one asks for, run from one click on "partida".
struct TSequencia {
    int exercicio;
    const char *sequencia;
};
const TSequencia SEQUENCIAS[] = {
    {8, "A+ A-"}, {9, "A+ A-"}, {10, "A+ B+ A- B-"}, {11, "A+ B+ B- A-"}, {12, "A+ B+ B- C+ C- A-"},
};

// The force shown on the cylinder named `nome`.
int forca(TEstado &estado, const QString &nome)
{
    const TLista_Componente &lista = estado.lista();
    for (int i = 0; i < lista.numero_componentes(); ++i)
        if (lista[i].cilindro && lista[i].cilindro->nome.trimmed() == nome)
            return lista[i].cilindro->forca;
    return -1;
}

struct TResultado {
    QStringList movimentos;
    int forca_primeiro = 0;
};

// Runs the simulation as zefira-cli simular does, the valves named as its --clique takes them,
// and lists the cylinder movements of the steps' record, with the force after the first one.
TResultado simular(TEstado &estado, const std::vector<TClique> &cliques, const std::vector<int> &solturas, int passos)
{
    QStringList args{QStringLiteral("--passos"), QString::number(passos)};
    for (const TClique &c : cliques)
        args << QStringLiteral("--clique") << QStringLiteral("%1:%2:esq").arg(c.passo).arg(QString::fromUtf8(c.valvula));
    for (int s : solturas)
        args << QStringLiteral("--soltar") << QString::number(s);
    TRoteiro_Simulacao roteiro;
    QStringList restantes;
    QString erro;
    EXPECT_TRUE(roteiro.ler(args, restantes, erro)) << erro.toStdString();
    EXPECT_EQ(roteiro.validar(estado), QString());
    roteiro.iniciar(estado);

    TResultado r;
    for (int k = 1; k <= roteiro.passos; ++k) {
        roteiro.executar_passo(estado, k);
        const QStringList m = Movimentos_Passo(estado.historico, k);
        if (r.movimentos.isEmpty() && !m.isEmpty())
            r.forca_primeiro = forca(estado, m[0].chopped(1));
        r.movimentos << m;
    }
    return r;
}

void abrir(TEstado &estado, int exercicio)
{
    const TResultadoLeitura r = Abrir_Arquivo(estado, solucao(exercicio));
    ASSERT_EQ(r.status, StatusLeitura::Ok) << r.mensagem.toStdString();
}

TEST(SolucoesExercicios, CadaExercicioLigaASuaSolucaoQueLeSemMensagem)
{
    QFile f(PASTA + QStringLiteral("/Exercicios.hlp"));
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    const QString html = QString::fromUtf8(f.readAll());
    // The pneumatic exercises' solutions, then the electro-pneumatic ones.
    QStringList nomes;
    for (int n = 1; n <= 12; ++n)
        nomes << QStringLiteral("exercicio%1.zfr").arg(n, 2, 10, QLatin1Char('0'));
    for (int n = 1; n <= 6; ++n)
        nomes << QStringLiteral("eletro%1.zfr").arg(n, 2, 10, QLatin1Char('0'));
    for (const QString &nome : nomes) {
        SCOPED_TRACE(nome.toStdString());
        EXPECT_TRUE(html.contains(QStringLiteral("<a href=\"solucoes/%1\">Abrir esta solução</a>").arg(nome)));
        TEstado estado;
        const TResultadoLeitura r = Abrir_Arquivo(estado, PASTA + QStringLiteral("/solucoes/") + nome);
        EXPECT_EQ(r.status, StatusLeitura::Ok);
        EXPECT_TRUE(r.mensagem.isEmpty()) << r.mensagem.toStdString();
        EXPECT_GT(estado.lista().numero_componentes(), 0);
        EXPECT_FALSE(estado.observacoes.isEmpty()) << "as Observações explicam a solução";
        EXPECT_TRUE(Verificar_Circuito(estado.lista()).empty()) << "a correct circuit: nothing to point out";
    }
    // No solution without an exercise.
    EXPECT_EQ(QDir(PASTA + QStringLiteral("/solucoes")).entryList({QStringLiteral("*.zfr")}, QDir::Files).size(),
              nomes.size());
}

TEST(SolucoesExercicios, FazemOQueOExercicioPede)
{
    for (const TCaso &caso : CASOS) {
        SCOPED_TRACE(testing::Message() << "exercício " << caso.exercicio << ", " << caso.movimentos);
        TEstado estado;
        abrir(estado, caso.exercicio);
        const TResultado r = simular(estado, caso.cliques, caso.solturas, caso.passos);
        EXPECT_EQ(r.movimentos.join(QLatin1Char(' ')).toStdString(), caso.movimentos);
        EXPECT_EQ(r.forca_primeiro, caso.forca_primeiro);
    }
}

TEST(SolucoesExercicios, SequenciaisCumpremASequenciaDasObservacoes)
{
    for (const TSequencia &s : SEQUENCIAS) {
        SCOPED_TRACE(s.exercicio);
        TEstado estado;
        abrir(estado, s.exercicio);
        const QString linha = QStringLiteral("Sequência: ") + QString::fromUtf8(s.sequencia);
        EXPECT_TRUE(estado.observacoes.contains(linha)) << estado.observacoes.join(QLatin1Char('|')).toStdString();
        const QStringList esperados = QString::fromUtf8(s.sequencia).split(QLatin1Char(' '));
        const TResultado r = simular(estado, {{1, "partida"}}, {2}, 60);
        EXPECT_EQ(r.movimentos.mid(0, esperados.size()).join(QLatin1Char(' ')).toStdString(), s.sequencia);
    }
}

} // namespace
