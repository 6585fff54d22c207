// One simulation step on generated circuits of about 100, 1,000 and 10,000 components:
// valve-and-cylinder units, a junction mesh full of loops, and units clicked every step; and
// a ring of 50, 200 and 800 supplied junctions, whose step grows with the square of the supplies.
#include "model/estado.h"
#include "simulation/controle_simulacao.h"
#include "simulation/simulacao.h"

#include <QGuiApplication>
#include <benchmark/benchmark.h>

#include <cmath>
#include <memory>
#include <vector>

using namespace zefira;

namespace {

TComponente &fio(TEstado &e, TComponente &a, int pa, TComponente &b, int pb)
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
// one pressing the roller of the next unit's valve.
void unidades(TEstado &e, int componentes)
{
    for (int u = 0; u < componentes / 5; ++u) {
        const int x = 40 + (u % 20) * 45, y = 40 + (u / 20) % 12 * 50;
        TComponente &s = e.lista().adicionar(TIPO_TOMADA_AR, x, -1, -1, -1, y + 40);
        TComponente &v = e.lista().adicionar(TIPO_VALVULA_DIRECIONAL, x, -1, -1, 5, y);
        v.valvula_direcional->definir_parte(1, 15);
        v.valvula_direcional->definir_parte(2, 16);
        v.valvula_direcional->mola_dir = true;
        v.valvula_direcional->definir_acao_manual(false, 4);
        v.valvula_direcional->rotulo = QStringLiteral("a%1").arg(u - 1);
        v.valvula_direcional->definir_acao_mecanica(false, 2);
        TComponente &c = e.lista().adicionar(TIPO_CILINDRO, x, -1, 2, -1, y - 40);
        c.cilindro->definir_rotulo(1, QStringLiteral("a%1").arg(u), 100);
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
    std::vector<TComponente *> j(size_t(n));
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

void BM_Unidades(benchmark::State &st)
{
    auto e = circuito(unidades, int(st.range(0)));
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
    auto e = circuito(unidades, int(st.range(0)));
    for (auto _ : st) {
        for (int i = 0; i < e->lista().numero_componentes(); ++i)
            if (e->lista()[i].tipo == TIPO_VALVULA_DIRECIONAL)
                Acionar_Lado(*e->lista()[i].valvula_direcional, false);
        Soltar_Acionadores(*e, false);
        Atualizar_Sistema(*e);
    }
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

BENCHMARK(BM_AnelDeTomadas)->Arg(200)->Arg(800)->Arg(3200)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Unidades)->Arg(100)->Arg(1000)->Arg(10000)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Malha)->Arg(100)->Arg(1000)->Arg(10000)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_UnidadesAcionadas)->Arg(100)->Arg(1000)->Arg(10000)->Unit(benchmark::kMicrosecond);

int main(int argc, char **argv)
{
    // The symbol library paints text, which needs a GUI application (no display).
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
