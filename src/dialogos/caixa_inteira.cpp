#include "dialogos/caixa_inteira.h"

namespace zefira {

QValidator::State TCaixaInteira::validate(QString &texto, int &) const
{
    // Nine digits at most, so the value always fits an int.
    if (texto.size() > 9)
        return QValidator::Invalid;
    for (const QChar c : texto)
        if (!c.isDigit())
            return QValidator::Invalid;
    return QValidator::Acceptable;
}

} // namespace zefira
