// Docking and undocking of parts on host ports; the rules of each kind are in its family.
#include "modelo/acoplamento.h"

#include "modelo/ponto.h"

namespace zefira {

namespace {

bool liga_em_fio(const TEstado &estado, int codigo)
{
    const TComponente *c = codigo == LIVRE ? nullptr : estado.lista_componentes->procurar(codigo);
    return c && c->e_fio();
}

void varrer(TEstado &estado, TComponente &acoplado)
{
    TLista_Componente &lista = *estado.lista_componentes;
    for (int i = 0; i < lista.numero_componentes(); ++i) {
        TComponente &h = lista[i];
        if (&h == &acoplado || h.selecionado())
            continue;
        if (h.familia().acoplar(h, acoplado))
            return;
    }
}

} // namespace

bool Esta_Acoplado(const TComponente &hospedeiro, int, const TComponente &acoplado)
{
    return hospedeiro.familia().acolhe(acoplado) && acoplado.conexao(1) == hospedeiro.codigo;
}

TFamilia::TEncaixe Sob_Porta(const TComponente &hospedeiro, int porta)
{
    return {hospedeiro.ponto(porta).x, somar(hospedeiro.baixo, 5)};
}

void Posicionar_Acoplado(const TComponente &hospedeiro, int porta, TComponente &acoplado)
{
    const TFamilia::TEncaixe e = hospedeiro.familia().encaixe(hospedeiro, porta);
    acoplado.esquerda = somar(e.x, -acoplado.familia().recuo_acoplado());
    acoplado.topo = e.topo;
    acoplado.atualizar_geometria();
}

void Prender_Acoplado(TComponente &acoplado, TComponente &hospedeiro, int porta)
{
    acoplado.ponto_ativo = 1;
    acoplado.familia().prender(acoplado, hospedeiro.codigo, porta);
    hospedeiro.ligar(porta, acoplado.codigo);
}

void Soltar_Acoplado(TComponente &acoplado) { acoplado.ponto_ativo = -1; }

void Acoplar(TEstado &estado, TComponente &acoplado)
{
    if (liga_em_fio(estado, acoplado.conexao(1)))
        return;
    const int antes = acoplado.conexao(1);
    varrer(estado, acoplado);
    // Moved straight from one host's port onto another's: it let go of the old host during the
    // scan, so it may dock on the new one in the same move.
    if (antes != LIVRE && acoplado.conexao(1) == LIVRE)
        varrer(estado, acoplado);
}

} // namespace zefira
