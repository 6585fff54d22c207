// The safe writer refuses targets that are not regular files and leaves nothing behind; file
// names keep their bytes. (Failing writes: tests/cli/confiabilidade_teste.cpp.)
#include "files/apoio_arquivos.h"
#include "files/gravacao_segura.h"
#include "files/nome_arquivo.h"

#include <QDir>
#include <gtest/gtest.h>
#include <vector>

#include <fcntl.h>
#include <sys/sysmacros.h>
#include <sys/stat.h>
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
