#include "componentes/valvula_e_ou/familia_valvula_e_ou.h"

#include "modelo/componente.h"
#include "modelo/direcao_porta.h"
#include "modelo/lista_componente.h"

#include <memory>

namespace zefira {

int TFamilia_Valvula_E_Ou::tipo() const { return TIPO_E_OU_ESC_REG; }

void TFamilia_Valvula_E_Ou::criar(TComponente &c, const TImagens &imagens, const TVariante &v) const
{
    c.valvula_e_ou_esc_reg = std::make_unique<TValvula_E_OU_ESC_REG>(imagens, v.tipo_e_ou);
    c.nome = QStringLiteral("Válvula E OU ESC REG");
}

bool TFamilia_Valvula_E_Ou::selecionado(const TComponente &c) const { return c.valvula_e_ou_esc_reg->selecionado(); }
void TFamilia_Valvula_E_Ou::selecionar(TComponente &c) const { c.valvula_e_ou_esc_reg->selecionar(); }
void TFamilia_Valvula_E_Ou::desselecionar(TComponente &c) const { c.valvula_e_ou_esc_reg->desselecionar(); }

const TFamilia_Eletrica *TFamilia_Valvula_E_Ou::eletrica() const { return nullptr; }
int TFamilia_Valvula_E_Ou::numero_portas() const { return 3; }
TDominio TFamilia_Valvula_E_Ou::dominio(int) const { return TDominio::ar; }

// A regulator stands upright (in at the top, out at the bottom); the others lie on their side.
int TFamilia_Valvula_E_Ou::direcao(const TComponente &c, int porta) const
{
    constexpr int E_OU_ESCAPE[4] = {0, DIRECAO_ESQUERDA, DIRECAO_CIMA, DIRECAO_DIREITA};
    constexpr int REGULADORA[4] = {0, DIRECAO_CIMA, DIRECAO_BAIXO, DIRECAO_DIREITA};
    if (porta < 1 || porta > 3)
        return 0;
    const bool reguladora = c.valvula_e_ou_esc_reg && c.valvula_e_ou_esc_reg->tipo() == EOU_REGULADORA;
    return (reguladora ? REGULADORA : E_OU_ESCAPE)[porta];
}

int TFamilia_Valvula_E_Ou::conexao(const TComponente &c, int porta) const
{
    return c.valvula_e_ou_esc_reg->conexao(porta);
}
void TFamilia_Valvula_E_Ou::ligar(TComponente &c, int porta, int codigo) const
{
    c.valvula_e_ou_esc_reg->ligar(porta, codigo);
}
void TFamilia_Valvula_E_Ou::desligar(TComponente &c, int porta) const { c.valvula_e_ou_esc_reg->desligar(porta); }

void TFamilia_Valvula_E_Ou::atualizar_geometria(TComponente &c) const
{
    const TValvula_E_OU_ESC_REG &e = *c.valvula_e_ou_esc_reg;
    c.ajustar_caixa(e.figura);
    const int L = c.esquerda, T = c.topo;
    // Midpoints in double: the sum of two ints is exact there and cannot overflow.
    const int ym = somar(I((double(T) + c.baixo) / 2.0), 3);
    const int xm = I((double(L) + c.direita) / 2.0);
    switch (e.tipo()) {
    case EOU_E:
    case EOU_OU:
        c.definir_ponto(1, L, ym);
        c.definir_ponto(3, somar(c.direita, -1), ym);
        c.definir_ponto(2, xm, T);
        break;
    case EOU_ESCAPE:
        c.definir_ponto(1, L, ym);
        c.definir_ponto(2, xm, T);
        break;
    case EOU_REGULADORA: {
        const int xr = somar(I((double(c.direita) + L) / 2.0), -6);
        c.definir_ponto(1, xr, T);
        c.definir_ponto(2, xr, somar(c.baixo, -1));
        break;
    }
    default: break;
    }
}

void TFamilia_Valvula_E_Ou::remover_ligacoes(TLista_Componente &lista, TComponente &r) const
{
    const int s = r.conexao(1);
    if (TComponente *c = s == -1 ? nullptr : lista.procurar(s)) {
        if (c->e_fio())
            lista.remover(s);
        else
            c->liberar_acoplado(r.codigo, r.valvula_e_ou_esc_reg->pino);
    }
    for (int porta = 2; porta <= 3; ++porta)
        if (const int s2 = r.conexao(porta); s2 != -1)
            lista.remover_fio_se_houver(s2);
}

} // namespace zefira
