#include "componentes/jump/familia_jump.h"

#include "modelo/componente.h"
#include "modelo/direcao_porta.h"
#include "modelo/lista_componente.h"

#include <memory>

namespace zefira {

int TFamilia_Jump::tipo() const { return TIPO_JUMP; }

void TFamilia_Jump::criar(TComponente &c, const TImagens &imagens, const TVariante &) const
{
    c.jump = std::make_unique<TJump>(imagens);
    c.nome = QStringLiteral("Jump");
}

bool TFamilia_Jump::selecionado(const TComponente &c) const { return c.jump->selecionado(); }
void TFamilia_Jump::selecionar(TComponente &c) const { c.jump->selecionar(); }
void TFamilia_Jump::desselecionar(TComponente &c) const { c.jump->desselecionar(); }

const TFamilia_Eletrica *TFamilia_Jump::eletrica() const { return nullptr; }
int TFamilia_Jump::numero_portas() const { return 4; }
TDominio TFamilia_Jump::dominio(int) const { return TDominio::ar; }
int TFamilia_Jump::direcao(const TComponente &, int porta) const
{
    constexpr int DIRECOES[5] = {0, DIRECAO_CIMA, DIRECAO_BAIXO, DIRECAO_ESQUERDA, DIRECAO_DIREITA};
    return porta >= 1 && porta <= 4 ? DIRECOES[porta] : 0;
}

int TFamilia_Jump::conexao(const TComponente &c, int porta) const { return c.jump->conexao(porta); }
void TFamilia_Jump::ligar(TComponente &c, int porta, int codigo) const { c.jump->ligar(porta, codigo); }
void TFamilia_Jump::desligar(TComponente &c, int porta) const { c.jump->desligar(porta); }

// Ports at the middle of each side: 1 top, 2 bottom, 3 left, 4 right.
void TFamilia_Jump::atualizar_geometria(TComponente &c) const
{
    c.ajustar_caixa(c.jump->figura);
    const int w = c.jump->figura.width(), h = c.jump->figura.height();
    c.definir_ponto(1, somar(c.esquerda, R(w / 2.0)), c.topo);
    c.definir_ponto(2, somar(c.esquerda, R(w / 2.0)), c.baixo);
    c.definir_ponto(3, c.esquerda, somar(c.topo, R(h / 2.0)));
    c.definir_ponto(4, c.direita, somar(c.topo, R(h / 2.0)));
}

// Only wires that still end here go with the junction.
void TFamilia_Jump::remover_ligacoes(TLista_Componente &lista, TComponente &r) const
{
    for (int porta = 1; porta <= 4; ++porta) {
        const int s = r.conexao(porta);
        TComponente *c = s == -1 ? nullptr : lista.procurar(s);
        if (!c || !c->e_fio())
            continue;
        if (c->fio->conexao(true) == r.codigo || c->fio->conexao(false) == r.codigo)
            lista.remover(s);
    }
}

} // namespace zefira
