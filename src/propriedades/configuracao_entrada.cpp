#include "propriedades/configuracao_entrada.h"

#include <Qt>

namespace zefira {

bool Caractere_Aceito_Arquivo(QChar c)
{
    return c != QLatin1Char(')') && c != QLatin1Char('\n') && c != QLatin1Char('\r')
           && c != QChar::LineSeparator && c != QChar::ParagraphSeparator;
}

QString Filtrar_Texto_Arquivo(const QString &texto)
{
    QString limpo;
    limpo.reserve(texto.size());
    for (QChar c : texto)
        if (Caractere_Aceito_Arquivo(c))
            limpo += c;
    return limpo;
}

AcaoTecla Tecla_Caixa_Numero(int tecla, const QString &texto)
{
    switch (tecla) {
    case Qt::Key_Return:
    case Qt::Key_Enter: return AcaoTecla::Confirmar;
    case Qt::Key_Escape: return AcaoTecla::Fechar;
    // Tab moves between controls before the box ever sees it in the dialogs we model.
    case Qt::Key_Backspace:
    case Qt::Key_Tab:
    case Qt::Key_Backtab: return AcaoTecla::Aceitar;
    default: break;
    }
    if (texto.size() == 1 && texto.at(0) >= QLatin1Char('0') && texto.at(0) <= QLatin1Char('9'))
        return AcaoTecla::Aceitar;
    return AcaoTecla::Descartar;
}

} // namespace zefira
