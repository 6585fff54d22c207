#pragma once
// Gravar_Arquivo_Seguro: the one way every file (circuits, pictures, exports) reaches the disk.

#include <QByteArray>
#include <QString>

namespace zefira {

// Writes `dados` as the whole content of `nome`. The bytes go to a temporary file in the same
// folder, every write, the flush to disk and the close are checked, and only then is the
// temporary file renamed over `nome`. On any failure the old file stays byte for byte as it
// was, the temporary file is removed and false is returned with the system's reason in
// `motivo` (e.g. "No space left on device"). A target that exists and is not a regular file
// (a folder, a device, a pipe) is refused, and so is a read-only file. A writable file in a
// folder where no temporary file can be made is written over in place instead. `nome` reaches
// the file system as the bytes of Bytes_Nome_Arquivo.
bool Gravar_Arquivo_Seguro(const QString &nome, const QByteArray &dados, QString *motivo = nullptr);

} // namespace zefira
