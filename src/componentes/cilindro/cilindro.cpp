#include "componentes/cilindro/cilindro.h"

#include "simbolos/imagens.h"

namespace zefira {

TCilindro::TCilindro(const TImagens &imagens, int tipo) : imagens_(&imagens), tipo_(tipo) { recarregar(); }

void TCilindro::definir_tipo(int tipo) { tipo_ = tipo; }

void TCilindro::definir_rotulo(int i, const QString &texto, int posicao_)
{
    if (i >= 1 && i <= NUMERO_ROTULOS)
        rotulos_[i - 1] = TRotulo{texto, posicao_};
}

TRotulo TCilindro::rotulo(int i) const
{
    return i >= 1 && i <= NUMERO_ROTULOS ? rotulos_[i - 1] : TRotulo{};
}

void TCilindro::selecionar()
{
    selecionado_ = true;
    recarregar();
}

void TCilindro::desselecionar()
{
    selecionado_ = false;
    recarregar();
}

void TCilindro::recarregar()
{
    const QString s = selecionado_ ? QStringLiteral("_selec") : QString();
    const bool duas_hastes = tipo_ == 3;
    imagens_->copiar((duas_hastes ? QStringLiteral("cilindro_dehd") : QStringLiteral("cilindro_se_dehs")) + s, figura_corpo);
    imagens_->copiar((duas_hastes ? QStringLiteral("cilindro_dehd_cabo") : QStringLiteral("cilindro_se_dehs_cabo")) + s,
                     figura_cabo);
    imagens_->copiar(QStringLiteral("cilindro_dentro") + s, figura_dentro);
    imagens_->copiar(QStringLiteral("cilindro_fora") + s, figura_fora);
}

} // namespace zefira
