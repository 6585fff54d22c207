// The program's command line, read in-process, and the program itself run with it as a
// separate process.
#include "janelas/argumentos.h"

#include "documento/comandos_documento.h"
#include "documento/nome_arquivo.h"
#include "modelo/interface_roteirizada.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QProcessEnvironment>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <fcntl.h>

using namespace zefira;

TEST(Argumentos, LinhaDeComando)
{
    const struct {
        QStringList argumentos; // after the program's name
        AcaoInicial acao;
        const char *arquivo;
        const char *erro;
    } casos[] = {
        {{}, AcaoInicial::Abrir, "", ""},
        {{"circuito.zfr"}, AcaoInicial::Abrir, "circuito.zfr", ""},
        {{"--help"}, AcaoInicial::Ajuda, "", ""},
        {{"-h"}, AcaoInicial::Ajuda, "", ""},
        {{"--version"}, AcaoInicial::Versao, "", ""},
        {{"-v"}, AcaoInicial::Versao, "", ""},
        {{"--verificar"}, AcaoInicial::Verificar, "", ""},
        // Help and version answer whatever else is on the line.
        {{"a.zfr", "b.zfr", "--help"}, AcaoInicial::Ajuda, "", ""},
        {{"--xyz", "--version"}, AcaoInicial::Versao, "", ""},
        {{"--xyz"}, AcaoInicial::Erro, "", "opção desconhecida: --xyz"},
        {{"a.zfr", "-q", "-r"}, AcaoInicial::Erro, "", "opção desconhecida: -q"},
        {{"a.zfr", "b.zfr"}, AcaoInicial::Erro, "", "apenas um arquivo pode ser aberto por vez"},
        // After "--" everything is a file name, even one that looks like an option.
        {{"--", "--help"}, AcaoInicial::Abrir, "--help", ""},
        {{"--", "-x.zfr"}, AcaoInicial::Abrir, "-x.zfr", ""},
    };
    for (const auto &c : casos) {
        SCOPED_TRACE(c.argumentos.join(' ').toStdString());
        const TArgumentos r = Ler_Argumentos(QStringList{"zefira"} + c.argumentos);
        EXPECT_EQ(r.acao, c.acao);
        EXPECT_EQ(r.arquivo, QString::fromUtf8(c.arquivo));
        EXPECT_EQ(r.erro, QString::fromUtf8(c.erro));
    }
}

// A name that is not UTF-8 (a Latin-1 name from an old disk) reaches the file system as the
// bytes given, so the file opens as it does in zefira-cli.
TEST(Argumentos, NomeQueNaoEUtf8AbreOArquivo)
{
    QTemporaryDir pasta;
    ASSERT_TRUE(pasta.isValid());
    const QByteArray bytes = QFile::encodeName(pasta.path()) + "/instala\xe7\xe3o.zfr";
    QFile arquivo;
    const int fd = ::open(bytes.constData(), O_WRONLY | O_CREAT, 0600);
    ASSERT_TRUE(arquivo.open(fd, QIODevice::WriteOnly, QFileDevice::AutoCloseHandle));
    arquivo.write("N\xfamero de Componentes:\r\n1\r\nJump\r\n1 (J) 0 -1 -1 -1 -1 5 6\r\n");
    arquivo.close();

    // Given as a name relative to the current folder, as a file manager or a shell does.
    const QString antes = QDir::currentPath();
    ASSERT_TRUE(QDir::setCurrent(pasta.path()));
    const char *const argv[] = {"zefira", "instala\xe7\xe3o.zfr"};
    const TArgumentos r = Ler_Argumentos(Argumentos_Brutos(2, argv));
    EXPECT_EQ(Bytes_Nome_Arquivo(r.arquivo), QByteArray(argv[1]));
    TEstado estado;
    TInterfaceRoteirizada ui;
    EXPECT_TRUE(Abrir_Arquivo_Inicial(estado, ui, r.arquivo));
    QDir::setCurrent(antes);
    EXPECT_EQ(ui.registro, QStringList());
    EXPECT_EQ(estado.lista_componentes->numero_componentes(), 1);
    EXPECT_EQ(Bytes_Nome_Arquivo(estado.nome_documento.mid(3)), bytes); // a later save goes to the same file
}

// The program as a separate process: options that print and leave (how each is read is
// Argumentos.LinhaDeComando's). Help and version answer before any window exists, so they work
// with no display at all.
TEST(Programa, OpcoesQueImprimemESaem)
{
    QProcessEnvironment sem_tela = QProcessEnvironment::systemEnvironment();
    for (const char *v : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
        sem_tela.remove(v);
    QProcessEnvironment fora_da_tela = QProcessEnvironment::systemEnvironment();
    fora_da_tela.insert("QT_QPA_PLATFORM", "offscreen");
    const struct {
        QStringList args;
        bool tela; // with the offscreen platform, else with no display
        int status;
        const char *saida;     // exact, or the start with `inicio`
        bool inicio;
        const char *erros;     // the error message
    } casos[] = {
        {{"--version"}, false, 0, "ZEFIRA 1.0\n", false, ""},
        {{"--help"}, false, 0, "Uso: zefira [OPÇÃO] [ARQUIVO.zfr]\n", true, ""},
        {{"--xyz"}, true, 4, "", false, "zefira: opção desconhecida: --xyz\n"},
        // Run from its build folder, the program finds its data beside itself.
        {{"--verificar"}, true, 0, "Pasta do programa: " ZEFIRA_PASTA_PROGRAMA "\n"
                                   "Documentos de ajuda: 20 de 20 em " ZEFIRA_PASTA_PROGRAMA "/Ajuda\n"
                                   "Cursores de posicionamento: 32 de 32 em " ZEFIRA_PASTA_PROGRAMA "/figuras\n"
                                   "Figura do Sobre: " ZEFIRA_PASTA_PROGRAMA "/sobre.jpg\n", true, ""},
    };
    for (const auto &c : casos) {
        SCOPED_TRACE(c.args.join(' ').toStdString());
        QProcess p;
        p.setProcessEnvironment(c.tela ? fora_da_tela : sem_tela);
        p.start(QStringLiteral(ZEFIRA_PROGRAMA), c.args);
        ASSERT_TRUE(p.waitForFinished(60000) && p.exitStatus() == QProcess::NormalExit);
        EXPECT_EQ(p.exitCode(), c.status);
        const QString saida = QString::fromLocal8Bit(p.readAllStandardOutput());
        const QString erros = QString::fromLocal8Bit(p.readAllStandardError());
        if (c.inicio)
            EXPECT_TRUE(saida.startsWith(QString::fromUtf8(c.saida))) << saida.toStdString();
        else
            EXPECT_EQ(saida, QString::fromUtf8(c.saida));
        // The toolkit may warn first (no runtime folder in a test's environment).
        if (*c.erros)
            EXPECT_TRUE(erros.contains(QString::fromUtf8(c.erros))) << erros.toStdString();
        else if (!c.tela)
            EXPECT_TRUE(erros.isEmpty()) << erros.toStdString();
    }
}
