#pragma once
// Generated circuits shared by the benchmarks.
#include "modelo/estado.h"

#include <QString>

#include <algorithm>

namespace zefira {

inline TComponente &fio(TEstado &e, TComponente &a, int pa, TComponente &b, int pb)
{
    TComponente &w = e.lista().adicionar(TIPO_FIO, 0, -1, -1, -1, 0);
    w.fio->ligar(true, a.codigo, pa);
    w.fio->ligar(false, b.codigo, pb);
    a.ligar(pa, w.codigo);
    b.ligar(pb, w.codigo);
    return w;
}

// Units of five components: a supply docked on a 5/2 valve (lever with latch on the left,
// spring on the right) driving a double-acting cylinder with two labelled stops, the end
// one pressing the roller of the next unit's valve. With `um_rotulo` every valve and every
// cylinder share the label "a". `espalhar` lays the units out on a wide grid (100 per row)
// instead of piling them inside a 1000 x 650 window. With `copias` the circuit is that many
// copies of one, as a class's exercises gathered in one file: the labels repeat from copy to
// copy and every cylinder stands at rest on the label of the next unit's roller, so each label
// holds `copias` rollers down under `copias` cylinders.
inline void unidades(TEstado &e, int componentes, bool um_rotulo, bool espalhar, int copias = 0)
{
    const int por_copia = copias > 0 ? std::max(1, componentes / 5 / copias) : 0;
    const auto rotulo = [&](int u) {
        return um_rotulo ? QStringLiteral("a") : QStringLiteral("a%1").arg(por_copia ? (u + por_copia) % por_copia : u);
    };
    for (int u = 0; u < componentes / 5; ++u) {
        const int x = espalhar ? 40 + (u % 100) * 90 : 40 + (u % 20) * 45;
        const int y = espalhar ? 80 + (u / 100) * 160 : 40 + (u / 20) % 12 * 50;
        TComponente &s = e.lista().adicionar(TIPO_TOMADA_AR, x, -1, -1, -1, y + 40);
        TComponente &v = e.lista().adicionar(TIPO_VALVULA_DIRECIONAL, x, -1, -1, 5, y);
        v.valvula_direcional->definir_parte(1, 15);
        v.valvula_direcional->definir_parte(2, 16);
        v.valvula_direcional->mola_dir = true;
        v.valvula_direcional->definir_acao_manual(false, 4);
        v.valvula_direcional->rotulo = rotulo(u - 1);
        v.valvula_direcional->definir_acao_mecanica(false, 2);
        TComponente &c = e.lista().adicionar(TIPO_CILINDRO, x, -1, 2, -1, y - 40);
        c.cilindro->definir_rotulo(1, rotulo(u), por_copia ? 0 : 100);
        c.cilindro->definir_rotulo(2, QStringLiteral("b%1").arg(u), 50);
        for (TComponente *k : {&s, &v, &c})
            k->atualizar_geometria();
        s.tomada_ar->ligar(v.codigo, 1);
        v.ligar(1, s.codigo);
        v.valvula_direcional->tomada_ar = true;
        fio(e, v, 2, c, 1);
        fio(e, v, 4, c, 2);
    }
}

} // namespace zefira
