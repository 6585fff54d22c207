// The circuit of current in one simulation step. Each relay unit is a rung with a selector, its
// coil and the solenoid of a valve-and-cylinder unit, and a second rung of five contacts (its
// own NA, NA and changeover, the next relay's NF and its own NF feeding a lamp): N relays and 5N
// contacts. Every selector is switched before each step, so every relay and every valve
// switches in every step. The electrical part of a step must grow linearly (400 relays cost at
// most 2.2 times 200, measured side by side in one run) and stay below the pneumatic part.
// A cascade, where each relay's contact feeds the next coil, shows what one step costs when the
// relays switch one after another.
#include "componentes/eletrico/familia_eletrica.h"
#include "gerar_circuitos.h"
#include "modelo/estado.h"
#include "simulacao/circuito_eletrico.h"
#include "simulacao/controle_simulacao.h"
#include "simulacao/simulacao.h"

#include <benchmark/benchmark.h>

#include <chrono>
#include <memory>

using namespace zefira;

namespace {

enum { SELETOR = 6, NA = 0, NF = 1, COMUTADOR = 2 };

// A part with the palette's settings for `modo` (placing it through the palette would number
// its tag by searching the whole list, quadratic in a generated circuit).
TComponente &parte(TEstado &e, int tipo, int modo, const QString &tag, int x, int y)
{
    TComponente &c = e.lista().adicionar(tipo, x, -1, -1, -1, y);
    c.familia().eletrica()->padrao(c, modo);
    if (!tag.isNull())
        c.eletrico->tag = tag;
    c.atualizar_geometria();
    return c;
}

// +24 V, the parts each from its port 1 to its port 2 (a changeover leaves by its NA, 3), 0 V.
void degrau(TEstado &e, std::initializer_list<TComponente *> partes, int x, int y)
{
    TComponente *antes = &parte(e, TIPO_BORNE, 0, QString(), x, y);
    int porta = 1;
    for (TComponente *c : partes) {
        fio(e, *antes, porta, *c, 1);
        antes = c;
        porta = c->tipo == TIPO_CONTATO && c->eletrico->modo == 1 ? 3 : 2;
    }
    fio(e, *antes, porta, parte(e, TIPO_BORNE, 1, QString(), x, y + 400), 1);
}

// Valve-and-cylinder units driven by solenoids, each by a relay unit.
std::unique_ptr<TEstado> reles(int n)
{
    auto e = std::make_unique<TEstado>();
    e->largura_area = 100000;
    e->altura_area = 100000;
    unidades(*e, 5 * n, false, true);
    int u = 0;
    for (int i = 0; i < e->lista().numero_componentes(); ++i)
        if (e->lista()[i].tipo == TIPO_VALVULA_DIRECIONAL)
            e->lista()[i].valvula_direcional->definir_solenoide(false, QStringLiteral("Y%1").arg(u++));
    for (int k = 0; k < n; ++k) {
        const QString tag = QStringLiteral("K%1").arg(k), proximo = QStringLiteral("K%1").arg((k + 1) % n);
        const int x = 40 + (k % 100) * 90, y = 20000 + (k / 100) * 500;
        degrau(*e, {&parte(*e, TIPO_BOTAO, SELETOR, QStringLiteral("S%1").arg(k), x, y),
                    &parte(*e, TIPO_BOBINA, 0, tag, x, y), &parte(*e, TIPO_SOLENOIDE, 0, QStringLiteral("Y%1").arg(k), x, y)},
               x, y);
        degrau(*e, {&parte(*e, TIPO_CONTATO, NA, tag, x, y), &parte(*e, TIPO_CONTATO, NA, tag, x, y),
                    &parte(*e, TIPO_CONTATO, COMUTADOR, tag, x, y), &parte(*e, TIPO_CONTATO, NF, proximo, x, y),
                    &parte(*e, TIPO_CONTATO, NF, tag, x, y), &parte(*e, TIPO_LAMPADA, 0, QString(), x, y)},
               x + 45, y);
    }
    return e;
}

// S1 feeds K0; each relay's NA contact feeds the next coil: switching S1 switches the relays one
// round after another.
std::unique_ptr<TEstado> cascata(int n)
{
    auto e = std::make_unique<TEstado>();
    degrau(*e, {&parte(*e, TIPO_BOTAO, SELETOR, QStringLiteral("S1"), 0, 0), &parte(*e, TIPO_BOBINA, 0, "K0", 0, 0)}, 0, 0);
    for (int k = 1; k < n; ++k) {
        TComponente &c = parte(*e, TIPO_CONTATO, NA, QStringLiteral("K%1").arg(k - 1), 0, 0);
        degrau(*e, {&c, &parte(*e, TIPO_BOBINA, 0, QStringLiteral("K%1").arg(k), 0, 0)}, 0, 0);
        for (int j = 0; j < 4; ++j)
            degrau(*e, {&parte(*e, TIPO_CONTATO, NA, QStringLiteral("K%1").arg(k), 0, 0),
                        &parte(*e, TIPO_LAMPADA, 0, QString(), 0, 0)}, 0, 0);
    }
    return e;
}

void iniciar(TEstado &e)
{
    AtualizarAcionadores(e);
    e.controles.TBiniciar_baixo = true;
    TBiniciarClick(e);
    Atualizar_Sistema(e);
}

void alternar_seletores(TEstado &e)
{
    for (int i = 0; i < e.lista().numero_componentes(); ++i)
        if (e.lista()[i].tipo == TIPO_BOTAO)
            e.lista()[i].eletrico->acionado ^= true;
}

// The electrical part alone: the solver built and run on the list, as a step does.
double resolver(TEstado &e)
{
    const auto inicio = std::chrono::steady_clock::now();
    TCircuito_Eletrico circuito(e.lista(), [](const QString &) { return false; });
    benchmark::DoNotOptimize(circuito.resolver());
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - inicio).count();
}

