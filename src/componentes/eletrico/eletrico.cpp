#include "componentes/eletrico/eletrico.h"

namespace zefira {

void TEletrico::reiniciar()
{
    acionado = false;
    energizada[0] = energizada[1] = false;
    saida = false;
    contagem = 0;
    entrada_anterior = false;
    mudou = false;
}

void TEletrico::ligar(int porta, int codigo)
{
    if (porta >= 1 && porta <= PORTAS)
        conexao_[porta - 1] = codigo;
}

int TEletrico::conexao(int porta) const { return porta >= 1 && porta <= PORTAS ? conexao_[porta - 1] : -1; }

} // namespace zefira
