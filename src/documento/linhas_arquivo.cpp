#include "documento/linhas_arquivo.h"

#include "documento/cp1252.h"

namespace zefira {

bool TLinhas_Arquivo::proxima(QString &linha)
{
    const qsizetype tamanho = dados_.size();
    if (posicao_ >= tamanho)
        return false;
    const char *d = dados_.constData();
    qsizetype fim = posicao_;
    while (fim < tamanho && d[fim] != '\r' && d[fim] != '\n')
        ++fim;
    linha = de_cp1252(d + posicao_, fim - posicao_);
    posicao_ = fim;
    if (posicao_ < tamanho && d[posicao_] == '\r')
        ++posicao_;
    if (posicao_ < tamanho && d[posicao_] == '\n' && (posicao_ == fim || d[posicao_ - 1] == '\r'))
        ++posicao_;
    return true;
}

QString TLinhas_Arquivo::proxima_ou_vazia()
{
    QString linha;
    return proxima(linha) ? linha : QString();
}

QString aparar(const QString &texto)
{
    qsizetype inicio = 0, fim = texto.size();
    while (inicio < fim && texto.at(inicio).unicode() <= 0x20)
        ++inicio;
    while (fim > inicio && texto.at(fim - 1).unicode() <= 0x20)
        --fim;
    return texto.mid(inicio, fim - inicio);
}

} // namespace zefira
