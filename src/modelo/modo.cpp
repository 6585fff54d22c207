#include "modelo/modo.h"

#include "componentes/registro.h"

#include <QtGlobal>
#include <algorithm>

namespace zefira {

const std::vector<TPeca> &Pecas()
{
    static const std::vector<TPeca> pecas = [] {
        std::vector<TPeca> p;
        for (const TFamilia *f : Familias())
            for (const TEntrada_Paleta &e : f->paleta())
                p.push_back({f, &e});
        std::stable_sort(p.begin(), p.end(),
                         [](const TPeca &a, const TPeca &b) { return a.entrada->codigo < b.entrada->codigo; });
        // Every placement mode needs a value of its own, apart from the other modes.
        for (size_t i = 0; i < p.size(); ++i) {
            const int codigo = p[i].entrada->codigo;
            if (codigo == MODO_EDICAO || codigo == MODO_FIO || codigo == MODO_SIMULACAO ||
                (i > 0 && codigo == p[i - 1].entrada->codigo))
                qFatal("placement code %d is taken", codigo);
        }
        return p;
    }();
    return pecas;
}

int Ordem_Peca(int modo)
{
    const std::vector<TPeca> &p = Pecas();
    for (size_t i = 0; i < p.size(); ++i)
        if (p[i].entrada->codigo == modo)
            return int(i);
    return -1;
}

const TPeca *Peca_Posicionada(int modo)
{
    const int i = Ordem_Peca(modo);
    return i < 0 ? nullptr : &Pecas()[size_t(i)];
}

} // namespace zefira
