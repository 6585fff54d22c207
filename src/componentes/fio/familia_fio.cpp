#include "componentes/fio/familia_fio.h"

#include "modelo/componente.h"
#include "modelo/lista_componente.h"

#include <memory>

namespace zefira {

int TFamilia_Fio::tipo() const { return TIPO_FIO; }

void TFamilia_Fio::criar(TComponente &c, const TImagens &, const TVariante &) const
{
    c.fio = std::make_unique<TFio>();
}

bool TFamilia_Fio::selecionado(const TComponente &c) const { return c.fio->selecionado(); }
void TFamilia_Fio::selecionar(TComponente &c) const { c.fio->selecionar(); }
void TFamilia_Fio::desselecionar(TComponente &c) const { c.fio->desselecionar(); }

const TFamilia_Eletrica *TFamilia_Fio::eletrica() const { return nullptr; }
int TFamilia_Fio::numero_portas() const { return 0; }
TDominio TFamilia_Fio::dominio(int) const { return TDominio::ar; }
int TFamilia_Fio::direcao(const TComponente &, int) const { return 0; }
int TFamilia_Fio::conexao(const TComponente &, int) const { return -1; }
void TFamilia_Fio::ligar(TComponente &, int, int) const {}
void TFamilia_Fio::desligar(TComponente &, int) const {}

// A wire's geometry is its polyline.
void TFamilia_Fio::atualizar_geometria(TComponente &) const {}

// Frees the port slots at both ends that still hold something.
void TFamilia_Fio::remover_ligacoes(TLista_Componente &lista, TComponente &r) const
{
    for (bool origem : {true, false}) {
        const int s = r.fio->conexao(origem);
        TComponente *c = s == -1 ? nullptr : lista.procurar(s);
        if (!c)
            continue;
        const int pino = r.fio->pino(origem);
        if (c->conexao(pino) != -1)
            c->desligar(pino);
    }
}

} // namespace zefira
