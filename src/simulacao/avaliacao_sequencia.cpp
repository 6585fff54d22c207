#include "simulacao/avaliacao_sequencia.h"

#include "simulacao/sequencia_movimentos.h"

#include <QRegularExpression>

namespace zefira {

bool Ler_Sequencia(const QString &texto, QStringList &movimentos)
{
    static const QRegularExpression brancos(QStringLiteral("\\s+"));
    movimentos = texto.split(brancos, Qt::SkipEmptyParts);
    if (movimentos.isEmpty())
        return false;
    for (const QString &m : movimentos)
        if (m.size() < 2 || (!m.endsWith(QLatin1Char('+')) && !m.endsWith(QLatin1Char('-')))
            || m.contains(QLatin1Char('(')) || m.contains(QLatin1Char(')')))
            return false;
    return true;
}

QStringList Sequencia_Das_Observacoes(const QStringList &observacoes)
{
    // Typed without the accent too, as students often do.
    static const QRegularExpression rotulo(QStringLiteral("^\\s*sequ[eê]ncia\\s*:(.*)$"),
                                           QRegularExpression::CaseInsensitiveOption);
    for (const QString &linha : observacoes) {
        const QRegularExpressionMatch m = rotulo.match(linha);
        if (!m.hasMatch())
            continue;
        // The grammar of the grader and the assistant first ("A+ (B+ C+) A-"), then any names.
        TSequencia_Movimentos sequencia;
        QString erro;
        if (TSequencia_Movimentos::ler(m.captured(1), sequencia, erro))
            return sequencia.movimentos();
        QStringList movimentos;
        if (Ler_Sequencia(m.captured(1), movimentos))
            return movimentos;
    }
    return QStringList();
}

bool Sequencia_Cumprida(const QStringList &esperada, const QStringList &obtida)
{
    if (esperada.isEmpty() || obtida.size() < esperada.size())
        return false;
    for (int i = 0; i < esperada.size(); ++i)
        if (esperada[i].compare(obtida[i], Qt::CaseInsensitive) != 0)
            return false;
    return true;
}

} // namespace zefira