// Both sizes, alternately in one run: the ratio is not skewed by the machine's load drifting
// between two separate runs.
void razao(benchmark::State &st, std::unique_ptr<TEstado> (*gerar)(int))
{
    auto pequeno = gerar(int(st.range(0))), grande = gerar(2 * int(st.range(0)));
    double t_pequeno = 0, t_grande = 0;
    for (auto _ : st) {
        alternar_seletores(*pequeno);
        alternar_seletores(*grande);
        t_pequeno += resolver(*pequeno);
        t_grande += resolver(*grande);
    }
    st.counters["razao"] = t_grande / t_pequeno;
    st.counters["us_pequeno"] = 1e6 * t_pequeno / double(st.iterations());
    st.counters["us_grande"] = 1e6 * t_grande / double(st.iterations());
    st.counters["componentes_grande"] = grande->lista().numero_componentes();
}

void BM_RazaoReles(benchmark::State &st) { razao(st, reles); }
void BM_RazaoCascata(benchmark::State &st) { razao(st, cascata); }

// The whole step beside its electrical part, on the same circuit: the pneumatic part is the
// difference.
void BM_PassoReles(benchmark::State &st)
{
    auto e = reles(int(st.range(0)));
    iniciar(*e);
    double eletrico = 0, total = 0;
    for (auto _ : st) {
        alternar_seletores(*e);
        const auto inicio = std::chrono::steady_clock::now();
        Atualizar_Sistema(*e);
        total += std::chrono::duration<double>(std::chrono::steady_clock::now() - inicio).count();
        alternar_seletores(*e);
        eletrico += resolver(*e);
        Atualizar_Sistema(*e);
    }
    st.counters["us_passo"] = 1e6 * total / double(st.iterations());
    st.counters["us_eletrico"] = 1e6 * eletrico / double(st.iterations());
    st.counters["us_pneumatico"] = 1e6 * (total - eletrico) / double(st.iterations());
    st.counters["componentes"] = e->lista().numero_componentes();
}

} // namespace

BENCHMARK(BM_RazaoReles)->Arg(200)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RazaoCascata)->Arg(200)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PassoReles)->Arg(200)->Arg(400)->Unit(benchmark::kMillisecond);
