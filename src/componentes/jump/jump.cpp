#include "componentes/jump/jump.h"

#include "simbolos/imagens.h"

namespace zefira {

TJump::TJump(const TImagens &imagens) : imagens_(&imagens) { recarregar(); }

void TJump::ligar(int porta, int codigo)
{
    if (porta >= 1 && porta <= 4)
        conexao_[porta - 1] = codigo;
}

int TJump::conexao(int porta) const { return porta >= 1 && porta <= 4 ? conexao_[porta - 1] : -1; }

void TJump::selecionar()
{
    selecionado_ = true;
    recarregar();
}

void TJump::desselecionar()
{
    selecionado_ = false;
    recarregar();
}

void TJump::recarregar()
{
    imagens_->copiar(selecionado_ ? QStringLiteral("jump_selec") : QStringLiteral("jump"), figura);
}

} // namespace zefira
