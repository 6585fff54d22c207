// zefira-cli on electro-pneumatic circuits: buttons clicked by their tag, the graded sequence of
// the start/stop circuit with self-holding and end-of-stroke switch, and the "eletrico" object.
#include "apoio/executar_cli.h"
#include "documento/cp1252.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace zefira;

namespace {

// A 5/2 valve with solenoid 1Y1 against a spring drives cylinder A (labels a0, a1). S0 (NF) feeds
// S1 in series with 1S1 (a0) and K1's self-holding contact in parallel, then 1S2 (NF, a1) and
// K1's coil; a second K1 contact feeds 1Y1.
const QString PARTIDA = QStringLiteral(ZEFIRA_FIXTURES "/eletropneumatico.zfr");

// Each line's text from "eletrico" on, one per step.
QString eletricos(const QString &saida)
{
    QStringList r;
    for (const QString &linha : saida.split(QLatin1Char('\n'), Qt::SkipEmptyParts))
        r << linha.mid(linha.indexOf(QLatin1String("\"eletrico\"")));
    return r.join(QLatin1Char('\n'));
}

// Terminals, buttons and loads in rungs, "CÓDIGO FAMÍLIA CAMPOS" each, and the wires "a b" from
// port 1 of record a... to the record after; wires take the codes after the parts.
QString circuito(QTemporaryDir &dir, const QStringList &registros, const QList<std::array<int, 4>> &fios)
{
    QString texto = QStringLiteral("Número de Componentes:\r\n%1\r\n").arg(registros.size() + fios.size());
    for (const QString &r : registros)
        texto += r.section(QLatin1Char('|'), 0, 0) + QStringLiteral("\r\n") + r.section(QLatin1Char('|'), 1) + QStringLiteral("\r\n");
    int codigo = registros.size();
    for (const auto &f : fios)
        texto += QStringLiteral("Fio de Energia\r\n%1 %2 %3 %4 %5 0 0\r\n").arg(++codigo).arg(f[3]).arg(f[2]).arg(f[1]).arg(f[0]);
    const QString nome = dir.filePath(QStringLiteral("c%1.zfr").arg(registros.size()));
    QFile f(nome);
    EXPECT_TRUE(f.open(QIODevice::WriteOnly) && f.write(para_cp1252(texto)) > 0);
    return nome;
}

} // namespace

TEST(CliEletrico, BotaoPelaTagNaAvaliacaoENaSequencia)
{
    const struct {
        QStringList args;
        int status;
        QString saida;
    } casos[] = {
        {{"avaliar", "--sequencia", "A+ A-", "--clique", "1:S1:esq", "--soltar", "2", PARTIDA}, 0, PARTIDA + ": aprovado\n"},
        {{"sequencia", PARTIDA, "--clique", "1: s1 :dir", "--soltar", "2"}, 0, "passo 2: A+\npasso 4: A-\n"},
        // Held down, S1 starts again each time A is back on 1S1.
        {{"sequencia", PARTIDA, "--clique", "1:S1:esq", "--soltar", "6", "--passos", "9"}, 0,
         "passo 2: A+\npasso 4: A-\npasso 6: A+\npasso 8: A-\n"},
        // S0 pressed with S1: no start. Nothing pressed: nothing moves.
        {{"sequencia", PARTIDA, "--clique", "1:S0:esq", "--clique", "1:S1:esq", "--soltar", "2"}, 0, ""},
        {{"avaliar", "--sequencia", "A+ A-", PARTIDA}, 1, PARTIDA + ": reprovado (esperado: A+ A-; obtido: )\n"},
        {{"sequencia", PARTIDA, "--clique", "1:K1:esq"}, 4, ""},
    };
    for (const auto &c : casos) {
        const teste::Execucao r = teste::executar_cli(c.args);
        EXPECT_EQ(r.status, c.status) << c.args.join(' ').toStdString() << r.erros.toStdString();
        EXPECT_EQ(r.saida.toStdString(), c.saida.toStdString()) << c.args.join(' ').toStdString();
    }
}

