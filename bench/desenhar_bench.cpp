// One repaint of the work area, as the 20 ms timer does, for every demonstration circuit:
// the repaint must stay well inside the tick. Also a 20,000-component circuit whose most part
// lies outside the 1000 x 650 view (culled: compare with the largest demonstration), and
// reading a file alone against reading and drawing it (as zefira-cli verificar and desenhar),
// also for a file of 100 copies of one circuit, whose labels each hold 100 rollers down under 100
// cylinders before the first picture.
#include "demonstracoes/demonstracoes.h"
#include "documento/arquivo_circuito.h"
#include "gerar_circuitos.h"
#include "desenho/figura_acionador.h"
#include "desenho/renderizador.h"
#include "modelo/estado.h"
#include "modelo/interface_roteirizada.h"
#include "simulacao/simulacao.h"

#include <QGuiApplication>
#include <QPainter>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

using namespace zefira;

namespace {

// One repaint of a 1000 x 650 work area per iteration, as the 20 ms timer does.
void repintar(benchmark::State &s, TEstado &estado)
{
    Carregar_Figura_Acionador(estado);
    QImage superficie(1000, 650, QImage::Format_RGB32);
    for (auto _ : s) {
        QPainter p(&superficie);
        Desenhar(estado, p, false, false, TSegmento());
        benchmark::DoNotOptimize(superficie.bits());
    }
}

void desenhar_demonstracao(benchmark::State &s, const char *nome)
{
    TEstado estado;
    TInterfaceRoteirizada ui;
    Construir_Demonstracao(estado, ui, QString::fromLatin1(nome));
    repintar(s, estado);
}

void desenhar_gerado(benchmark::State &s)
{
    TEstado estado;
    estado.largura_area = estado.altura_area = 1000000;
    unidades(estado, int(s.range(0)), false, true);
    repintar(s, estado);
    s.counters["componentes"] = estado.lista().numero_componentes();
}

// A saved circuit of n generated components (in `copias` copies), written once per size.
QString arquivo_gerado(int n, int copias = 0)
{
    static QTemporaryDir pasta;
    const QString nome = pasta.filePath(QStringLiteral("gerado_%1_%2.zfr").arg(n).arg(copias));
    if (!QFile::exists(nome)) {
        TEstado estado;
        estado.largura_area = estado.altura_area = 1000000;
        unidades(estado, n, false, true, copias);
        Salvar_Arquivo(estado, nome);
    }
    return nome;
}

void ler_arquivo(benchmark::State &s)
{
    const QString nome = arquivo_gerado(int(s.range(0)), int(s.range(1)));
    for (auto _ : s) {
        TEstado estado;
        benchmark::DoNotOptimize(Abrir_Arquivo(estado, nome));
    }
}

void ler_e_desenhar_arquivo(benchmark::State &s)
{
    const QString nome = arquivo_gerado(int(s.range(0)), int(s.range(1)));
    for (auto _ : s) {
        TEstado estado;
        Abrir_Arquivo(estado, nome);
        Carregar_Figura_Acionador(estado);
        AtualizarAcionadores(estado); // the valves at rest, as the first tick shows them
        const QImage figura = Imagem_Area_Trabalho(estado);
        benchmark::DoNotOptimize(figura.constBits());
    }
}

} // namespace

BENCHMARK(desenhar_gerado)->Arg(20000)->Unit(benchmark::kMillisecond);
BENCHMARK(ler_arquivo)->Args({20000, 0})->Args({21500, 100})->Args({100000, 0})->Unit(benchmark::kMillisecond);
BENCHMARK(ler_e_desenhar_arquivo)->Args({20000, 0})->Args({21500, 100})->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(desenhar_demonstracao, comandobasico1, "comandobasico1")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(desenhar_demonstracao, cascata, "cascata")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(desenhar_demonstracao, passoapasso, "passoapasso")->Unit(benchmark::kMillisecond);
