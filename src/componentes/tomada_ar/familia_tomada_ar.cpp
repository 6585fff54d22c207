#include "componentes/tomada_ar/familia_tomada_ar.h"

#include "modelo/componente.h"
#include "modelo/direcao_porta.h"
#include "modelo/lista_componente.h"

#include <memory>

namespace zefira {

int TFamilia_Tomada_Ar::tipo() const { return TIPO_TOMADA_AR; }

void TFamilia_Tomada_Ar::criar(TComponente &c, const TImagens &imagens, const TVariante &) const
{
    c.tomada_ar = std::make_unique<TTomada_Ar>(imagens);
    c.nome = QStringLiteral("Tomada de Ar");
}

bool TFamilia_Tomada_Ar::selecionado(const TComponente &c) const { return c.tomada_ar->selecionado(); }
void TFamilia_Tomada_Ar::selecionar(TComponente &c) const { c.tomada_ar->selecionar(); }
void TFamilia_Tomada_Ar::desselecionar(TComponente &c) const { c.tomada_ar->desselecionar(); }

const TFamilia_Eletrica *TFamilia_Tomada_Ar::eletrica() const { return nullptr; }
int TFamilia_Tomada_Ar::numero_portas() const { return 1; }
TDominio TFamilia_Tomada_Ar::dominio(int) const { return TDominio::ar; }
int TFamilia_Tomada_Ar::direcao(const TComponente &, int porta) const { return porta == 1 ? DIRECAO_CIMA : 0; }

int TFamilia_Tomada_Ar::conexao(const TComponente &c, int porta) const
{
    return porta == 1 ? c.tomada_ar->conexao : -1;
}

// Linking keeps the docking port (pino); unlinking forgets it as well.
void TFamilia_Tomada_Ar::ligar(TComponente &c, int porta, int codigo) const
{
    if (porta == 1)
        c.tomada_ar->conexao = codigo;
}

void TFamilia_Tomada_Ar::desligar(TComponente &c, int porta) const
{
    if (porta == 1)
        c.tomada_ar->desligar();
}

void TFamilia_Tomada_Ar::atualizar_geometria(TComponente &c) const
{
    c.ajustar_caixa(c.tomada_ar->figura);
    c.definir_ponto(1, somar(c.esquerda, R(c.tomada_ar->figura.width() / 2.0)), c.topo);
}

void TFamilia_Tomada_Ar::remover_ligacoes(TLista_Componente &lista, TComponente &r) const
{
    const int s = r.tomada_ar->conexao;
    TComponente *c = s == -1 ? nullptr : lista.procurar(s);
    if (!c)
        return;
    if (c->e_fio()) {
        lista.remover(s);
    } else if (c->tipo == TIPO_VALVULA_DIRECIONAL) {
        c->desligar(1);
        c->valvula_direcional->tomada_ar = false;
    } else {
        c->liberar_acoplado(r.codigo, r.tomada_ar->pino);
    }
}

} // namespace zefira