TEST(CliEletrico, ObjetoEletricoDoSimular)
{
    QTemporaryDir dir;
    // S1 (selector) feeds on-delay KT1 (0.8 s: two steps); S2 (momentary) the count input of
    // KC1 (preset 2).
    const QString temporizador = circuito(
        dir,
        {"Borne|1 (Borne) 0 0 9 0 0", "Botão|2 (Botão) 0 (S1) 3 0 9 10 0 30", "Bobina|3 (Relé) 0 (KT1) 1 800 10 11 0 80",
         "Borne|4 (Borne) 0 1 11 0 130", "Borne|5 (Borne) 0 0 12 100 0", "Botão|6 (Botão) 0 (S2) 0 0 12 13 100 30",
         "Contador|7 (Contador) 0 (KC1) 2 13 14 -1 -1 100 80", "Borne|8 (Borne) 0 1 14 100 130"},
        {{1, 1, 2, 1}, {2, 2, 3, 1}, {3, 2, 4, 1}, {5, 1, 6, 1}, {6, 2, 7, 1}, {7, 2, 8, 1}});
    teste::Execucao r = teste::executar_cli({"simular", temporizador, "--passos", "4", "--clique", "1:S1:esq", "--clique",
                                             "1:S2:esq", "--soltar", "2", "--clique", "3:S2:esq", "--soltar", "4"});
    const QString t = QStringLiteral("\"eletrico\":{\"energizados\":[%1],\"reles\":[],\"temporizadores\":[{\"tag\":\"KT1\","
                                     "\"saida\":%2,\"contagem\":%3}],\"contadores\":[{\"tag\":\"KC1\",\"saida\":%4,"
                                     "\"contagem\":%5}]}}");
    EXPECT_EQ(eletricos(r.saida).toStdString(),
              QStringList({t.arg("", "false", "0", "false", "0"), t.arg("\"KT1\",\"KC1\"", "false", "1", "false", "1"),
                           t.arg("\"KT1\"", "false", "2", "false", "1"), t.arg("\"KT1\",\"KC1\"", "true", "3", "true", "2"),
                           t.arg("\"KT1\"", "true", "4", "true", "2")})
                  .join('\n')
                  .toStdString());

    // A button straight across the rails: the step is refused and every line after says why.
    const QString curto = circuito(dir, {"Borne|1 (Borne) 0 0 4 0 0", "Botão|2 (Botão) 0 (S\"1) 3 0 4 5 0 30", "Borne|3 (Borne) 0 1 5 0 80"},
                                   {{1, 1, 2, 1}, {2, 2, 3, 1}});
    r = teste::executar_cli({"simular", curto, "--passos", "2", "--clique", "1:S\"1:esq"});
    const QString vazio = "\"eletrico\":{\"energizados\":[],\"reles\":[],\"temporizadores\":[],\"contadores\":[]";
    EXPECT_EQ(eletricos(r.saida).toStdString(),
              (vazio + "}}\n" + vazio + ",\"curto\":\"Curto-circuito: +24 V ligado a 0 V sem carga, por S\\\"1.\"}}\n" + vazio
               + ",\"curto\":\"Curto-circuito: +24 V ligado a 0 V sem carga, por S\\\"1.\"}}")
                  .toStdString());
}

TEST(CliEletrico, DiagramaComSolenoidesEReles)
{
    QTemporaryDir dir;
    for (bool eletrico : {false, true}) {
        const QString svg = dir.filePath(QStringLiteral("d%1.svg").arg(eletrico));
        const QStringList opcao = eletrico ? QStringList{"--eletrico"} : QStringList{};
        ASSERT_EQ(teste::executar_cli(QStringList{"diagrama", PARTIDA, svg, "--clique", "1:S1:esq"} + opcao).status, 0);
        QFile f(svg);
        ASSERT_TRUE(f.open(QIODevice::ReadOnly));
        const QByteArray texto = f.readAll();
        EXPECT_EQ(texto.contains(">K1<") && texto.contains(">1Y1<"), eletrico);
    }
}
