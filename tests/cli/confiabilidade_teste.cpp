// zefira-cli under failing disks and hostile inputs: a write that cannot complete (a full disk,
// the file size limit) leaves the old file intact and exits 3; a wire across
// the 32-bit range is drawn in little memory; editing at the ends of the range works; a script
// that is not a regular file is refused; file names keep their bytes; option errors name the
// option. (Damaged counts are pinned by the reader's own tests: Leitor.Cabecalho.)
#include "documento/apoio_arquivos.h"

#include "apoio/executar_cli.h"

#include <gtest/gtest.h>

#include <csignal>
#include <cstdio>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace zefira {
namespace {

using teste::Execucao;

const QString CORPUS = QStringLiteral(ZEFIRA_FIXTURES "/../fuzz/corpus/");

// Run in the child: writes past `limite` bytes fail with EFBIG, as with ENOSPC on a full disk
// (zefira-cli itself ignores the SIGXFSZ that comes with it).
std::function<void()> limitar(int recurso, rlim_t limite)
{
    return [recurso, limite] {
        const rlimit r{limite, limite};
        ::setrlimit(recurso, &r);
    };
}

class CliConfiabilidade : public ::testing::Test {
protected:
    QString arquivo(const char *nome, const QByteArray &conteudo) const
    {
        const QString c = pasta.filePath(QString::fromUtf8(nome));
        EXPECT_TRUE(teste::gravar_bytes(c, conteudo));
        return c;
    }
    QTemporaryDir pasta;
};

TEST_F(CliConfiabilidade, GravacaoQueNaoCabeDeixaOArquivoAntigoIntactoESai3)
{
    const QString pequeno = CORPUS + QStringLiteral("demo_comandobasico1.zfr"); // 1 KiB
    // About 250 KiB: the largest demonstration many times over.
    const QByteArray passos = teste::ler_bytes(CORPUS + QStringLiteral("demo_passoapasso.zfr"));
    const QString grande = arquivo("grande.zfr", passos.left(passos.indexOf("Componentes:\r\n") + 14) + "3120\r\n" +
                                                     passos.mid(passos.indexOf("Componentes:\r\n") + 18).repeated(40));
    const QString roteiro = arquivo("r.txt", "paleta 14\npressionar 50 50\nsoltar 50 50\n");
    const QByteArray antigo(300, 'A');
    struct {
        QStringList args; // the output file is appended
        rlim_t limite;
    } const casos[] = {
        {{"regravar", pequeno}, 512},       {{"regravar", grande}, 64 << 10}, {{"roteiro", pequeno, roteiro}, 512},
        {{"demo", "cascata"}, 1024},        {{"desenhar", pequeno}, 1024},
    };
    for (const auto &c : casos) {
        const QString saida = arquivo("saida", antigo);
        const Execucao r = teste::executar_cli(c.args + QStringList{saida}, limitar(RLIMIT_FSIZE, c.limite));
        EXPECT_EQ(r.status, 3) << c.args.join(' ').toStdString();
        EXPECT_TRUE((r.saida + r.erros).contains(QStringLiteral("Erro ao salvar arquivo!")));
        EXPECT_EQ(teste::ler_bytes(saida), antigo);
        // Without the limit the same command writes: the limit was what failed.
        EXPECT_NE(teste::executar_cli(c.args + QStringList{saida}).status, 3);
        EXPECT_NE(teste::ler_bytes(saida), antigo);
    }
    // No temporary file is left behind.
    EXPECT_EQ(QDir(pasta.path()).entryList(QDir::Files | QDir::Hidden), (QStringList{"grande.zfr", "r.txt", "saida"}));
}

TEST_F(CliConfiabilidade, FioAtravesDeTodaAFaixaDesenhadoComPoucaMemoria)
{
#if defined(__SANITIZE_ADDRESS__)
    GTEST_SKIP() << "AddressSanitizer reserves more address space than the limit";
#endif
    // Wires from (0, 0) to (2147483647, 0) and diagonally across the whole range: drawn pixel by
    // pixel they would take gigabytes.
    for (const QStringList &extra : {QStringList{}, QStringList{"--passos", "1"}}) {
        const QString png = pasta.filePath(QStringLiteral("fio.png"));
        for (const char *nome : {"fio_int_max.zfr", "fio_diagonal_extremos.zfr"}) {
            const Execucao r = teste::executar_cli(QStringList{"desenhar", CORPUS + nome, png} + extra,
                                                   limitar(RLIMIT_AS, 1024ul << 20));
            ASSERT_EQ(r.status, 0) << nome << r.erros.toStdString();
        }
        // The last one: the diagonal (selected) runs on y = x, red, or blue once simulating.
        const QImage img(png);
        const QRgb cor = extra.isEmpty() ? qRgb(255, 0, 0) : qRgb(0, 0, 255);
        EXPECT_EQ(img.pixel(300, 300) | 0xFF000000u, cor);
        EXPECT_EQ(img.pixel(300, 301) | 0xFF000000u, qRgb(255, 255, 255));
    }
}

TEST_F(CliConfiabilidade, EdicaoNosExtremosDaFaixa)
{
    // Clicks, drags, rubber bands, wires, arrow keys and paste at the ends of the 32-bit range,
    // on circuits laid out there; every file written reads back.
    const QString roteiro = arquivo("extremos.txt", R"(pressionar 2147483647 2147483647
mover -2147483648 -2147483648
soltar -2147483648 -2147483648
pressionar -2147483648 -2147483648
mover 2147483647 2147483647
soltar 2147483647 2147483647
pressionar 2147483647 -2147483648 shift
mover -2147483648 2147483647
soltar -2147483648 2147483647
tecla Direita
menu selecionartudo
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
)");
    for (const char *entrada : {"jump_extremos.zfr", "cascata_nos_cantos.zfr", "cascata_no_maximo.zfr",
                                "cascata_no_minimo.zfr", "fio_diagonal_extremos.zfr"}) {
        const QString saida = pasta.filePath(QStringLiteral("s.zfr"));
        const Execucao r = teste::executar_cli({"roteiro", CORPUS + entrada, roteiro, saida, "--desvio", "29"});
        EXPECT_EQ(r.status, 0) << entrada << r.erros.toStdString();
        TEstado e;
        EXPECT_EQ(Abrir_Arquivo(e, saida).status, StatusLeitura::Ok) << entrada;
    }
}

TEST_F(CliConfiabilidade, RoteiroQueNaoEArquivoComumERecusado)
{
    const QString fifo = pasta.filePath(QStringLiteral("fifo")); // no writer: reading would block
    ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    const QString saida = pasta.filePath(QStringLiteral("s.zfr"));
    for (const QString &roteiro : {QStringLiteral("/dev/zero"), QStringLiteral("/dev/urandom"), fifo, pasta.path()}) {
        const Execucao r = teste::executar_cli({"roteiro", "-", roteiro, saida});
        EXPECT_EQ(r.status, 2) << roteiro.toStdString();
        EXPECT_EQ(r.erros, QStringLiteral("roteiro: não foi possível ler %1\n").arg(roteiro));
        EXPECT_FALSE(QFile::exists(saida));
    }
}

TEST_F(CliConfiabilidade, NomesQueNaoSaoUtf8ChegamAoSistemaComoDados)
{
    const QByteArray dir = QFile::encodeName(pasta.path());
    const QByteArray entrada = dir + "/entrada\xe7\xe3o.zfr", saida = dir + "/sa\xed" "da\xff.zfr";
    const QByteArray circuito = teste::ler_bytes(CORPUS + QStringLiteral("demo_funcaoE.zfr"));
    std::FILE *f = std::fopen(entrada.constData(), "wb");
    ASSERT_TRUE(f && std::fwrite(circuito.constData(), 1, size_t(circuito.size()), f) == size_t(circuito.size()));
    std::fclose(f);
    // QProcess cannot pass such bytes: fork and exec.
    const auto executar = [](std::vector<QByteArray> args) {
        std::vector<char *> argv{const_cast<char *>(ZEFIRA_CLI)};
        for (QByteArray &a : args)
            argv.push_back(a.data());
        argv.push_back(nullptr);
        const pid_t pid = ::fork();
        if (pid == 0) {
            ::execv(argv[0], argv.data());
            ::_exit(127);
        }
        int status = 0;
        ::waitpid(pid, &status, 0);
        return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    };
    EXPECT_EQ(executar({"verificar", entrada}), 0);
    EXPECT_EQ(executar({"regravar", entrada, saida}), 0);
    EXPECT_EQ(executar({"desenhar", saida, saida + ".png"}), 0);
    struct stat info {};
    EXPECT_EQ(::stat(saida.constData(), &info), 0);
    EXPECT_EQ(::stat((saida + ".png").constData(), &info), 0);
}

TEST_F(CliConfiabilidade, ErrosDeOpcaoDizemQualOpcao)
{
    const QString c = CORPUS + QStringLiteral("demo_funcaoE.zfr");
    const char *const USO_DEMO = "uso: zefira-cli demo NOME SAIDA | zefira-cli demo --lista";
    struct {
        QStringList args;
        const char *primeira_linha; // of stderr; the usage follows
    } const casos[] = {
        {{"simular", c, "--passos", "-1"}, "zefira-cli: número de passos inválido: -1"},
        {{"simular", c, "--clique", "x"}, "zefira-cli: clique inválido: x"},
        {{"simular", c, "--soltar"}, "zefira-cli: opção sem valor: --soltar"},
        {{"demo", "--lista", "x"}, USO_DEMO},
        {{"demo", "--lista", "--lista"}, USO_DEMO},
    };
    for (const auto &k : casos) {
        const Execucao r = teste::executar_cli(k.args);
        EXPECT_EQ(r.status, 4) << k.args.join(' ').toStdString();
        EXPECT_EQ(r.erros.section(QLatin1Char('\n'), 0, 0), QString::fromUtf8(k.primeira_linha));
    }
}

} // namespace
} // namespace zefira
