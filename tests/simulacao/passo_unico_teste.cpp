// Single step, the chosen speed's pacing, the record of the steps and the sequence checks.

#include "circuito_teste.h"
#include "simulacao/avaliacao_sequencia.h"
#include "simulacao/registro_movimentos.h"
#include <gtest/gtest.h>

using namespace zefira;
using namespace zefira::teste;

namespace {

// A latching 3/2 valve feeding a single-acting cylinder: clicked, it moves the cylinder out on
// the second step and keeps it there.
struct Circuito_Passo {
    Circuito k;
    TComponente &s = k.tomada(6);
    TComponente &v = k.valvula(3, {S_3VA, S_3VF, -1}, 2);
    TComponente &c = k.cilindro(1, 0);
    TComponente &w1 = k.fio(s, 1, v, 1);
    TComponente &w2 = k.fio(v, 2, c, 1);
    Circuito_Passo()
    {
        v.valvula_direcional->definir_acao_manual(false, 2);
        v.valvula_direcional->mola_dir = true;
    }
};

TEST(UnicoPasso, F7ConformeOEstado)
{
    // Stopped: starts paused and runs one step. Paused: one step. Running: pauses.
    const struct {
        const char *antes;
        int passos_antes, passos_depois; // records, the start's included
    } casos[] = {{"parado", 0, 2}, {"pausado", 2, 3}, {"rodando", 2, 2}};
    for (const auto &t : casos) {
        SCOPED_TRACE(t.antes);
        Circuito_Passo q;
        TEstado &e = q.k.estado;
        if (t.passos_antes) {
            q.k.iniciar();
            q.k.clicar(q.v);
            q.k.passo();
            if (std::string(t.antes) == "pausado")
                pausarClick(e);
        }
        ASSERT_EQ(e.historico.numero_passos(), t.passos_antes);
        unicopassoClick(e);
        EXPECT_EQ(e.modo, 15);
        EXPECT_FALSE(e.controles.TBiniciar_baixo);
        EXPECT_TRUE(e.controles.TBiniciar && e.controles.TBparar && !e.controles.TBpausar);
        EXPECT_FALSE(e.controles.editar || e.controles.paleta);
        EXPECT_EQ(e.historico.numero_passos(), t.passos_depois);
        // The valve shifted by the first step feeds the cylinder at the second.
        EXPECT_EQ(q.c.cilindro->posicao, t.passos_depois == 3 ? 100 : 0);
        TApresentacaoSimulacao nada;
        for (int i = 0; i < 100; ++i) // the timer runs no step while paused
            Timer1Timer(e, nada);
        EXPECT_EQ(e.historico.numero_passos(), t.passos_depois);
    }
}

TEST(Velocidade, UmPassoACadaIntervaloORedesenhoACada20ms)
{
    const struct {
        int intervalo, tiques; // ticks of 20 ms between steps
    } casos[] = {{INTERVALO_LENTO, 80}, {INTERVALO_NORMAL, 20}, {INTERVALO_RAPIDO, 5}};
    for (const auto &t : casos) {
        Circuito_Passo q;
        TEstado &e = q.k.estado;
        ASSERT_TRUE(Definir_Intervalo_Passo(e, t.intervalo));
        q.k.iniciar();
        int desenhos = 0, cursores = 0;
        TApresentacaoSimulacao ap;
        ap.desenhar = [&] { ++desenhos; };
        ap.atualizar_cursor = [&] { ++cursores; };
        std::vector<int> passos_em; // tick at which each step came
        for (int tique = 1; tique <= 3 * t.tiques; ++tique) {
            const int antes = e.historico.numero_passos();
            Timer1Timer(e, ap);
            if (e.historico.numero_passos() > antes)
                passos_em.push_back(tique);
        }
        EXPECT_EQ(passos_em, (std::vector<int>{t.tiques, 2 * t.tiques, 3 * t.tiques})) << t.intervalo;
        EXPECT_EQ(desenhos, 3 * t.tiques);
        EXPECT_EQ(cursores, 3 * t.tiques);
    }
    TEstado e;
    for (int invalido : {0, 20, 500}) // a damaged setting leaves the pace as it was
        EXPECT_FALSE(Definir_Intervalo_Passo(e, invalido)) << invalido;
    EXPECT_EQ(e.intervalo_passo, INTERVALO_NORMAL);
}

TEST(RegistroMovimentos, PararENovoInicioLimpamORegistro)
{
    Circuito_Passo q;
    TEstado &e = q.k.estado;
    q.c.cilindro->nome = QStringLiteral("  A ");
    q.k.iniciar();
    q.k.clicar(q.v);
    q.k.passo();
    q.k.passo();
    ASSERT_EQ(e.historico.numero_passos(), 3);
    EXPECT_EQ(Movimentos_Passo(e.historico, 2), QStringList{"A+"});
    pausarClick(e); // a resume keeps the record
    iniciarClick(e);
    EXPECT_EQ(e.historico.numero_passos(), 3);
    TBpararClick(e);
    EXPECT_EQ(e.historico.numero_passos(), 0);
    q.k.iniciar();
    ASSERT_EQ(e.historico.numero_passos(), 1);
    EXPECT_EQ(e.historico.passos[0], (std::vector<int>{2, 0})); // valve at rest, cylinder in
}

TEST(RegistroMovimentos, MovimentosNaOrdemDaListaESequenciaEsperada)
{
    THistorico_Passos h;
    h.linhas = {{5, true, "B"}, {6, false, "a0"}, {7, true, "A"}};
    h.passos = {{0, 2, 100}, {100, 1, 0}, {100, 2, 100}, {60, 2, 100}};
    EXPECT_EQ(Movimentos_Passo(h, 1), (QStringList{"B+", "A-"})); // valves never move in the sequence
    EXPECT_EQ(Movimentos_Passo(h, 2), QStringList{"A+"});
    EXPECT_EQ(Movimentos_Passo(h, 3), QStringList{"B-"});
    EXPECT_EQ(Sequencia_Observada(h), (QStringList{"B+", "A-", "A+", "B-"}));

    // The expected sequence, as typed or as found in the notes.
    QStringList m;
    EXPECT_TRUE(Ler_Sequencia("  a+\tB-  ", m));
    EXPECT_EQ(m, (QStringList{"a+", "B-"}));
    for (const char *invalida : {"", "A+ B", "A+ +"})
        EXPECT_FALSE(Ler_Sequencia(invalida, m)) << invalida;

    EXPECT_EQ(Sequencia_Das_Observacoes({"Exercício 3", "  SEQUÊNCIA :  A+ A-  "}), (QStringList{"A+", "A-"}));
    EXPECT_EQ(Sequencia_Das_Observacoes({"sequencia: a definir", "Sequencia: B+"}), QStringList{"B+"});
    EXPECT_EQ(Sequencia_Das_Observacoes({"A sequência: A+ A-"}), QStringList());
    // The assistant's notes: a group of one step reads as its movements.
    EXPECT_EQ(Sequencia_Das_Observacoes({"Sequência: a+ (B+ C+) A- (B-C-)"}),
              (QStringList{"A+", "B+", "C+", "A-", "B-", "C-"}));
    // Whether a run fulfils it is pinned through zefira-cli avaliar: CliAvaliar.
}

} // namespace
