#include "componentes/valvula_e_ou/valvula_e_ou_esc_reg.h"

#include "simbolos/imagens.h"

namespace zefira {

namespace {
// Picture per type (rows 1..4) and state (columns 1..3); null where a type has no such state.
const char *const FIGURAS[5][4] = {
    {nullptr, nullptr, nullptr, nullptr},
    {nullptr, "valvula_e", "valvula_e_2", "valvula_e_3"},
    {nullptr, "valvula_ou", "valvula_ou_2", nullptr},
    {nullptr, "valvula_escape", "valvula_escape_2", nullptr},
    {nullptr, "valvula_reguladora", "valvula_reguladora_2", nullptr},
};
} // namespace

TValvula_E_OU_ESC_REG::TValvula_E_OU_ESC_REG(const TImagens &imagens, int tipo) : imagens_(&imagens), tipo_(tipo)
{
    recarregar();
}

void TValvula_E_OU_ESC_REG::definir_tipo(int tipo) { tipo_ = tipo; }

void TValvula_E_OU_ESC_REG::definir_estado(int estado)
{
    estado_ = estado;
    recarregar();
}

void TValvula_E_OU_ESC_REG::ligar(int porta, int codigo, int pino_)
{
    if (porta < 1 || porta > 3)
        return;
    conexao_[porta - 1] = codigo;
    if (pino_ != -1 && tipo_ == 4 && porta == 1)
        pino = pino_;
}

void TValvula_E_OU_ESC_REG::desligar(int porta)
{
    if (porta < 1 || porta > 3)
        return;
    conexao_[porta - 1] = -1;
    if (pino != -1 && tipo_ == 4 && porta == 1)
        pino = -1;
}

int TValvula_E_OU_ESC_REG::conexao(int porta) const
{
    return porta >= 1 && porta <= 3 ? conexao_[porta - 1] : -1;
}

void TValvula_E_OU_ESC_REG::selecionar()
{
    selecionado_ = true;
    recarregar();
}

void TValvula_E_OU_ESC_REG::desselecionar()
{
    selecionado_ = false;
    recarregar();
}

void TValvula_E_OU_ESC_REG::recarregar()
{
    if (tipo_ < 1 || tipo_ > 4 || estado_ < 1 || estado_ > 3 || !FIGURAS[tipo_][estado_])
        return; // any other combination keeps the picture it had
    const QString nome = QString::fromLatin1(FIGURAS[tipo_][estado_]);
    imagens_->copiar(selecionado_ ? nome + QStringLiteral("_selec") : nome, figura);
}

} // namespace zefira
