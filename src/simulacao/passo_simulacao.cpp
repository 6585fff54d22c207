#include "simulacao/passo_simulacao.h"

namespace zefira {

void TPasso_Simulacao::executar(TEtapa_Simulacao etapa)
{
    const TLista_Componente &lista = estado_.lista();
    for (int i = 0; i < lista.numero_componentes(); ++i)
        lista[i].familia().simular(*this, i, etapa);
}

Tno *TPasso_Simulacao::nova_raiz(int componente, int porta, int pressao, int vazao)
{
    estado_.lista_nos->limpar();
    auto no = std::make_unique<Tno>();
    no->componente = componente;
    no->porta = porta;
    no->pressao = pressao;
    no->vazao = vazao;
    estado_.no_raiz = estado_.lista_nos->adicionar(std::move(no));
    return estado_.no_raiz;
}

// The lookups reflect the list as it is when first asked for; the moments of a run do not add
// or remove components.
TPercurso &TPasso_Simulacao::percurso()
{
    if (!percurso_)
        percurso_.emplace(estado_);
    return *percurso_;
}

} // namespace zefira
