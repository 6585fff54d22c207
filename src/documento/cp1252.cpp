#include "documento/cp1252.h"

namespace zefira {

namespace {

// Unicode of bytes 0x80..0x9F. The five bytes Windows-1252 leaves undefined map to the C1
// control of the same value, as Windows itself does, so they survive a round trip.
constexpr char16_t FAIXA_80_9F[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

char byte_de(char16_t u)
{
    if (u < 0x80 || (u >= 0xA0 && u <= 0xFF))
        return char(u);
    for (int i = 0; i < 32; ++i)
        if (FAIXA_80_9F[i] == u)
            return char(0x80 + i);
    return '?';
}

} // namespace

QByteArray para_cp1252(const QString &texto)
{
    QByteArray saida;
    saida.reserve(texto.size());
    for (qsizetype i = 0; i < texto.size(); ++i) {
        const QChar c = texto.at(i);
        if (c.isHighSurrogate() && i + 1 < texto.size() && texto.at(i + 1).isLowSurrogate()) {
            ++i; // one character outside the BMP, one '?'
            saida.append('?');
            continue;
        }
        saida.append(byte_de(c.unicode()));
    }
    return saida;
}

QString de_cp1252(const char *dados, qsizetype tamanho)
{
    QString saida(tamanho, Qt::Uninitialized);
    QChar *d = saida.data();
    for (qsizetype i = 0; i < tamanho; ++i) {
        const unsigned char b = static_cast<unsigned char>(dados[i]);
        d[i] = (b >= 0x80 && b <= 0x9F) ? QChar(FAIXA_80_9F[b - 0x80]) : QChar(char16_t(b));
    }
    return saida;
}

} // namespace zefira
