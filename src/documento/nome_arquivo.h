#pragma once
// File names exactly as the file system has them. On Unix a name is any string of bytes; one
// that is not valid UTF-8 keeps each stray byte as the code unit U+DC80 + byte (the usual
// "surrogate escape"), so a name given on the command line reaches open() and rename() as the
// very bytes given, where QFile::encodeName(QFile::decodeName(b)) would replace them.

#include <QByteArray>
#include <QString>

namespace zefira {

QString Nome_Arquivo(const QByteArray &bytes);
QByteArray Bytes_Nome_Arquivo(const QString &nome);

// Whether something exists under that name (QFileInfo::exists would look for the replaced
// bytes of a name that is not UTF-8).
bool Existe_Arquivo(const QString &nome);

// The name made absolute against the current folder, keeping its bytes (QFileInfo would replace
// those of a relative name that is not UTF-8).
QString Caminho_Absoluto(const QString &nome);

// Reads the whole of a regular file. A folder, a device or a pipe is refused before anything
// is read from it (it could feed an endless stream or block forever), as is a file that cannot
// be opened or read; false then.
bool Ler_Arquivo_Comum(const QString &nome, QByteArray &dados);

} // namespace zefira
