// zefira-cli sequencia, avaliar and diagrama, and valves named by their name in --clique.
#include "apoio/executar_cli.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace zefira;

namespace {

// The demonstration as the Demo menu builds it (DemoCli pins the copy).
QString demo(const char *nome) { return QStringLiteral(ZEFIRA_FIXTURES "/../fuzz/corpus/demo_%1.zfr").arg(nome); }

const QStringList ALAVANCA{"--clique", "1: A4 :esq"};

} // namespace

TEST(CliSequencia, MovimentosPorPassoEValvulaPeloNome)
{
    const QString cascata = demo("cascata");
    teste::Execucao r = teste::executar_cli(QStringList{"sequencia", cascata, "--passos", "12"} + ALAVANCA);
    ASSERT_EQ(r.status, 0) << r.erros.toStdString();
    EXPECT_EQ(r.saida.toStdString(), "passo 4: A+\npasso 6: B+\npasso 9: B-\npasso 11: A-\n");
    EXPECT_EQ(r.erros, QString());

    r = teste::executar_cli({"simular", cascata, "--clique", "1:partida:esq"});
    EXPECT_EQ(r.status, 4);
    EXPECT_EQ(r.erros, QStringLiteral("zefira-cli: nenhuma válvula direcional com o nome: partida\n"));
}

TEST(CliAvaliar, AprovaReprovaEErro)
{
    QTemporaryDir dir;
    const QString i1 = demo("intuitivo1"), i2 = demo("intuitivo2"), cascata = demo("cascata"),
                  passo = demo("passoapasso"), basico = demo("comandobasico1"), falta = dir.filePath("falta.zfr");
    const QStringList esperada{"--sequencia", "A+ B+ B- A-"};

    teste::Execucao r = teste::executar_cli(QStringList{"avaliar"} + esperada + ALAVANCA + QStringList{i2, cascata, passo});
    EXPECT_EQ(r.status, 0) << r.erros.toStdString();
    EXPECT_EQ(r.saida, i2 + ": aprovado\n" + cascata + ": aprovado\n" + passo + ": aprovado\n");

    r = teste::executar_cli(QStringList{"avaliar", i1, falta, basico} + ALAVANCA + esperada);
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.saida.toStdString(),
              (i1 + ": reprovado (esperado: A+ B+ B- A-; obtido: A+ B+ A- B-)\n" + falta
               + ": erro (Erro ao abrir arquivo!)\n" + basico + ": erro (nenhuma válvula direcional com o nome: A4)\n")
                  .toStdString());

    // A run cut before the first cycle ends fails with what it made; names ignore case.
    r = teste::executar_cli(QStringList{"avaliar", "--sequencia", "a+ b+b- a-", "--passos", "10", cascata} + ALAVANCA);
    EXPECT_EQ(r.saida.toStdString(), (cascata + ": reprovado (esperado: A+ B+ B- A-; obtido: A+ B+ B-)\n").toStdString());
    r = teste::executar_cli(QStringList{"avaliar", "--sequencia", "a+ b+ b- a-", "--passos", "12", cascata} + ALAVANCA);
    EXPECT_EQ(r.status, 0);

    for (const QStringList &uso : {QStringList{"avaliar", cascata}, QStringList{"avaliar", "--sequencia", "A+ B", cascata},
                                   QStringList{"avaliar", "--sequencia", "A+ A-"},
                                   QStringList{"avaliar", "--sequencia", "A+ A-", "--ciclos", "0", cascata}}) {
        r = teste::executar_cli(uso);
        EXPECT_EQ(r.status, 4) << uso.join(' ').toStdString();
        EXPECT_EQ(r.saida, QString());
    }
}

