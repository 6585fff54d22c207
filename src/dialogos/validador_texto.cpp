#include "dialogos/validador_texto.h"

#include "propriedades/configuracao_entrada.h"

namespace zefira {

QValidator::State TValidador_Texto::validate(QString &texto, int &posicao) const
{
    // The cursor keeps its place among the characters that stay.
    posicao -= int(texto.left(posicao).size() - Filtrar_Texto_Arquivo(texto.left(posicao)).size());
    fixup(texto);
    return Acceptable;
}

void TValidador_Texto::fixup(QString &texto) const
{
    texto = Filtrar_Texto_Arquivo(texto);
    if (caixa_ == Caixa::Maiusculas)
        texto = texto.toUpper();
    else if (caixa_ == Caixa::Minusculas)
        texto = texto.toLower();
}

} // namespace zefira
