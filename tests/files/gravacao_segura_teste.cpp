// The safe writer: what it refuses, what it keeps of the file it replaces, and that it leaves
// no temporary file behind; file names kept as bytes; reading only regular files.
#include "files/apoio_arquivos.h"
#include "files/gravacao_segura.h"
#include "files/nome_arquivo.h"

#include <QDir>
#include <gtest/gtest.h>
#include <vector>

#include <csignal>
#include <fcntl.h>
#include <sys/resource.h>
#include <sys/sysmacros.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace zefira {
namespace {

QStringList conteudo_pasta(const QTemporaryDir &d)
{
    return QDir(d.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDir::Name);
}

TEST(GravacaoSegura, AlvosQueNaoSaoArquivosComunsSaoRecusadosEFicamComoEstavam)
{
    QTemporaryDir d;
    ASSERT_TRUE(d.isValid());
    const QString pasta = d.filePath(QStringLiteral("pasta"));
    ASSERT_TRUE(QDir().mkdir(pasta));
    const QString fifo = d.filePath(QStringLiteral("fifo"));
    ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    const QString sem_pasta = d.filePath(QStringLiteral("nao_existe/c.zfr"));
    // A device node of our own (a copy of /dev/null's), when allowed to make one.
    const QString dispositivo = d.filePath(QStringLiteral("dispositivo"));
    const bool com_dispositivo =
        ::mknod(QFile::encodeName(dispositivo).constData(), S_IFCHR | 0600, makedev(1, 3)) == 0;

    struct Caso {
        QString alvo;
        mode_t tipo; // what the target must still be afterwards (0: still absent)
    };
    std::vector<Caso> casos = {{pasta, S_IFDIR}, {fifo, S_IFIFO}, {sem_pasta, 0}};
    if (com_dispositivo)
        casos.push_back({dispositivo, S_IFCHR});
    for (const auto &c : casos) {
        QString motivo;
        EXPECT_FALSE(Gravar_Arquivo_Seguro(c.alvo, "dados", &motivo)) << c.alvo.toStdString();
        EXPECT_FALSE(motivo.isEmpty()) << c.alvo.toStdString();
        struct stat info {};
        const bool existe = ::stat(QFile::encodeName(c.alvo).constData(), &info) == 0;
        EXPECT_EQ(existe ? info.st_mode & S_IFMT : 0, c.tipo) << c.alvo.toStdString();
    }
    QStringList esperado{"fifo", "pasta"};
    if (com_dispositivo)
        esperado.prepend(QStringLiteral("dispositivo"));
    EXPECT_EQ(conteudo_pasta(d), esperado);
}

TEST(GravacaoSegura, SubstituiOConteudoMantendoPermissoesEVinculo)
{
    QTemporaryDir d;
    ASSERT_TRUE(d.isValid());
    const QString alvo = d.filePath(QStringLiteral("c.zfr"));
    ASSERT_TRUE(teste::gravar_bytes(alvo, "antigo, mais longo que o novo"));
    ASSERT_TRUE(QFile::setPermissions(alvo, QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup));
    const QString vinculo = d.filePath(QStringLiteral("atalho.zfr"));
    ASSERT_TRUE(QFile::link(alvo, vinculo));

    ASSERT_TRUE(Gravar_Arquivo_Seguro(vinculo, "novo"));
    EXPECT_EQ(teste::ler_bytes(alvo), QByteArray("novo"));
    EXPECT_TRUE(QFileInfo(vinculo).isSymLink());
    struct stat antes {};
    ASSERT_EQ(::stat(QFile::encodeName(alvo).constData(), &antes), 0);
    EXPECT_EQ(antes.st_mode & 0777, mode_t(0640));

    // A new file gets what a plain create would give it.
    const mode_t mascara = ::umask(022);
    const QString novo = d.filePath(QStringLiteral("novo.zfr"));
    ASSERT_TRUE(Gravar_Arquivo_Seguro(novo, QByteArray()));
    ::umask(mascara);
    struct stat info {};
    ASSERT_EQ(::stat(QFile::encodeName(novo).constData(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, mode_t(0644));
    EXPECT_EQ(info.st_size, 0);
    EXPECT_EQ(conteudo_pasta(d), (QStringList{"atalho.zfr", "c.zfr", "novo.zfr"}));
}

TEST(GravacaoSegura, LimiteDeTamanhoComoDiscoCheioNuncaDestroiOArquivo)
{
    QTemporaryDir d;
    ASSERT_TRUE(d.isValid());
    const QString alvo = d.filePath(QStringLiteral("c.zfr"));
    const QByteArray antigo(700, 'A');
    struct {
        qsizetype tamanho; // of the new content
        rlim_t limite;     // largest file the child may write
        bool gravado;
    } const casos[] = {
        {1000, 512, false}, {1 << 20, 64 << 10, false}, {512, 512, true}, {513, 512, false}, {0, 0, true},
    };
    for (const auto &c : casos) {
        ASSERT_TRUE(teste::gravar_bytes(alvo, antigo));
        const QByteArray novo(c.tamanho, 'n');
        // In a child, where a lowered RLIMIT_FSIZE makes writes fail with EFBIG as a full disk
        // fails them with ENOSPC.
        const pid_t pid = ::fork();
        if (pid == 0) {
            std::signal(SIGXFSZ, SIG_IGN);
            const rlimit r{c.limite, c.limite};
            ::setrlimit(RLIMIT_FSIZE, &r);
            QString motivo;
            const bool ok = Gravar_Arquivo_Seguro(alvo, novo, &motivo);
            ::_exit(ok ? 0 : motivo.isEmpty() ? 4 : 3);
        }
        int status = 0;
        ASSERT_EQ(::waitpid(pid, &status, 0), pid);
        ASSERT_TRUE(WIFEXITED(status));
        EXPECT_EQ(WEXITSTATUS(status), c.gravado ? 0 : 3) << c.tamanho;
        EXPECT_EQ(teste::ler_bytes(alvo), c.gravado ? novo : antigo) << c.tamanho;
        EXPECT_EQ(conteudo_pasta(d), QStringList{"c.zfr"}) << c.tamanho;
    }
}

TEST(NomeArquivo, BytesQualquerIdaEVolta)
{
    struct {
        QByteArray bytes;
        bool utf8_valido; // then the name is the ordinary decoding
    } const casos[] = {
        {"circuito.zfr", true},
        {"instala\xc3\xa7\xc3\xa3o/\xe2\x82\xac.zfr", true},
        {"emoji \xf0\x9f\x98\x80", true},
        {"latin1 \xe7\xe3o.zfr", false},
        {"\xff\xfe", false},
        {"longo demais \xc0\xaf", false},
        {"surrogate \xed\xa0\x80", false},
        {"acima do limite \xf4\x90\x80\x80", false},
        {"cortado \xe2\x82", false},
        {"continua\xe7\xc3\xa3o solta \x80", false},
    };
    for (const auto &c : casos) {
        const QString nome = Nome_Arquivo(c.bytes);
        EXPECT_EQ(Bytes_Nome_Arquivo(nome), c.bytes) << c.bytes.toHex().constData();
        if (c.utf8_valido)
            EXPECT_EQ(nome, QString::fromUtf8(c.bytes)) << c.bytes.constData();
        else
            EXPECT_NE(Bytes_Nome_Arquivo(QString::fromUtf8(c.bytes)), c.bytes) << c.bytes.toHex().constData();
    }
}

TEST(NomeArquivo, ONomeChegaAoSistemaComOsBytesDados)
{
    QTemporaryDir d;
    ASSERT_TRUE(d.isValid());
    const QByteArray bytes = QFile::encodeName(d.path()) + "/c\xe7\xff.zfr";
    ASSERT_TRUE(Gravar_Arquivo_Seguro(Nome_Arquivo(bytes), "abc"));
    struct stat info {};
    ASSERT_EQ(::stat(bytes.constData(), &info), 0);
    QByteArray lido;
    ASSERT_TRUE(Ler_Arquivo_Comum(Nome_Arquivo(bytes), lido));
    EXPECT_EQ(lido, QByteArray("abc"));
}

TEST(LerArquivoComum, SoArquivosComunsSaoLidos)
{
    QTemporaryDir d;
    ASSERT_TRUE(d.isValid());
    const QString fifo = d.filePath(QStringLiteral("fifo"));
    ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    const QString comum = d.filePath(QStringLiteral("comum"));
    ASSERT_TRUE(teste::gravar_bytes(comum, "x"));
    struct {
        QString nome;
        bool lido;
    } const casos[] = {
        {comum, true},       {d.path(), false}, {fifo, false}, // a pipe with no writer must not block
        {QStringLiteral("/dev/zero"), false}, {d.filePath(QStringLiteral("nao_existe")), false},
    };
    for (const auto &c : casos) {
        QByteArray dados;
        EXPECT_EQ(Ler_Arquivo_Comum(c.nome, dados), c.lido) << c.nome.toStdString();
    }
}

} // namespace
} // namespace zefira
