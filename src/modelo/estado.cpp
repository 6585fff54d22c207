#include "modelo/estado.h"

#include <random>

namespace zefira {

TEstado::TEstado()
    : lista_componentes(std::make_unique<TLista_Componente>(imagens)), lista_nos(std::make_unique<TLista_No>())
{
    componente_nulo = std::make_shared<TComponente>(imagens, -1, -1, -1, -1, -1, -1, TIPO_NENHUM);
    componente_atual = componente_nulo;
    no_raiz = lista_nos->adicionar(std::make_unique<Tno>());
    auto gerador = std::make_shared<std::mt19937>(std::random_device{}());
    aleatorio = [gerador](int n) { return n <= 0 ? 0 : std::uniform_int_distribution<int>(0, n - 1)(*gerador); };
}

} // namespace zefira
