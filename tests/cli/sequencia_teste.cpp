// zefira-cli sequencia, avaliar and diagrama, and valves named by their name in --clique.
#include "demos/demonstracoes.h"
#include "files/arquivo_circuito.h"
#include "model/estado.h"
#include "model/interface_roteirizada.h"

#include "apoio/executar_cli.h"

#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <cstring>
#include <gtest/gtest.h>

using namespace zefira;

namespace {

// The demonstration written to dir as NOME.zfr.
QString gravar_demo(const QTemporaryDir &dir, const char *nome)
{
    TEstado e;
    TInterfaceRoteirizada ui;
    EXPECT_TRUE(Construir_Demonstracao(e, ui, QString::fromLatin1(nome)));
    const QString arquivo = dir.filePath(QString::fromLatin1(nome) + QStringLiteral(".zfr"));
    EXPECT_TRUE(Salvar_Arquivo(e, arquivo));
    return arquivo;
}

const QStringList ALAVANCA{"--clique", "1:a4:esq"};

} // namespace

TEST(CliSequencia, MovimentosPorPasso)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString cascata = gravar_demo(dir, "cascata");
    teste::Execucao r = teste::executar_cli(QStringList{"sequencia", cascata, "--passos", "22"} + ALAVANCA);
    ASSERT_EQ(r.status, 0) << r.erros.toStdString();
    EXPECT_EQ(r.saida.toStdString(), "passo 4: A+\npasso 6: B+\npasso 9: B-\npasso 11: A-\n"
                                     "passo 14: A+\npasso 16: B+\npasso 19: B-\npasso 21: A-\n");
    EXPECT_EQ(r.erros, QString());

    // Without the lever nothing moves: nothing at all is printed.
    r = teste::executar_cli({"sequencia", cascata});
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.saida, QString());
}

TEST(CliSequencia, ValvulaPeloNomeOuPeloCodigo)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString cascata = gravar_demo(dir, "cascata");
    const teste::Execucao por_codigo = teste::executar_cli({"simular", cascata, "--clique", "1:19:esq"});
    const teste::Execucao por_nome = teste::executar_cli({"simular", cascata, "--clique", "1: A4 :esq"});
    ASSERT_EQ(por_codigo.status, 0);
    EXPECT_EQ(por_nome.status, 0);
    EXPECT_EQ(por_nome.saida, por_codigo.saida);
    // No such valve: a message and bad usage.
    for (const char *comando : {"simular", "sequencia"}) {
        const teste::Execucao r = teste::executar_cli({comando, cascata, "--clique", "1:partida:esq"});
        EXPECT_EQ(r.status, 4) << comando;
        EXPECT_EQ(r.erros, QStringLiteral("zefira-cli: nenhuma válvula direcional com o nome: partida\n")) << comando;
    }
}

TEST(CliAvaliar, AprovaReprovaEErro)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString i1 = gravar_demo(dir, "intuitivo1"), i2 = gravar_demo(dir, "intuitivo2"),
                  cascata = gravar_demo(dir, "cascata"), passo = gravar_demo(dir, "passoapasso"),
                  basico = gravar_demo(dir, "comandobasico1");
    const QString falta = dir.filePath("falta.zfr");
    const QStringList esperada{"--sequencia", "A+ B+ B- A-"};

    teste::Execucao r = teste::executar_cli(QStringList{"avaliar"} + esperada + ALAVANCA + QStringList{i2, cascata, passo});
    EXPECT_EQ(r.status, 0) << r.erros.toStdString();
    EXPECT_EQ(r.saida, i2 + ": aprovado\n" + cascata + ": aprovado\n" + passo + ": aprovado\n");

    r = teste::executar_cli(QStringList{"avaliar", cascata, i1, falta, basico} + ALAVANCA + esperada);
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.saida.toStdString(),
              (cascata + ": aprovado\n" + i1 + ": reprovado (esperado: A+ B+ B- A-; obtido: A+ B+ A- B-)\n" + falta
               + ": erro (Erro ao abrir arquivo!)\n" + basico
               + ": erro (nenhuma válvula direcional com o nome: a4)\n")
                  .toStdString());

    // Fewer movements than expected: as many as the run made; names ignore case.
    r = teste::executar_cli(QStringList{"avaliar", "--sequencia", "a+  b+", "--passos", "4", cascata} + ALAVANCA);
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.saida.toStdString(), (cascata + ": reprovado (esperado: a+ b+; obtido: A+)\n").toStdString());
    r = teste::executar_cli(QStringList{"avaliar", "--sequencia", "a+ b+", "--passos", "6", cascata} + ALAVANCA);
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.saida.toStdString(), (cascata + ": aprovado\n").toStdString());
}

TEST(CliAvaliar, UsoIncorreto)
{
    const QStringList casos[] = {
        {"avaliar", "x.zfr"},
        {"avaliar", "--sequencia", "A+ B", "x.zfr"},
        {"avaliar", "--sequencia", "", "x.zfr"},
        {"avaliar", "--sequencia", "A+"},
        {"avaliar", "x.zfr", "--sequencia"},
        {"avaliar", "--sequencia", "A+", "--passos", "-1", "x.zfr"},
        {"avaliar", "--sequencia", "A+", "--rapido", "x.zfr"},
    };
    for (const QStringList &c : casos) {
        const teste::Execucao r = teste::executar_cli(c);
        EXPECT_EQ(r.status, 4) << c.join(' ').toStdString();
        EXPECT_EQ(r.saida, QString()) << c.join(' ').toStdString();
        EXPECT_TRUE(r.erros.contains("Uso: zefira-cli avaliar")) << c.join(' ').toStdString();
    }
}

TEST(CliDiagrama, GravaPorExtensao)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString cascata = gravar_demo(dir, "cascata");
    const struct {
        const char *saida;
        int status;
        const char *inicio; // first bytes of the file written
    } casos[] = {{"d.png", 0, "\x89PNG"}, {"d.pdf", 0, "%PDF-"}, {"d.bmp", 4, ""}, {"nao/existe/d.png", 3, ""}};
    for (const auto &c : casos) {
        const QString saida = dir.filePath(c.saida);
        const teste::Execucao r = teste::executar_cli(QStringList{"diagrama", cascata, saida, "--passos", "12"} + ALAVANCA);
        EXPECT_EQ(r.status, c.status) << c.saida << r.erros.toStdString();
        QFile f(saida);
        EXPECT_EQ(f.open(QIODevice::ReadOnly) ? f.read(int(strlen(c.inicio))).toStdString() : "", c.inicio) << c.saida;
    }
    // The picture holds the cylinders' lines.
    const QImage img(dir.filePath("d.png"));
    int traco = 0;
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x)
            traco += img.pixel(x, y) == qRgb(0, 0, 128);
    EXPECT_GT(traco, 100);
}