// What is compared: the whole run against the sequence, repeated or counted, step by step.
TEST(CliAvaliar, ComparaACorridaInteira)
{
    const QString cascata = demo("cascata"), i1 = demo("intuitivo1");
    const QString ex11 = QStringLiteral(ZEFIRA_FONTES "/../resources/Ajuda/solucoes/exercicio11.zfr");
    const QStringList partida{"--clique", "1:partida:esq", "--soltar", "2"};
    const struct {
        QStringList args;
        int status;
        QString saida;
    } casos[] = {
        // A continuous cycle passes without --ciclos, not for one cycle.
        {QStringList{"--sequencia", "A+ B+ B- A-", cascata} + ALAVANCA, 0, cascata + ": aprovado\n"},
        {QStringList{"--sequencia", "A+ B+ B- A-", "--ciclos", "1", cascata} + ALAVANCA, 1,
         cascata + ": reprovado (esperado: A+ B+ B- A-; obtido: A+ B+ B- A- A+)\n"},
        // One cycle per start passes both ways, and not for two cycles.
        {QStringList{"--sequencia", "A+ B+ B- A-", ex11} + partida, 0, ex11 + ": aprovado\n"},
        {QStringList{"--sequencia", "A+ B+ B- A-", "--ciclos", "1", ex11} + partida, 0, ex11 + ": aprovado\n"},
        {QStringList{"--sequencia", "A+B+B-A-", "--ciclos", "2", ex11} + partida, 1,
         ex11 + ": reprovado (esperado: A+ B+ B- A-; obtido: A+ B+ B- A-)\n"},
        // Movements written apart must not happen in one step, nor a group apart.
        {QStringList{"--sequencia", "(A+ B+) (B- A-)", ex11} + partida, 1,
         ex11 + ": reprovado (esperado: (A+ B+) (B- A-); obtido: A+ B+)\n"},
        // Only a whole prefix used to be compared.
        {QStringList{"--sequencia", "A+ B+ B- A-", i1} + ALAVANCA, 1,
         i1 + ": reprovado (esperado: A+ B+ B- A-; obtido: A+ B+ A- B-)\n"},
        {QStringList{"--csv", "--sequencia", "A+ B+ B- A-", "--ciclos", "1", cascata, ex11} + ALAVANCA, 1,
         "arquivo;resultado;esperado;obtido;mensagem\n" + cascata
             + ";reprovado;A+ B+ B- A-;A+ B+ B- A- A+;continuou se movendo depois de 1 vez\n" + ex11
             + ";erro;A+ B+ B- A-;;nenhuma válvula direcional com o nome: A4\n"},
    };
    for (const auto &c : casos) {
        const teste::Execucao r = teste::executar_cli(QStringList{"avaliar"} + c.args);
        EXPECT_EQ(r.status, c.status) << c.args.join(' ').toStdString();
        EXPECT_EQ(r.saida.toStdString(), c.saida.toStdString());
    }
    // A sequence written with commas is refused with the grammar's reason, not graded.
    const teste::Execucao r = teste::executar_cli(QStringList{"avaliar", "--sequencia", "A+,B+,B-,A-", ex11} + partida);
    EXPECT_EQ(r.status, 4);
    EXPECT_TRUE(r.erros.startsWith(QStringLiteral(
        "zefira-cli: sequência inválida: caractere inesperado \",\": escreva os movimentos como A+ B+ B- A-\n")))
        << r.erros.toStdString();
}

TEST(CliDiagrama, GravaPorExtensao)
{
    QTemporaryDir dir;
    const QString cascata = demo("cascata");
    const struct {
        const char *saida;
        int status;
        const char *inicio; // first bytes of the file written
    } casos[] = {{"d.png", 0, "\x89PNG"}, {"d.svg", 0, "<?xml"}, {"d.pdf", 0, "%PDF-"}, {"d.bmp", 4, ""},
                 {"nao/existe/d.png", 3, ""}};
    for (const auto &c : casos) {
        const QString saida = dir.filePath(c.saida);
        const teste::Execucao r = teste::executar_cli(QStringList{"diagrama", cascata, saida} + ALAVANCA);
        EXPECT_EQ(r.status, c.status) << c.saida << r.erros.toStdString();
        QFile f(saida);
        EXPECT_EQ(f.open(QIODevice::ReadOnly) ? f.read(int(qstrlen(c.inicio))).toStdString() : "", c.inicio) << c.saida;
    }
}
