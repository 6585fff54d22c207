// What one undo step costs on circuits of about 100, 1,000 and 10,000 components: taking the
// snapshot after an edit (an arrow-key move), and undoing plus redoing it. The counters give
// the bytes one snapshot holds.
#include "documento/historico_documento.h"
#include "modelo/estado.h"

#include <QGuiApplication>
#include <benchmark/benchmark.h>

#include <memory>

using namespace zefira;

namespace {

void fio(TEstado &e, TComponente &a, int pa, TComponente &b, int pb)
{
    TComponente &w = e.lista().adicionar(TIPO_FIO, 0, -1, -1, -1, 0);
    const TPonto p = a.ponto(pa), q = b.ponto(pb);
    for (const TPonto &k : {p, TPonto(p.x, p.y - 10), TPonto(q.x, p.y - 10), q})
        w.fio->adicionar_ponto(k);
    w.fio->ligar(true, a.codigo, pa);
    w.fio->ligar(false, b.codigo, pb);
    a.ligar(pa, w.codigo);
    b.ligar(pb, w.codigo);
}

// Units of five: a supply docked on a 5/2 valve wired to a double-acting cylinder.
std::unique_ptr<TEstado> circuito(int componentes)
{
    auto e = std::make_unique<TEstado>();
    for (int u = 0; u < componentes / 5; ++u) {
        const int x = 40 + (u % 40) * 60, y = 100 + (u / 40) * 120;
        TComponente &s = e->lista().adicionar(TIPO_TOMADA_AR, x, -1, -1, -1, y + 40);
        TComponente &v = e->lista().adicionar(TIPO_VALVULA_DIRECIONAL, x, -1, -1, 5, y);
        v.valvula_direcional->definir_parte(1, 15);
        v.valvula_direcional->definir_parte(2, 16);
        TComponente &c = e->lista().adicionar(TIPO_CILINDRO, x, -1, 2, -1, y - 40);
        for (TComponente *k : {&s, &v, &c})
            k->atualizar_geometria();
        s.tomada_ar->ligar(v.codigo, 1);
        v.ligar(1, s.codigo);
        v.valvula_direcional->tomada_ar = true;
        fio(*e, v, 2, c, 1);
        fio(*e, v, 4, c, 2);
    }
    Iniciar_Historico(*e);
    return e;
}

void mover_um(TEstado &e, int passo)
{
    TComponente &c = e.lista()[1];
    c.esquerda += passo % 2 ? 1 : -1;
    c.atualizar_geometria();
}

void BM_RegistrarPasso(benchmark::State &st)
{
    auto e = circuito(int(st.range(0)));
    int n = 0;
    for (auto _ : st) {
        mover_um(*e, ++n);
        Registrar_Edicao(*e, QStringLiteral("mover"));
    }
    st.counters["componentes"] = e->lista().numero_componentes();
    st.counters["bytes_por_passo"] = double(e->historico_edicao.bytes()) / e->historico_edicao.numero_passos();
}

void BM_DesfazerRefazer(benchmark::State &st)
{
    auto e = circuito(int(st.range(0)));
    mover_um(*e, 1);
    Registrar_Edicao(*e, QStringLiteral("mover"));
    for (auto _ : st) {
        Desfazer(*e);
        Refazer(*e);
    }
    st.counters["componentes"] = e->lista().numero_componentes();
}

} // namespace

BENCHMARK(BM_RegistrarPasso)->Arg(100)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_DesfazerRefazer)->Arg(100)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond);
