#pragma once
// Circuit pieces built the way the editor leaves them, shared by the test folders: laid-out
// components, wires attached at both ends (both port slots naming the wire) and bare polylines.

#include "modelo/estado.h"

#include <initializer_list>
#include <vector>

namespace zefira::teste {

// A 2-way valve with squares 2va and 2vf, shown in position 2: box esquerda..+49 x topo..+25,
// port 1 at (esquerda + 36, topo + 30), port 2 at (esquerda + 36, topo - 5).
inline TComponente &valvula2(TEstado &e, int esquerda, int topo)
{
    TComponente &c = e.lista().adicionar(TIPO_VALVULA_DIRECIONAL, esquerda, -1, -1, 2, topo);
    c.valvula_direcional->definir_parte(1, 1);
    c.valvula_direcional->definir_parte(2, 2);
    c.atualizar_geometria();
    return c;
}

inline TComponente &componente(TEstado &e, int tipo, int esquerda, int topo, int tipo_e_ou = -1,
                               int tipo_cilindro = -1)
{
    TComponente &c = e.lista().adicionar(tipo, esquerda, tipo_e_ou, tipo_cilindro, -1, topo);
    c.atualizar_geometria();
    return c;
}

// A wire from port pa of a to port pb of b through the given bends, with both port slots naming it.
inline TComponente &ligar_fio(TLista_Componente &lista, TComponente &a, int pa, TComponente &b, int pb,
                              const std::vector<TPonto> &dobras = {})
{
    TComponente &fio = lista.adicionar(TIPO_FIO, 0, -1, -1, -1, 0);
    fio.fio->adicionar_ponto(a.ponto(pa));
    for (const TPonto &p : dobras)
        fio.fio->adicionar_ponto(p);
    fio.fio->adicionar_ponto(b.ponto(pb));
    fio.fio->ligar(true, a.codigo, pa);
    fio.fio->ligar(false, b.codigo, pb);
    a.ligar(pa, fio.codigo);
    b.ligar(pb, fio.codigo);
    return fio;
}

inline TComponente &ligar_fio(TEstado &e, TComponente &a, int pa, TComponente &b, int pb,
                              const std::vector<TPonto> &dobras = {})
{
    return ligar_fio(e.lista(), a, pa, b, pb, dobras);
}

// A wire attached to nothing, through the given points.
inline TComponente &polilinha(TEstado &e, std::initializer_list<TPonto> pontos)
{
    TComponente &w = e.lista().adicionar(TIPO_FIO, -1, -1, -1, -1, -1);
    for (const TPonto &p : pontos)
        w.fio->adicionar_ponto(p);
    return w;
}

inline void selecionar(TEstado &e, TComponente &c)
{
    c.selecionar();
    ++e.numero_selecionados;
}

// Components whose own flag says selected, whatever the state's counter says.
inline int contar_selecionados(const TEstado &e)
{
    int n = 0;
    for (int i = 0; i < e.lista_componentes->numero_componentes(); ++i)
        n += (*e.lista_componentes)[i].selecionado() ? 1 : 0;
    return n;
}

} // namespace zefira::teste
