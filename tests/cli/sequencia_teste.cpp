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

    // Fewer movements than expected: as many as the run made; names ignore case.
    r = teste::executar_cli(QStringList{"avaliar", "--sequencia", "a+  b+", "--passos", "4", cascata} + ALAVANCA);
    EXPECT_EQ(r.saida.toStdString(), (cascata + ": reprovado (esperado: a+ b+; obtido: A+)\n").toStdString());
    r = teste::executar_cli(QStringList{"avaliar", "--sequencia", "a+ b+", "--passos", "6", cascata} + ALAVANCA);
    EXPECT_EQ(r.status, 0);

    for (const QStringList &uso : {QStringList{"avaliar", cascata}, QStringList{"avaliar", "--sequencia", "A+ B", cascata},
                                   QStringList{"avaliar", "--sequencia", "A+"}}) {
        r = teste::executar_cli(uso);
        EXPECT_EQ(r.status, 4) << uso.join(' ').toStdString();
        EXPECT_EQ(r.saida, QString());
    }
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
