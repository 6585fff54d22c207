// zefira-cli verificar and regravar: exit statuses and the exact lines they print.
#include "documento/apoio_arquivos.h"

#include "apoio/executar_cli.h"
#include "demonstracoes/demonstracoes.h"
#include "modelo/interface_roteirizada.h"

#include <gtest/gtest.h>

namespace zefira {
namespace {

using teste::Execucao;
Execucao executar(const QStringList &args) { return teste::executar_cli(args); }

const char *const VALIDO = "Número de Componentes:\r\n1\r\nJump\r\n1 (J) 0 -1 -1 -1 -1 5 6\r\n";
const char *const INVALIDO = "Número de Componentes:\r\n2\r\nJump\r\n1 (J) 0 -1 -1 -1 -1 5 6\r\nJump\r\n2 (K) 3\r\n";

class Cli : public ::testing::Test {
protected:
    QString arquivo(const char *nome, const char *conteudo)
    {
        const QString c = pasta.filePath(QString::fromLatin1(nome));
        EXPECT_TRUE(teste::gravar_bytes(c, QString::fromUtf8(conteudo).toLatin1()));
        return c;
    }
    QString caminho(const char *nome) const { return pasta.filePath(QString::fromLatin1(nome)); }

    QTemporaryDir pasta;
};

// Status and lines, with and without the classroom check.
TEST_F(Cli, VerificarComESemAvisos)
{
    // "A+ A- ciclo único" without the tube from cylinder 1 to valve 2, and valve 9 named as 2.
    TEstado estado;
    TInterfaceRoteirizada ui;
    ASSERT_TRUE(Construir_Demonstracao(estado, ui, QStringLiteral("AAcclonico1")));
    estado.lista().remover(3);
    estado.lista().procurar(9)->valvula_direcional->descricao = QStringLiteral("a0");
    ASSERT_TRUE(Salvar_Arquivo(estado, caminho("a.zfr")));
    const struct {
        QStringList args;
        int status;
        const char *saida;
    } casos[] = {
        {{QStringLiteral("--avisos"), caminho("a.zfr")}, 0,
         "componentes: 10\n"
         "1 Cilindro \"A\": a porta 1 não está ligada a nada\n"
         "2 Válvula de 5 vias \"a0\": a porta 4 não está ligada a nada\n"
         "9 Válvula de 3 vias \"a0\": a válvula 2 do mesmo circuito tem o mesmo nome\n"
         "avisos: 3\n"},
        {{caminho("a.zfr")}, 0, "componentes: 10\n"},
        {{arquivo("v.zfr", VALIDO), QStringLiteral("--avisos")}, 0, "componentes: 1\navisos: 0\n"},
        {{arquivo("i.zfr", INVALIDO)}, 1,
         "Arquivo Inválido! Seleção do componente \"Jump\" inválida.\ncomponentes: 1\n"},
        {{QStringLiteral("--avisos"), arquivo("i.zfr", INVALIDO)}, 1,
         "Arquivo Inválido! Seleção do componente \"Jump\" inválida.\ncomponentes: 1\n"},
        {{caminho("nao_existe.zfr")}, 2, "Erro ao abrir arquivo!\ncomponentes: 0\n"},
        {{QStringLiteral("--avisos"), caminho("nao_existe.zfr")}, 2, "Erro ao abrir arquivo!\ncomponentes: 0\n"},
    };
    for (const auto &k : casos) {
        const Execucao e = executar(QStringList{QStringLiteral("verificar")} + k.args);
        EXPECT_EQ(e.status, k.status) << k.args.join(' ').toStdString();
        EXPECT_EQ(e.saida, QString::fromUtf8(k.saida));
    }
}

// Without a command the usage goes to stderr with status 4, asked for to stdout; a command with
// the wrong arguments gets its own usage line.
TEST_F(Cli, UsoSemComandoPedidoOuComArgumentosErrados)
{
    const Execucao sem = executar({}), pedido = executar({QStringLiteral("--help")});
    EXPECT_EQ(sem.status, 4);
    EXPECT_EQ(pedido.status, 0);
    EXPECT_TRUE(pedido.saida.startsWith(QStringLiteral("Uso: zefira-cli "))) << pedido.saida.toStdString();
    EXPECT_EQ(sem.erros, pedido.saida);
    for (const QStringList &args : {QStringList{"verificar"}, QStringList{"verificar", "a", "b"},
                                    QStringList{"verificar", "--avisos"},
                                    QStringList{"verificar", "--avisos", "--avisos", "a"}, QStringList{"regravar", "a"},
                                    QStringList{"regravar", "a", "b", "c"}}) {
        const Execucao e = executar(args);
        EXPECT_EQ(e.status, 4) << args.join(' ').toStdString();
        EXPECT_TRUE(e.saida.isEmpty());
        EXPECT_TRUE(e.erros.startsWith(QStringLiteral("Uso: zefira-cli ") + args[0]));
    }
}

// A valid file is written again to the same bytes; an invalid one as far as it was read; an
// input that does not open writes nothing, and an output that cannot be written leaves the
// input as it was.
TEST_F(Cli, RegravarStatusELinhas)
{
    TEstado estado;
    teste::montar_exemplo(estado);
    estado.observacoes << QStringLiteral("nota");
    ASSERT_TRUE(Salvar_Arquivo(estado, caminho("e.zfr")));
    const QString valido = arquivo("v.zfr", VALIDO);
    const struct {
        QString entrada, saida;
        int status;
        const char *linhas;
        int lidos; // components in the file written, -1 for none
    } casos[] = {
        {caminho("e.zfr"), caminho("s0.zfr"), 0, "componentes: 4\n", 4},
        {arquivo("i.zfr", INVALIDO), caminho("s1.zfr"), 1,
         "Arquivo Inválido! Seleção do componente \"Jump\" inválida.\ncomponentes: 1\n", 1},
        {caminho("nao_existe.zfr"), caminho("s2.zfr"), 2, "Erro ao abrir arquivo!\ncomponentes: 0\n", -1},
        {valido, valido + QStringLiteral("/s3.zfr"), 3, "componentes: 1\nErro ao salvar arquivo!\n", -1},
    };
    for (const auto &k : casos) {
        SCOPED_TRACE(k.status);
        const Execucao e = executar({QStringLiteral("regravar"), k.entrada, k.saida});
        EXPECT_EQ(e.status, k.status);
        EXPECT_EQ(e.saida, QString::fromUtf8(k.linhas));
        EXPECT_EQ(QFile::exists(k.saida), k.lidos >= 0);
        TEstado lido;
        if (k.lidos >= 0) {
            EXPECT_EQ(Abrir_Arquivo(lido, k.saida).status, StatusLeitura::Ok);
            EXPECT_EQ(lido.lista().numero_componentes(), k.lidos);
        }
    }
    EXPECT_EQ(teste::sem_data(teste::ler_bytes(caminho("s0.zfr"))), teste::sem_data(teste::ler_bytes(caminho("e.zfr"))));
    EXPECT_EQ(teste::ler_bytes(valido), QString::fromUtf8(VALIDO).toLatin1());
}

} // namespace
} // namespace zefira
