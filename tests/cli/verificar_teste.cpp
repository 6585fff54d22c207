// zefira-cli verificar and regravar: exit statuses and the exact lines they print.
#include "files/apoio_arquivos.h"

#include <QProcess>
#include <gtest/gtest.h>

namespace zefira {
namespace {

struct Execucao {
    int status = -1;
    QString saida;
    QString erros;
};

Execucao executar(const QStringList &args)
{
    QProcess p;
    p.start(QStringLiteral(ZEFIRA_CLI), args);
    Execucao e;
    if (!p.waitForFinished(60000))
        return e;
    e.status = p.exitCode();
    e.saida = QString::fromUtf8(p.readAllStandardOutput());
    e.erros = QString::fromUtf8(p.readAllStandardError());
    return e;
}

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

TEST_F(Cli, VerificarValido)
{
    const Execucao e = executar({QStringLiteral("verificar"), arquivo("v.zfr", VALIDO)});
    EXPECT_EQ(e.status, 0);
    EXPECT_EQ(e.saida, QStringLiteral("componentes: 1\n"));
}

TEST_F(Cli, VerificarExemploDistribuido)
{
    const Execucao e = executar(
        {QStringLiteral("verificar"), QStringLiteral(ZEFIRA_FIXTURES "/../../resources/exemplos/exemplo.zfr")});
    EXPECT_EQ(e.status, 0);
    EXPECT_EQ(e.saida, QStringLiteral("componentes: 4\n"));
}

TEST_F(Cli, VerificarInvalido)
{
    const Execucao e = executar({QStringLiteral("verificar"), arquivo("i.zfr", INVALIDO)});
    EXPECT_EQ(e.status, 1);
    EXPECT_EQ(e.saida,
              QStringLiteral("Arquivo Inválido! Seleção do componente \"Jump\" inválida.\ncomponentes: 1\n"));
}

TEST_F(Cli, VerificarArquivoQueNaoAbre)
{
    const Execucao e = executar({QStringLiteral("verificar"), caminho("nao_existe.zfr")});
    EXPECT_EQ(e.status, 2);
    EXPECT_EQ(e.saida, QStringLiteral("Erro ao abrir arquivo!\ncomponentes: 0\n"));
}

TEST_F(Cli, NumeroErradoDeArgumentos)
{
    for (const QStringList &args : {QStringList{QStringLiteral("verificar")},
                                    QStringList{QStringLiteral("verificar"), QStringLiteral("a"), QStringLiteral("b")},
                                    QStringList{QStringLiteral("regravar"), QStringLiteral("a")},
                                    QStringList{QStringLiteral("regravar"), QStringLiteral("a"), QStringLiteral("b"),
                                                QStringLiteral("c")}}) {
        const Execucao e = executar(args);
        EXPECT_EQ(e.status, 4) << args.join(' ').toStdString();
        EXPECT_TRUE(e.saida.isEmpty());
        EXPECT_TRUE(e.erros.startsWith(QStringLiteral("Uso: zefira-cli ") + args[0]));
    }
}

TEST_F(Cli, RegravarValido)
{
    TEstado estado;
    teste::montar_exemplo(estado);
    estado.observacoes << QStringLiteral("nota");
    ASSERT_TRUE(Salvar_Arquivo(estado, caminho("e.zfr")));
    const Execucao e = executar({QStringLiteral("regravar"), caminho("e.zfr"), caminho("s.zfr")});
    EXPECT_EQ(e.status, 0);
    EXPECT_EQ(e.saida, QStringLiteral("componentes: 4\n"));
    EXPECT_EQ(teste::sem_data(teste::ler_bytes(caminho("s.zfr"))), teste::sem_data(teste::ler_bytes(caminho("e.zfr"))));
}

TEST_F(Cli, RegravarInvalidoGravaOQueFoiLido)
{
    const Execucao e = executar({QStringLiteral("regravar"), arquivo("i.zfr", INVALIDO), caminho("s.zfr")});
    EXPECT_EQ(e.status, 1);
    EXPECT_EQ(e.saida,
              QStringLiteral("Arquivo Inválido! Seleção do componente \"Jump\" inválida.\ncomponentes: 1\n"));
    const Execucao v = executar({QStringLiteral("verificar"), caminho("s.zfr")});
    EXPECT_EQ(v.status, 0);
    EXPECT_EQ(v.saida, QStringLiteral("componentes: 1\n"));
}

TEST_F(Cli, RegravarEntradaQueNaoAbreNaoGravaNada)
{
    const Execucao e = executar({QStringLiteral("regravar"), caminho("nao_existe.zfr"), caminho("s.zfr")});
    EXPECT_EQ(e.status, 2);
    EXPECT_EQ(e.saida, QStringLiteral("Erro ao abrir arquivo!\ncomponentes: 0\n"));
    EXPECT_FALSE(QFile::exists(caminho("s.zfr")));
}

TEST_F(Cli, RegravarSaidaQueNaoGrava)
{
    const QString entrada = arquivo("v.zfr", VALIDO);
    const Execucao e = executar({QStringLiteral("regravar"), entrada, entrada + QStringLiteral("/s.zfr")});
    EXPECT_EQ(e.status, 3);
    EXPECT_EQ(e.saida, QStringLiteral("componentes: 1\nErro ao salvar arquivo!\n"));
    EXPECT_EQ(teste::ler_bytes(entrada), QString::fromUtf8(VALIDO).toLatin1());
}

} // namespace
} // namespace zefira
