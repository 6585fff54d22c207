// zefira-cli under failing disks, hostile files and odd inputs: a write that cannot complete
// leaves the old file intact and exits 3; a wire across the whole 32-bit range is drawn within
// a small memory budget; a script that is not a regular file is refused; file names keep their
// bytes; option errors name the option.
#include "files/apoio_arquivos.h"

#include "apoio/executar_cli.h"

#include <gtest/gtest.h>

#include <csignal>
#include <fcntl.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace zefira {
namespace {

using teste::Execucao;

#if defined(__SANITIZE_ADDRESS__)
constexpr bool COM_ASAN = true;
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
constexpr bool COM_ASAN = true;
#else
constexpr bool COM_ASAN = false;
#endif
#else
constexpr bool COM_ASAN = false;
#endif

// Writes past `limite` bytes then fail with EFBIG, as they fail with ENOSPC on a full disk.
std::function<void()> limitar_arquivos(rlim_t limite)
{
    return [limite] {
        std::signal(SIGXFSZ, SIG_IGN);
        const rlimit r{limite, limite};
        ::setrlimit(RLIMIT_FSIZE, &r);
    };
}

// A circuit of n jumps in a row, each wired to the next; about 90 bytes per jump.
QByteArray circuito_jumps(int n)
{
    QByteArray d = "Número de Componentes:\r\n" + QByteArray::number(2 * n - 1) + "\r\n\r\n";
    for (int i = 0; i < n; ++i) {
        const int codigo = 2 * i + 1, x = 10 + (i % 40) * 20, y = 10 + (i / 40) * 20;
        d += "Jump\r\n" + QByteArray::number(codigo) + " () 0 -1 -1 " + (i > 0 ? QByteArray::number(codigo - 1) : "-1") +
             " " + (i + 1 < n ? QByteArray::number(codigo + 1) : "-1") + " " + QByteArray::number(x) + " " +
             QByteArray::number(y) + " \r\n\r\n";
        if (i + 1 < n)
            d += "Fio de Energia\r\n" + QByteArray::number(codigo + 1) + " 3 " + QByteArray::number(codigo + 2) +
                 " 4 " + QByteArray::number(codigo) + " 0 2 \r\n" + QByteArray::number(x + 10) + " " +
                 QByteArray::number(y + 5) + "\r\n" + QByteArray::number(x + 20) + " " + QByteArray::number(y + 5) +
                 "\r\n\r\n";
    }
    return QString::fromUtf8(d).toLatin1();
}

class CliConfiabilidade : public ::testing::Test {
protected:
    QString caminho(const char *nome) const { return pasta.filePath(QString::fromUtf8(nome)); }
    QString arquivo(const char *nome, const QByteArray &conteudo) const
    {
        const QString c = caminho(nome);
        EXPECT_TRUE(teste::gravar_bytes(c, conteudo));
        return c;
    }
    QStringList conteudo_pasta() const
    {
        return QDir(pasta.path()).entryList(QDir::Files | QDir::Hidden | QDir::System, QDir::Name);
    }
    QTemporaryDir pasta;
};

TEST_F(CliConfiabilidade, GravacaoQueNaoCabeDeixaOArquivoAntigoIntactoESai3)
{
    ASSERT_TRUE(pasta.isValid());
    const QString pequeno = arquivo("pequeno.zfr", circuito_jumps(8));   // about 1 KiB
    const QString grande = arquivo("grande.zfr", circuito_jumps(1500)); // about 200 KiB
    const QString roteiro = arquivo("r.txt", "paleta 14\npressionar 50 50\nsoltar 50 50\n");
    const QByteArray antigo(300, 'A'); // what each output held before

    struct {
        const char *comando;
        QStringList args; // the output file is appended
        rlim_t limite;
    } const casos[] = {
        {"regravar pequeno", {"regravar", pequeno}, 512},
        {"regravar grande", {"regravar", grande}, 64 * 1024},
        {"roteiro", {"roteiro", pequeno, roteiro}, 512},
        {"demo", {"demo", "cascata"}, 1024},
        {"desenhar", {"desenhar", pequeno}, 1024},
    };
    for (const auto &c : casos) {
        SCOPED_TRACE(c.comando);
        const QString saida = arquivo("saida", antigo);
        const Execucao r = teste::executar_cli(c.args + QStringList{saida}, limitar_arquivos(c.limite));
        EXPECT_EQ(r.status, 3) << r.erros.toStdString();
        EXPECT_TRUE((r.saida + r.erros).contains(QStringLiteral("Erro ao salvar arquivo!")));
        EXPECT_EQ(teste::ler_bytes(saida), antigo);
        // The same command without the limit writes the file: the limit was what failed.
        EXPECT_NE(teste::executar_cli(c.args + QStringList{saida}).status, 3);
        EXPECT_NE(teste::ler_bytes(saida), antigo);
    }
    // No temporary file is left behind.
    EXPECT_EQ(conteudo_pasta(), (QStringList{"grande.zfr", "pequeno.zfr", "r.txt", "saida"}));
}

TEST_F(CliConfiabilidade, FioAtravesDeTodaAFaixaDesenhadoComPoucaMemoria)
{
    if (COM_ASAN)
        GTEST_SKIP() << "AddressSanitizer reserves more address space than the limit allows";
    ASSERT_TRUE(pasta.isValid());
    // A wire from (0, 0) to (2147483647, 0), and one across the whole range diagonally: drawn
    // pixel by pixel they would need gigabytes.
    const QString circuito = arquivo("fio.zfr", "N\xfamero de Componentes:\r\n2\r\n"
                                                "Fio de Energia\r\n1 -1 -1 -1 -1 0 2\r\n0 0\r\n2147483647 0\r\n"
                                                "Fio de Energia\r\n2 -1 -1 -1 -1 0 3\r\n-2147483648 -2147483648\r\n"
                                                "2147483647 2147483647\r\n100 2147483647\r\n");
    const auto pouca_memoria = [] {
        const rlimit r{1024ul << 20, 1024ul << 20};
        ::setrlimit(RLIMIT_AS, &r);
    };
    for (const QStringList &extra : {QStringList{}, QStringList{"--passos", "1"}}) {
        const QString png = caminho("fio.png");
        const Execucao r = teste::executar_cli(QStringList{"desenhar", circuito, png} + extra, pouca_memoria);
        ASSERT_EQ(r.status, 0) << r.erros.toStdString();
        const QImage img(png);
        ASSERT_EQ(img.size(), QSize(1000, 650));
        // The diagonal crosses the area on y = x; the first wire runs along the top row.
        const QRgb cor = extra.isEmpty() ? qRgb(0, 0, 0) : qRgb(0, 0, 255);
        EXPECT_EQ(img.pixel(500, 0) | 0xFF000000u, cor);
        EXPECT_EQ(img.pixel(300, 300) | 0xFF000000u, cor);
        EXPECT_EQ(img.pixel(300, 100) | 0xFF000000u, qRgb(255, 255, 255));
    }
}

TEST_F(CliConfiabilidade, RoteiroQueNaoEArquivoComumERecusado)
{
    ASSERT_TRUE(pasta.isValid());
    const QString fifo = caminho("fifo");
    ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    const QString saida = caminho("s.zfr");
    for (const QString &roteiro : {QStringLiteral("/dev/zero"), QStringLiteral("/dev/urandom"), fifo, pasta.path()}) {
        const Execucao r = teste::executar_cli({"roteiro", "-", roteiro, saida});
        EXPECT_EQ(r.status, 2) << roteiro.toStdString();
        EXPECT_EQ(r.erros, QStringLiteral("roteiro: não foi possível ler %1\n").arg(roteiro));
        EXPECT_FALSE(QFile::exists(saida));
    }
}

TEST_F(CliConfiabilidade, EdicaoNosExtremosDaFaixa)
{
    ASSERT_TRUE(pasta.isValid());
    // Clicks, drags, rubber bands, wires and arrow keys at the ends of the 32-bit range, on
    // circuits laid out there; every file written reads back.
    const char *const ROTEIRO = R"(pressionar 2147483647 2147483647
mover -2147483648 -2147483648
soltar -2147483648 -2147483648
pressionar -2147483648 -2147483648
mover 2147483647 2147483647
soltar 2147483647 2147483647
pressionar 2147483647 -2147483648 shift
mover -2147483648 2147483647
soltar -2147483648 2147483647
tecla Direita
tecla Baixo
menu selecionartudo
tecla Esquerda
tecla Cima
mover 2147483640 2147483640
pressionar 2147483640 2147483640
soltar 2147483640 2147483640
mover 10 10
pressionar 10 10
soltar 10 10
menu copiar
menu colar
menu rotacionar
paleta 14
pressionar 2147483647 2147483647
soltar 2147483647 2147483647
)";
    const QString roteiro = arquivo("extremos.txt", ROTEIRO);
    const QString corpus = QStringLiteral(ZEFIRA_FIXTURES "/../fuzz/corpus/");
    for (const char *entrada : {"jump_extremos.zfr", "cascata_nos_cantos.zfr", "cascata_no_maximo.zfr",
                                "cascata_no_minimo.zfr", "fio_diagonal_extremos.zfr"}) {
        const QString saida = caminho("s.zfr");
        const Execucao r = teste::executar_cli(
            {"roteiro", corpus + QString::fromUtf8(entrada), roteiro, saida, "--desvio", "29"});
        EXPECT_EQ(r.status, 0) << entrada << r.erros.toStdString();
        TEstado e;
        EXPECT_EQ(Abrir_Arquivo(e, saida).status, StatusLeitura::Ok) << entrada;
    }
}

