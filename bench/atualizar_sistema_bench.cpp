// One simulation step on generated circuits of about 100, 1,000 and 10,000 components:
// valve-and-cylinder units, a junction mesh full of loops, and units clicked every step; one
// label shared by every valve and cylinder, whose step must grow linearly; and a ring of
// supplied junctions, whose step grows with the square of the supplies.
#include "gerar_circuitos.h"
#include "modelo/estado.h"
#include "simulacao/controle_simulacao.h"
#include "simulacao/simulacao.h"

#include <QGuiApplication>
#include <benchmark/benchmark.h>

#include <cmath>
#include <memory>
#include <vector>

using namespace zefira;

namespace {

// A square mesh of junctions, every inner port wired to its neighbour (loops everywhere),
// fed at one corner, with a cylinder hanging from each junction of the bottom row.
void malha(TEstado &e, int componentes)
{
    const int lado = std::max(2, int(std::sqrt(componentes / 3.0)));
    std::vector<TComponente *> j(size_t(lado * lado));
    for (int r = 0; r < lado; ++r)
        for (int c = 0; c < lado; ++c)
            j[size_t(r * lado + c)] = &e.lista().adicionar(TIPO_JUMP, 10 + c * 20, -1, -1, -1, 10 + r * 20);
    for (int r = 0; r < lado; ++r)
        for (int c = 0; c < lado; ++c) {
            if (c + 1 < lado)
                fio(e, *j[size_t(r * lado + c)], 4, *j[size_t(r * lado + c + 1)], 3);
            if (r + 1 < lado)
                fio(e, *j[size_t(r * lado + c)], 2, *j[size_t((r + 1) * lado + c)], 1);
        }
    TComponente &s = e.lista().adicionar(TIPO_TOMADA_AR, 0, -1, -1, -1, 0);
    fio(e, s, 1, *j[0], 1);
    for (int c = 0; c < lado; c += 2) {
        TComponente &cil = e.lista().adicionar(TIPO_CILINDRO, 10 + c * 20, -1, 2, -1, 10 + lado * 20);
        fio(e, *j[size_t((lado - 1) * lado + c)], 2, cil, 1);
    }
}

// A ring of junctions, each fed by its own supply: every supply starts its own walk over the
// whole connected network, so one step grows with the square of the number of supplies.
void anel_de_tomadas(TEstado &e, int componentes)
{
    const int n = std::max(2, componentes / 4);
    std::vector<TComponente *> j(static_cast<size_t>(n));
    for (int i = 0; i < n; ++i)
        j[size_t(i)] = &e.lista().adicionar(TIPO_JUMP, 10 + (i % 100) * 20, -1, -1, -1, 40 + (i / 100) * 60);
    for (int i = 0; i < n; ++i) {
        fio(e, *j[size_t(i)], 4, *j[size_t((i + 1) % n)], 3);
        TComponente &s = e.lista().adicionar(TIPO_TOMADA_AR, 10 + (i % 100) * 20, -1, -1, -1, 10 + (i / 100) * 60);
        fio(e, s, 1, *j[size_t(i)], 1);
    }
}

std::unique_ptr<TEstado> circuito(void (*gerar)(TEstado &, int), int componentes)
{
    auto e = std::make_unique<TEstado>();
    e->largura_area = 100000;
    e->altura_area = 100000;
    gerar(*e, componentes);
    AtualizarAcionadores(*e);
    e->controles.TBiniciar_baixo = true;
    TBiniciarClick(*e);
    Atualizar_Sistema(*e); // past the first step's moves
    return e;
}

void unidades_proprias(TEstado &e, int componentes) { unidades(e, componentes, false, false); }
void unidades_um_rotulo(TEstado &e, int componentes) { unidades(e, componentes, true, false); }

void BM_Unidades(benchmark::State &st)
{
    auto e = circuito(unidades_proprias, int(st.range(0)));
    for (auto _ : st)
        Atualizar_Sistema(*e);
    st.counters["componentes"] = e->lista().numero_componentes();
}

void BM_Malha(benchmark::State &st)
{
    auto e = circuito(malha, int(st.range(0)));
    for (auto _ : st)
        Atualizar_Sistema(*e);
    st.counters["componentes"] = e->lista().numero_componentes();
    st.counters["nos"] = e->lista_nos->numero_nos();
}

// Every valve's latch is toggled before each step, so every valve shifts and every cylinder
// travels in every step.
void BM_UnidadesAcionadas(benchmark::State &st)
{
    auto e = circuito(unidades_proprias, int(st.range(0)));
    for (auto _ : st) {
        for (int i = 0; i < e->lista().numero_componentes(); ++i)
            if (e->lista()[i].tipo == TIPO_VALVULA_DIRECIONAL)
                Acionar_Lado(e->lista()[i], false);
        Soltar_Acionadores(*e, false);
        Atualizar_Sistema(*e);
    }
    st.counters["componentes"] = e->lista().numero_componentes();
}

// Every valve refers to one label and every cylinder carries it: the contact updates of one
// step meet every valve of the label once per cylinder unless they are indexed. A step of 2N
// components should cost about twice a step of N.
void BM_RotuloCompartilhado(benchmark::State &st)
{
    auto e = circuito(unidades_um_rotulo, int(st.range(0)));
    for (auto _ : st)
        Atualizar_Sistema(*e);
    st.counters["componentes"] = e->lista().numero_componentes();
}

void BM_AnelDeTomadas(benchmark::State &st)
{
    auto e = circuito(anel_de_tomadas, int(st.range(0)));
    for (auto _ : st)
        Atualizar_Sistema(*e);
    st.counters["componentes"] = e->lista().numero_componentes();
    st.counters["tomadas"] = e->lista().numero_componentes() / 4;
}

} // namespace

BENCHMARK(BM_RotuloCompartilhado)->Arg(2500)->Arg(5000)->Arg(10000)->Arg(20000)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_AnelDeTomadas)->Arg(200)->Arg(800)->Arg(3200)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Unidades)->Arg(100)->Arg(1000)->Arg(10000)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Malha)->Arg(100)->Arg(1000)->Arg(10000)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_UnidadesAcionadas)->Arg(100)->Arg(1000)->Arg(10000)->Unit(benchmark::kMicrosecond);
