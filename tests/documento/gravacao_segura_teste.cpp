// The safe writer refuses targets that are not regular files or read-only and leaves nothing
// behind, writes names as long as a name can be, in read-only folders and from two threads;
// file names keep their bytes. (Failing writes: tests/cli/confiabilidade_teste.cpp.)
#include "documento/apoio_arquivos.h"
#include "documento/gravacao_segura.h"
#include "documento/nome_arquivo.h"

#include <QDir>
#include <gtest/gtest.h>
#include <chrono>
#include <thread>
#include <vector>

#include <cerrno>
#include <fcntl.h>
#include <sys/fsuid.h>
#include <sys/sysmacros.h>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <unistd.h>

namespace zefira {
namespace {

QStringList conteudo_pasta(const QTemporaryDir &d)
{
    return QDir(d.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDir::Name);
}

mode_t modo(const QString &caminho, mode_t mascara = 07777)
{
    struct stat info {};
    return ::stat(QFile::encodeName(caminho).constData(), &info) == 0 ? info.st_mode & mascara : 0;
}

// Targets that are not regular files, or are read-only, are refused with a reason and stay as they
// were; a name as long as a name can be is written, new or existing. Nothing else is left behind.
TEST(GravacaoSegura, AlvosRecusadosFicamComoEstavamENomeMaisLongoEGravado)
{
    QTemporaryDir d;
    ASSERT_TRUE(d.isValid());
    const QString pasta = d.filePath(QStringLiteral("pasta"));
    ASSERT_TRUE(QDir().mkdir(pasta));
    const QString fifo = d.filePath(QStringLiteral("fifo"));
    ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    // 252 bytes: a valid name whose ".NOME.XXXXXX" would pass the 255-byte limit.
    const QString nome_longo = QString(248, QLatin1Char('n')) + QStringLiteral(".zfr");
    const QString protegido = d.filePath(QStringLiteral("protegido.zfr"));
    ASSERT_TRUE(teste::gravar_bytes(protegido, "antigo"));
    ASSERT_EQ(::chmod(QFile::encodeName(protegido).constData(), 0444), 0);
    struct Caso {
        QString alvo;
        mode_t tipo;        // what the target is afterwards (0: still absent)
        const char *motivo; // nullptr: written; "": refused for any reason
    };
    std::vector<Caso> casos = {{pasta, S_IFDIR, ""},
                               {fifo, S_IFIFO, ""},
                               {d.filePath(QStringLiteral("nao_existe/c.zfr")), 0, ""},
                               {d.filePath(nome_longo), S_IFREG, nullptr},
                               {d.filePath(nome_longo), S_IFREG, nullptr},
                               {protegido, S_IFREG, "o arquivo é somente leitura"}};
    QStringList esperado{"fifo", nome_longo, "pasta", "protegido.zfr"};
    // A device node of our own (a copy of /dev/null's), when allowed to make one.
    const QString dispositivo = d.filePath(QStringLiteral("dispositivo"));
    if (::mknod(QFile::encodeName(dispositivo).constData(), S_IFCHR | 0600, makedev(1, 3)) == 0) {
        casos.push_back({dispositivo, S_IFCHR, ""});
        esperado.prepend(QStringLiteral("dispositivo"));
    }
    for (const auto &c : casos) {
        SCOPED_TRACE(c.alvo.toStdString());
        QString motivo;
        EXPECT_EQ(Gravar_Arquivo_Seguro(c.alvo, "novo", &motivo), !c.motivo) << motivo.toStdString();
        EXPECT_EQ(motivo.isEmpty(), !c.motivo);
        if (c.motivo && *c.motivo)
            EXPECT_EQ(motivo, QString::fromUtf8(c.motivo));
        EXPECT_EQ(modo(c.alvo, S_IFMT), c.tipo);
    }
    EXPECT_EQ(teste::ler_bytes(d.filePath(nome_longo)), "novo");
    EXPECT_EQ(teste::ler_bytes(protegido), "antigo");
    EXPECT_EQ(modo(protegido), 0444u);
    EXPECT_EQ(conteudo_pasta(d), esperado);
}

// A writable file in a folder where nothing can be created is written over in place. Root
// creates files anywhere, so as root the write runs in a thread whose file-system identity
// is an ordinary user's (setfsuid changes only the calling thread).
TEST(GravacaoSegura, PastaSemEscritaGravaNoProprioArquivo)
{
    QTemporaryDir d;
    ASSERT_TRUE(d.isValid());
    const QString alvo = d.filePath(QStringLiteral("c.zfr"));
    ASSERT_TRUE(teste::gravar_bytes(alvo, QByteArray(500, 'A')));
    ASSERT_EQ(::chmod(QFile::encodeName(alvo).constData(), 0666), 0);
    ASSERT_EQ(::chmod(QFile::encodeName(d.path()).constData(), 0555), 0);
    bool pasta_fechada = false, gravou = false;
    QString motivo;
    std::thread([&] {
        if (::geteuid() == 0)
            ::setfsuid(65534);
        const QByteArray sonda = QFile::encodeName(d.filePath(QStringLiteral("sonda")));
        const int fd = ::open(sonda.constData(), O_WRONLY | O_CREAT | O_EXCL, 0600);
        pasta_fechada = fd < 0 && errno == EACCES;
        if (fd >= 0)
            ::close(fd), ::unlink(sonda.constData());
        if (pasta_fechada)
            gravou = Gravar_Arquivo_Seguro(alvo, "menor", &motivo);
    }).join();
    ::chmod(QFile::encodeName(d.path()).constData(), 0700);
    if (!pasta_fechada)
        GTEST_SKIP() << "no way to make a folder read-only here";
    EXPECT_TRUE(gravou) << motivo.toStdString();
    EXPECT_EQ(teste::ler_bytes(alvo), "menor"); // and cut to the new length
    EXPECT_EQ(conteudo_pasta(d), QStringList{"c.zfr"});
}

// Saves from two threads (the recovery copy runs in its own) never see each other's umask:
// every new file gets 0666 less the process umask, which stays as it was. A change of the
// umask to 0 is held for a moment (see umask below), so a writer that sets it in order to read
// it loses this race within a few saves.
TEST(GravacaoSegura, ModoDeArquivosNovosEmDuasLinhasDeExecucao)
{
    QTemporaryDir d;
    ASSERT_TRUE(d.isValid());
    const mode_t antes = ::umask(077);
    constexpr int N = 40;
    const auto gravar = [&](char linha) {
        for (int i = 0; i < N; ++i)
            Gravar_Arquivo_Seguro(d.filePath(QStringLiteral("%1%2").arg(linha).arg(i)), "x");
    };
    std::thread a(gravar, 'a'), b(gravar, 'b');
    a.join();
    b.join();
    EXPECT_EQ(::umask(antes), mode_t(077));
    QStringList errados;
    for (const QString &f : conteudo_pasta(d))
        if (modo(d.filePath(f)) != 0600)
            errados << f;
    EXPECT_EQ(errados, QStringList());
    EXPECT_EQ(conteudo_pasta(d).size(), 2 * N);
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

} // namespace
} // namespace zefira

// The process-wide umask, with a change to 0 held for 2 ms: it widens the window in which
// another thread could observe it.
extern "C" mode_t umask(mode_t mascara) noexcept
{
    const auto antes = mode_t(::syscall(SYS_umask, mascara));
    if (mascara == 0)
        std::this_thread::sleep_for(std::chrono::milliseconds(2));
    return antes;
}
