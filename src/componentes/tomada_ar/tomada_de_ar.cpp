#include "componentes/tomada_ar/tomada_de_ar.h"

#include "simbolos/imagens.h"

namespace zefira {

TTomada_Ar::TTomada_Ar(const TImagens &imagens) : imagens_(&imagens) { recarregar(); }

void TTomada_Ar::selecionar()
{
    selecionado_ = true;
    recarregar();
}

void TTomada_Ar::desselecionar()
{
    selecionado_ = false;
    recarregar();
}

void TTomada_Ar::recarregar()
{
    imagens_->copiar(selecionado_ ? QStringLiteral("tomada_de_ar_selec") : QStringLiteral("tomada_de_ar"), figura);
}

} // namespace zefira
