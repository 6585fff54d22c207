#pragma once
// Windows-1252 <-> QString. Circuit files are single-byte Windows-1252 text; Qt has no codec for
// it we can count on, so the 32 characters of 0x80..0x9F are tabled here and the rest is Latin-1.

#include <QByteArray>
#include <QString>

namespace zefira {

// Characters Windows-1252 cannot hold become '?' (one per character, surrogate pairs included).
QByteArray para_cp1252(const QString &texto);
QString de_cp1252(const char *dados, qsizetype tamanho);
inline QString de_cp1252(const QByteArray &dados) { return de_cp1252(dados.constData(), dados.size()); }

} // namespace zefira
