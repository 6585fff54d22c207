#include "componentes/cilindro/familia_cilindro.h"

#include "modelo/componente.h"
#include "modelo/direcao_porta.h"
#include "modelo/lista_componente.h"

#include <memory>

namespace zefira {

int TFamilia_Cilindro::tipo() const { return TIPO_CILINDRO; }

void TFamilia_Cilindro::criar(TComponente &c, const TImagens &imagens, const TVariante &v) const
{
    c.cilindro = std::make_unique<TCilindro>(imagens, v.tipo_cilindro);
    c.nome = QStringLiteral("Cilindro");
}

bool TFamilia_Cilindro::selecionado(const TComponente &c) const { return c.cilindro->selecionado(); }
void TFamilia_Cilindro::selecionar(TComponente &c) const { c.cilindro->selecionar(); }
void TFamilia_Cilindro::desselecionar(TComponente &c) const { c.cilindro->desselecionar(); }

const TFamilia_Eletrica *TFamilia_Cilindro::eletrica() const { return nullptr; }
int TFamilia_Cilindro::numero_portas() const { return 2; }
TDominio TFamilia_Cilindro::dominio(int) const { return TDominio::ar; }
int TFamilia_Cilindro::direcao(const TComponente &, int porta) const
{
    return porta == 1 || porta == 2 ? DIRECAO_BAIXO : 0;
}

// Port 1 is the left (advance) connection, port 2 the right one.
int TFamilia_Cilindro::conexao(const TComponente &c, int porta) const
{
    return porta == 1 || porta == 2 ? c.cilindro->conexao(porta == 1) : -1;
}

void TFamilia_Cilindro::ligar(TComponente &c, int porta, int codigo) const
{
    if (porta == 1 || porta == 2)
        c.cilindro->ligar(porta == 1, codigo);
}

void TFamilia_Cilindro::desligar(TComponente &c, int porta) const
{
    if (porta == 1 || porta == 2)
        c.cilindro->desligar(porta == 1);
}

void TFamilia_Cilindro::atualizar_geometria(TComponente &c) const
{
    c.ajustar_caixa(c.cilindro->figura_corpo);
    c.definir_ponto(1, somar(c.esquerda, 4), somar(c.baixo, 4));
    c.definir_ponto(2, somar(c.direita, -4), somar(c.baixo, 4));
}

void TFamilia_Cilindro::remover_ligacoes(TLista_Componente &lista, TComponente &r) const
{
    for (int porta = 1; porta <= 2; ++porta) {
        const int s = r.conexao(porta);
        TComponente *c = s == -1 ? nullptr : lista.procurar(s);
        if (!c)
            continue;
        if (c->e_fio())
            lista.remover(s);
        else if (c->tipo == TIPO_E_OU_ESC_REG)
            c->desligar(1);
        else if (c->tipo == TIPO_TOMADA_AR)
            c->tomada_ar->desligar();
    }
}

} // namespace zefira
