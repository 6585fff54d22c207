#include "documento/gravacao_segura.h"

#include "documento/nome_arquivo.h"

#include <QFile>

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace zefira {

namespace {

QString razao(int erro) { return QString::fromLocal8Bit(std::strerror(erro)); }

bool falhar(QString *motivo, const QString &texto)
{
    if (motivo)
        *motivo = texto;
    return false;
}

// Everything written, retrying after signals and short writes; a full disk or the file size
// limit shows up here as ENOSPC or EFBIG.
bool escrever_tudo(int fd, const char *dados, size_t tamanho)
{
    while (tamanho > 0) {
        const ssize_t n = ::write(fd, dados, tamanho);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        if (n == 0) {
            errno = EIO;
            return false;
        }
        dados += n;
        tamanho -= size_t(n);
    }
    return true;
}

int fsync_sem_interrupcao(int fd)
{
    int r;
    do
        r = ::fsync(fd);
    while (r != 0 && errno == EINTR);
    return r;
}

// The process umask, read without setting it: umask(0) and back would let a file created by
// another thread (the recovery copy) in between get the wrong permissions. Without /proc the
// most private mask is assumed.
mode_t mascara_atual()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (status.open(QIODevice::ReadOnly | QIODevice::Text)) {
        for (QByteArray linha = status.readLine(); !linha.isEmpty(); linha = status.readLine()) {
            if (!linha.startsWith("Umask:"))
                continue;
            bool ok = false;
            const uint mascara = linha.mid(6).trimmed().toUInt(&ok, 8);
            if (ok)
                return mode_t(mascara & 0777);
        }
    }
    return 077;
}

// Permissions of the new file: those of the file it replaces, or what a plain create would
// give (0666 less the umask).
mode_t modo_novo(bool existe, const struct stat &atual)
{
    return existe ? atual.st_mode & 07777 : 0666 & ~mascara_atual();
}

// A read-only file is refused, as any editor does. The mode bits are checked as well, since
// access() grants everything to root.
bool somente_leitura(const QByteArray &alvo, const struct stat &atual)
{
    return (atual.st_mode & 0222) == 0 || (::access(alvo.constData(), W_OK) != 0 && errno == EACCES);
}

// The fallback when no temporary file can be made beside the target (a writable file in a
// read-only folder): the bytes go over the file itself. The space is reserved first, so a full
// disk or the size limit fails before the old content is touched; then write, flush and
// truncate to the new length.
int gravar_no_lugar(const QByteArray &alvo, const QByteArray &dados)
{
    const int fd = ::open(alvo.constData(), O_WRONLY | O_CLOEXEC);
    if (fd < 0)
        return errno;
    int erro = 0;
    if (!dados.isEmpty() && ::fallocate(fd, 0, 0, off_t(dados.size())) != 0 && errno != EOPNOTSUPP
        && errno != ENOSYS)
        erro = errno;
    if (!erro && !escrever_tudo(fd, dados.constData(), size_t(dados.size())))
        erro = errno;
    if (!erro && ::ftruncate(fd, off_t(dados.size())) != 0)
        erro = errno;
    if (!erro && fsync_sem_interrupcao(fd) != 0)
        erro = errno;
    if (::close(fd) != 0 && !erro && errno != EINTR)
        erro = errno;
    return erro;
}

} // namespace

bool Gravar_Arquivo_Seguro(const QString &nome, const QByteArray &dados, QString *motivo)
{
    QByteArray alvo = Bytes_Nome_Arquivo(nome);
    if (alvo.isEmpty())
        return falhar(motivo, razao(ENOENT));

    // A symbolic link is kept: the file it points to is the one replaced.
    struct stat atual {};
    bool existe = ::stat(alvo.constData(), &atual) == 0;
    if (existe) {
        struct stat link {};
        if (::lstat(alvo.constData(), &link) == 0 && S_ISLNK(link.st_mode)) {
            char resolvido[PATH_MAX];
            if (::realpath(alvo.constData(), resolvido))
                alvo = QByteArray(resolvido);
        }
        if (S_ISDIR(atual.st_mode))
            return falhar(motivo, razao(EISDIR));
        if (!S_ISREG(atual.st_mode))
            return falhar(motivo, QStringLiteral("não é um arquivo comum"));
        if (somente_leitura(alvo, atual))
            return falhar(motivo, QStringLiteral("o arquivo é somente leitura"));
    } else if (errno != ENOENT) {
        return falhar(motivo, razao(errno));
    }

    // The temporary file lives beside the target so that the final rename stays within one
    // file system and is atomic. Its name is short whatever the target's, which may already be
    // as long as a name can be.
    const qsizetype barra = alvo.lastIndexOf('/');
    const QByteArray pasta = barra < 0 ? QByteArray(".") : barra == 0 ? QByteArray("/") : alvo.left(barra);
    QByteArray temporario = pasta + "/.zefira.XXXXXX";
    const int fd = ::mkostemp(temporario.data(), O_CLOEXEC);
    if (fd < 0) {
        const int erro = errno;
        if (!existe || (erro != EACCES && erro != EPERM))
            return falhar(motivo, razao(erro));
        const int erro_no_lugar = gravar_no_lugar(alvo, dados);
        return erro_no_lugar ? falhar(motivo, razao(erro_no_lugar)) : true;
    }

    int erro = 0;
    if (::fchmod(fd, modo_novo(existe, atual)) != 0 && errno != EPERM)
        erro = errno;
    if (!erro && !escrever_tudo(fd, dados.constData(), size_t(dados.size())))
        erro = errno;
    if (!erro && fsync_sem_interrupcao(fd) != 0)
        erro = errno;
    if (::close(fd) != 0 && !erro && errno != EINTR)
        erro = errno;
    if (!erro && ::rename(temporario.constData(), alvo.constData()) != 0)
        erro = errno;
    if (erro) {
        ::unlink(temporario.constData());
        return falhar(motivo, razao(erro));
    }

    // The rename itself reaches the disk with the folder; a folder that cannot be synced
    // (some network file systems) does not undo a save that already took place.
    const int fd_pasta = ::open(pasta.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd_pasta >= 0) {
        fsync_sem_interrupcao(fd_pasta);
        ::close(fd_pasta);
    }
    return true;
}

} // namespace zefira
