#include "componentes/valvula_direcional/parte.h"

#include "simbolos/imagens.h"

namespace zefira {

namespace {
const char *const NOMES_PARTES[] = {
    nullptr,    "fig_2va", "fig_2vf", "fig_3cf",  "fig_3va", "fig_3vf", "fig_4can", "fig_4cap", "fig_4cf",
    "fig_4cfb", "fig_4d",  "fig_4e",  "fig_5can", "fig_5cap", "fig_5cf", "fig_5d",   "fig_5e",
};
}

QString TParte::nome_figura(int tipo)
{
    if (tipo == -1)
        return QStringLiteral("nada");
    if (tipo >= 1 && tipo <= 16)
        return QString::fromLatin1(NOMES_PARTES[tipo]);
    return QString();
}

TParte::TParte(const TImagens &imagens, int tipo) : imagens_(&imagens), tipo_(tipo) { recarregar(); }

void TParte::selecionar()
{
    selecionado_ = true;
    recarregar();
}

void TParte::desselecionar()
{
    selecionado_ = false;
    recarregar();
}

void TParte::recarregar()
{
    const QString nome = nome_figura(tipo_);
    if (nome.isEmpty())
        return; // codes without a picture keep whatever the bitmap held
    // The empty square looks the same selected or not.
    const bool vermelha = selecionado_ && tipo_ != -1;
    imagens_->copiar(vermelha ? nome + QStringLiteral("_selec") : nome, figura_);
}

} // namespace zefira
