// The exercise solutions beside the help documents: each one is linked from the answers, never
// from the questions, reads without a message or a finding of the classroom check and,
// simulated with the clicks its exercise describes, does what the exercise asks; the sequential
// ones carry their "Sequência:" line and pass the grader with it. Each faulty circuit of "Encontre
// o defeito" shows the symptom the exercise describes, and the solution its answer gives as the
// fix passes the grader.

#include "apoio/executar_cli.h"
#include "documento/arquivo_circuito.h"
#include "simulacao/avaliacao_turma.h"
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

// The sequential solutions: the sequence each one runs from one click on "partida", once (or,
// for the continuous cycle, over and over).
struct TSequencia {
    const char *arquivo;
    const char *sequencia;
    int ciclos;
};
const TSequencia SEQUENCIAS[] = {
    {"exercicio08", "A+ A-", 1},       {"exercicio09", "A+ A-", 0},       {"exercicio10", "A+ B+ A- B-", 1},
    {"exercicio11", "A+ B+ B- A-", 1}, {"exercicio11b", "A+ B+ B- A-", 1}, {"exercicio11c", "A+ B+ B- A-", 1},
    {"exercicio12", "A+ B+ B- C+ C- A-", 1},
};

// "Encontre o defeito": the faulty circuit, its start valve, what `zefira-cli sequencia` prints
// for it (the symptom the exercise describes), and the solution the answer gives as its fix.
struct TDefeito {
    int numero;
    const char *partida;
    const char *sintoma;
    const char *corrigido;
    const char *sequencia;
};
const TDefeito DEFEITOS[] = {
    {1, "partida", "passo 3: A+\npasso 5: A-\n", "exercicio10", "A+ B+ A- B-"},
    {2, "", "passo 3: B+\n", "exercicio10", "A+ B+ A- B-"}, // without a click
    {3, "botão", "passo 2: A+\n", "exercicio01", "A+ A-"},
    {4, "partida", "", "exercicio08", "A+ A-"},
    {5, "partida", "passo 4: A+\npasso 6: B+\npasso 9: B-\n", "exercicio12", "A+ B+ B- C+ C- A-"},
    {6, "partida", "passo 4: A+\npasso 6: B+\n", "exercicio12", "A+ B+ B- C+ C- A-"},
};

// The grader's verdict on `arquivo` for `sequencia`, the start valve clicked at step 1 and
// released at step 2.
TResultado_Avaliacao::Situacao avaliar(const QString &arquivo, const char *partida, const char *sequencia, int ciclos)
{
    TCriterio_Avaliacao criterio;
    QString erro;
    EXPECT_TRUE(TSequencia_Movimentos::ler(QString::fromUtf8(sequencia), criterio.sequencia, erro)) << erro.toStdString();
    criterio.ciclos = ciclos;
    const TResultado_Avaliacao r =
        Avaliar_Arquivo(arquivo, Roteiro_Partida(QString::fromUtf8(partida), Passos_Avaliacao(criterio)), criterio);
    EXPECT_NE(r.situacao, TResultado_Avaliacao::erro) << r.mensagem.toStdString();
    return r.situacao;
}

QString ler_documento(const char *nome)
{
    QFile f(PASTA + QLatin1Char('/') + QString::fromUtf8(nome));
    return f.open(QIODevice::ReadOnly) ? QString::fromUtf8(f.readAll()) : QString();
}

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
    const QString html = ler_documento("Respostas dos Exercicios.hlp");
    // The questions go out without the answers; the answers are reached from the teacher's part
    // and from the help's map.
    EXPECT_FALSE(ler_documento("Exercicios.hlp").contains(QLatin1String("solucoes/")));
    for (const char *doc : {"Exercicios.hlp", "Introdução.hlp"})
        EXPECT_TRUE(ler_documento(doc).contains(QLatin1String("href=\"Respostas%20dos%20Exercicios.hlp\""))) << doc;
    // The pneumatic exercises' solutions, then the electro-pneumatic ones.
    QStringList nomes;
    for (int n = 1; n <= 12; ++n)
        nomes << QStringLiteral("exercicio%1.zfr").arg(n, 2, 10, QLatin1Char('0'));
    nomes << QStringLiteral("exercicio11b.zfr") << QStringLiteral("exercicio11c.zfr");
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

TEST(SolucoesExercicios, SequenciaisPassamNaAvaliacaoComASequenciaDasObservacoes)
{
    for (const TSequencia &s : SEQUENCIAS) {
        SCOPED_TRACE(s.arquivo);
        const QString arquivo = PASTA + QStringLiteral("/solucoes/%1.zfr").arg(QLatin1String(s.arquivo));
        TEstado estado;
        ASSERT_EQ(Abrir_Arquivo(estado, arquivo).status, StatusLeitura::Ok);
        EXPECT_TRUE(estado.observacoes.contains(QStringLiteral("Sequência: ") + QString::fromUtf8(s.sequencia)));
        EXPECT_EQ(avaliar(arquivo, "partida", s.sequencia, s.ciclos), TResultado_Avaliacao::aprovado);
    }
}

TEST(SolucoesExercicios, CadaDefeitoMostraOSintomaEACorrecaoPassa)
{
    const QString questoes = ler_documento("Exercicios.hlp"), respostas = ler_documento("Respostas dos Exercicios.hlp");
    for (const TDefeito &d : DEFEITOS) {
        SCOPED_TRACE(d.numero);
        const QString nome = QStringLiteral("defeitos/defeito%1.zfr").arg(d.numero);
        EXPECT_TRUE(questoes.contains(QStringLiteral("<a href=\"%1\">").arg(nome)));
        QStringList args{QStringLiteral("sequencia"), PASTA + QLatin1Char('/') + nome, QStringLiteral("--passos"),
                         QStringLiteral("40")};
        if (*d.partida)
            args << QStringLiteral("--clique") << QStringLiteral("1:%1:esq").arg(QString::fromUtf8(d.partida))
                 << QStringLiteral("--soltar") << QStringLiteral("2");
        const auto e = teste::executar_cli(args);
        EXPECT_EQ(e.status, 0) << e.erros.toStdString();
        EXPECT_EQ(e.saida.toStdString(), d.sintoma);
        // The fault costs the grade; the fix the answer links to earns it.
        const char *partida = *d.partida ? d.partida : "partida";
        EXPECT_EQ(avaliar(PASTA + QLatin1Char('/') + nome, partida, d.sequencia, 1), TResultado_Avaliacao::reprovado);
        const int resposta = respostas.indexOf(QStringLiteral("<h3>D%1 ").arg(d.numero));
        ASSERT_GE(resposta, 0);
        const QString correcao = QStringLiteral("solucoes/%1.zfr").arg(QLatin1String(d.corrigido));
        EXPECT_EQ(respostas.indexOf(QStringLiteral("<a href=\"%1\">").arg(correcao), resposta),
                  respostas.indexOf(QLatin1String("<a href=\"solucoes/"), resposta));
        EXPECT_EQ(avaliar(PASTA + QLatin1Char('/') + correcao, partida, d.sequencia, 1), TResultado_Avaliacao::aprovado);
    }
}

} // namespace
