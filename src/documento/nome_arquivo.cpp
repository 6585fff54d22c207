#include "documento/nome_arquivo.h"

#include <QDir>
#include <QFile>

#include <cstdlib>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace zefira {

namespace {

constexpr char16_t ESCAPE = 0xDC00;

// Length of the well-formed UTF-8 sequence at d[i] and its code point; 0 when ill-formed
// (overlong forms, encoded surrogates and values above U+10FFFF included).
int sequencia(const unsigned char *d, qsizetype i, qsizetype n, char32_t &cp)
{
    const unsigned char b = d[i];
    int len;
    char32_t minimo;
    if (b < 0x80) {
        cp = b;
        return 1;
    } else if ((b & 0xE0) == 0xC0) {
        len = 2, cp = b & 0x1F, minimo = 0x80;
    } else if ((b & 0xF0) == 0xE0) {
        len = 3, cp = b & 0x0F, minimo = 0x800;
    } else if ((b & 0xF8) == 0xF0) {
        len = 4, cp = b & 0x07, minimo = 0x10000;
    } else {
        return 0;
    }
    if (i + len > n)
        return 0;
    for (int k = 1; k < len; ++k) {
        if ((d[i + k] & 0xC0) != 0x80)
            return 0;
        cp = (cp << 6) | (d[i + k] & 0x3F);
    }
    if (cp < minimo || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF))
        return 0;
    return len;
}

} // namespace

QString Nome_Arquivo(const QByteArray &bytes)
{
    const auto *d = reinterpret_cast<const unsigned char *>(bytes.constData());
    const qsizetype n = bytes.size();
    QString nome;
    nome.reserve(n);
    for (qsizetype i = 0; i < n;) {
        char32_t cp = 0;
        const int len = sequencia(d, i, n, cp);
        if (len == 0) {
            nome.append(QChar(char16_t(ESCAPE + d[i])));
            ++i;
            continue;
        }
        const char32_t um[] = {cp};
        nome.append(QString::fromUcs4(um, 1));
        i += len;
    }
    return nome;
}

QByteArray Bytes_Nome_Arquivo(const QString &nome)
{
    QByteArray bytes;
    bytes.reserve(nome.size());
    qsizetype inicio = 0; // start of the run of ordinary text not yet encoded
    const auto encerrar = [&](qsizetype fim) {
        bytes.append(nome.mid(inicio, fim - inicio).toUtf8());
    };
    for (qsizetype i = 0; i < nome.size(); ++i) {
        const char16_t u = nome.at(i).unicode();
        const bool apos_alto = i > 0 && nome.at(i - 1).isHighSurrogate();
        if (u >= ESCAPE + 0x80 && u <= ESCAPE + 0xFF && !apos_alto) {
            encerrar(i);
            bytes.append(char(u - ESCAPE));
            inicio = i + 1;
        }
    }
    encerrar(nome.size());
    return bytes;
}

bool Existe_Arquivo(const QString &nome)
{
    struct stat info {};
    return !nome.isEmpty() && ::stat(Bytes_Nome_Arquivo(nome).constData(), &info) == 0;
}

QString Caminho_Absoluto(const QString &nome)
{
    if (nome.isEmpty() || nome.startsWith(QLatin1Char('/')))
        return QDir::cleanPath(nome);
    char *atual = ::getcwd(nullptr, 0);
    if (!atual)
        return nome;
    const QString pasta = Nome_Arquivo(QByteArray(atual));
    std::free(atual);
    return QDir::cleanPath(pasta + QLatin1Char('/') + nome);
}

bool Ler_Arquivo_Comum(const QString &nome, QByteArray &dados)
{
    // Opened without blocking (a pipe with no writer would wait forever) and checked on the
    // open descriptor, so what is read is what was checked.
    const int fd = ::open(Bytes_Nome_Arquivo(nome).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return false;
    struct stat info {};
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        ::close(fd);
        return false;
    }
    QFile arquivo;
    if (!arquivo.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        return false;
    }
    dados = arquivo.readAll();
    return arquivo.error() == QFileDevice::NoError;
}

} // namespace zefira
