#include "desenho/arquivo_cursor.h"

#include "simbolos/desenho_simbolos.h"
#include "simbolos/imagens.h"

#include <QPainter>
#include <algorithm>
#include <cmath>
#include "documento/gravacao_segura.h"
#include "modelo/modo.h"

#include <QBuffer>
#include <QFile>
#include <QtEndian>

namespace zefira {

namespace {

constexpr int CABECALHO = 6;
constexpr int ENTRADA = 16;

} // namespace

QString Arquivo_Cursor(int indice)
{
    return indice >= 1 && indice <= Numero_Pecas()
               ? QStringLiteral("figuras/%1.cur").arg(QLatin1String(Pecas()[size_t(indice - 1)].entrada->cursor))
               : QString();
}

QString Figura_Cursor(int indice)
{
    return indice >= 1 && indice <= Numero_Pecas() ? QString::fromLatin1(Pecas()[size_t(indice - 1)].entrada->figura)
                                                   : QString();
}

bool Gravar_Cursor(const QString &nome, const QImage &figura, const QPoint &ponto_quente)
{
    if (figura.isNull() || figura.width() > 256 || figura.height() > 256)
        return false;
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    if (!figura.save(&buffer, "PNG"))
        return false;

    QByteArray dados(CABECALHO + ENTRADA, '\0');
    auto *d = reinterpret_cast<uchar *>(dados.data());
    qToLittleEndian<quint16>(0, d);     // reserved
    qToLittleEndian<quint16>(2, d + 2); // 2 = cursor
    qToLittleEndian<quint16>(1, d + 4); // one picture
    d[6] = uchar(figura.width() == 256 ? 0 : figura.width());
    d[7] = uchar(figura.height() == 256 ? 0 : figura.height());
    qToLittleEndian<quint16>(quint16(ponto_quente.x()), d + 10);
    qToLittleEndian<quint16>(quint16(ponto_quente.y()), d + 12);
    qToLittleEndian<quint32>(quint32(png.size()), d + 14);
    qToLittleEndian<quint32>(quint32(CABECALHO + ENTRADA), d + 18);
    dados += png;

    return Gravar_Arquivo_Seguro(nome, dados);
}

bool Ler_Cursor(const QString &nome, QImage &figura, QPoint &ponto_quente)
{
    QFile f(nome);
    if (!f.open(QIODevice::ReadOnly))
        return false;
    const QByteArray dados = f.readAll();
    if (dados.size() < CABECALHO + ENTRADA)
        return false;
    const auto *d = reinterpret_cast<const uchar *>(dados.constData());
    if (qFromLittleEndian<quint16>(d + 2) != 2 || qFromLittleEndian<quint16>(d + 4) < 1)
        return false;
    const quint32 tamanho = qFromLittleEndian<quint32>(d + 14);
    const quint32 inicio = qFromLittleEndian<quint32>(d + 18);
    if (inicio > quint32(dados.size()) || tamanho > quint32(dados.size()) - inicio)
        return false;
    QImage lida;
    if (!lida.loadFromData(dados.mid(int(inicio), int(tamanho)), "PNG"))
        return false;
    figura = lida;
    ponto_quente = QPoint(qFromLittleEndian<quint16>(d + 10), qFromLittleEndian<quint16>(d + 12));
    return true;
}

QImage Desenhar_Cursor(const TImagens &imagens, int indice, double dpr)
{
    const int lado = int(std::ceil(32 * dpr));
    QImage cursor(lado, lado, QImage::Format_ARGB32_Premultiplied);
    cursor.fill(Qt::transparent);
    const QString nome = Figura_Cursor(indice);
    const QSize tamanho = imagens.tamanho(nome);
    if (tamanho.isValid()) {
        QPainter p(&cursor);
        p.setRenderHint(QPainter::Antialiasing);
        const double reducao = std::min({1.0, 32.0 / tamanho.width(), 32.0 / tamanho.height()});
        p.scale(dpr * reducao, dpr * reducao);
        p.setPen(QPen(Qt::black, 1));
        desenhar_simbolo(nome, p, tamanho.width(), tamanho.height());
    }
    cursor.setDevicePixelRatio(dpr);
    return cursor;
}

} // namespace zefira