// Runs zefira-cli with arguments given as raw bytes, which QProcess cannot pass.
int executar_bytes(const std::vector<QByteArray> &args)
{
    std::vector<char *> argv;
    QByteArray programa(ZEFIRA_CLI);
    argv.push_back(programa.data());
    std::vector<QByteArray> copia = args;
    for (QByteArray &a : copia)
        argv.push_back(a.data());
    argv.push_back(nullptr);
    const pid_t pid = ::fork();
    if (pid == 0) {
        const int nulo = ::open("/dev/null", O_WRONLY);
        ::dup2(nulo, 1);
        ::dup2(nulo, 2);
        ::execv(argv[0], argv.data());
        ::_exit(127);
    }
    int status = 0;
    ::waitpid(pid, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

TEST_F(CliConfiabilidade, NomesQueNaoSaoUtf8ChegamAoSistemaComoDados)
{
    ASSERT_TRUE(pasta.isValid());
    const QByteArray dir = QFile::encodeName(pasta.path());
    const QByteArray entrada = dir + "/entrada\xe7\xe3o.zfr", saida = dir + "/sa\xed" "da\xff.zfr";
    {
        QFile f;
        const int fd = ::open(entrada.constData(), O_WRONLY | O_CREAT, 0644);
        ASSERT_GE(fd, 0);
        ASSERT_TRUE(f.open(fd, QIODevice::WriteOnly, QFileDevice::AutoCloseHandle));
        f.write(circuito_jumps(3));
    }
    EXPECT_EQ(executar_bytes({"verificar", entrada}), 0);
    EXPECT_EQ(executar_bytes({"regravar", entrada, saida}), 0);
    EXPECT_EQ(executar_bytes({"desenhar", saida, saida + ".png"}), 0);
    struct stat info {};
    EXPECT_EQ(::stat(saida.constData(), &info), 0);
    EXPECT_EQ(::stat((saida + ".png").constData(), &info), 0);
    // Nothing was written under a mangled name.
    EXPECT_NE(::stat((dir + "/sa\xc3\xad" "da\xef\xbf\xbd.zfr").constData(), &info), 0);
}

TEST_F(CliConfiabilidade, ErrosDeOpcaoDizemQualOpcao)
{
    ASSERT_TRUE(pasta.isValid());
    const QString c = arquivo("c.zfr", circuito_jumps(2));
    struct {
        QStringList args;
        const char *primeira_linha; // of stderr; the usage follows
    } const casos[] = {
        {{"simular", c, "--passos", "-1"}, "zefira-cli: número de passos inválido: -1"},
        {{"simular", c, "--clique", "x"}, "zefira-cli: clique inválido: x"},
        {{"simular", c, "--soltar"}, "zefira-cli: opção sem valor: --soltar"},
        {{"demo", "--lista", "x"}, "uso: zefira-cli demo NOME SAIDA | zefira-cli demo --lista"},
        {{"demo", "--lista", c}, "uso: zefira-cli demo NOME SAIDA | zefira-cli demo --lista"},
    };
    for (const auto &k : casos) {
        const Execucao r = teste::executar_cli(k.args);
        EXPECT_EQ(r.status, 4) << k.args.join(' ').toStdString();
        EXPECT_EQ(r.erros.section(QLatin1Char('\n'), 0, 0), QString::fromUtf8(k.primeira_linha))
            << k.args.join(' ').toStdString();
    }
    EXPECT_FALSE(QFile::exists(c + QStringLiteral(".x")));
}

} // namespace
} // namespace zefira
