#include "documento/campos_linha.h"

#include <limits>

namespace zefira {

bool TCampos_Linha::proximo_simples(QString &campo)
{
    if (posicao_ >= linha_.size())
        return false;
    qsizetype fim = linha_.indexOf(QLatin1Char(' '), posicao_);
    if (fim < 0)
        fim = linha_.size();
    campo = linha_.mid(posicao_, fim - posicao_);
    posicao_ = fim;
    pular_brancos();
    return true;
}

bool TCampos_Linha::proximo_texto(QString &campo)
{
    if (posicao_ >= linha_.size())
        return false;
    const qsizetype inicio = posicao_ + 1;
    qsizetype fim = linha_.indexOf(QLatin1Char(')'), inicio);
    if (fim < 0)
        fim = linha_.size();
    campo = linha_.mid(inicio, fim - inicio);
    posicao_ = fim < linha_.size() ? fim + 1 : fim;
    pular_brancos();
    return true;
}

void TCampos_Linha::pular_brancos()
{
    while (posicao_ < linha_.size() && linha_.at(posicao_) == QLatin1Char(' '))
        ++posicao_;
}

bool converter_inteiro(const QString &texto, int &valor)
{
    qsizetype i = 0;
    const bool negativo = !texto.isEmpty() && texto.at(0) == QLatin1Char('-');
    if (negativo)
        ++i;
    if (i >= texto.size())
        return false;
    // Accumulated as a negative number so that the most negative 32-bit value fits.
    long long acumulado = 0;
    for (; i < texto.size(); ++i) {
        const char16_t c = texto.at(i).unicode();
        if (c < u'0' || c > u'9')
            return false;
        acumulado = acumulado * 10 - (c - u'0');
        if (acumulado < std::numeric_limits<int>::min())
            return false;
    }
    if (!negativo) {
        acumulado = -acumulado;
        if (acumulado > std::numeric_limits<int>::max())
            return false;
    }
    valor = int(acumulado);
    return true;
}

} // namespace zefira
