// One repaint of the work area, as the 20 ms timer does, for every demonstration circuit:
// the repaint must stay well inside the tick.
#include "demos/demonstracoes.h"
#include "desenho/figura_acionador.h"
#include "desenho/renderizador.h"
#include "model/estado.h"
#include "model/interface_roteirizada.h"

#include <QGuiApplication>
#include <QPainter>
#include <benchmark/benchmark.h>

using namespace zefira;

namespace {

void desenhar_demonstracao(benchmark::State &s, const char *nome)
{
    TEstado estado;
    TInterfaceRoteirizada ui;
    Construir_Demonstracao(estado, ui, QString::fromLatin1(nome));
    Carregar_Figura_Acionador(estado);
    QImage superficie(1000, 650, QImage::Format_RGB32);
    for (auto _ : s) {
        QPainter p(&superficie);
        Desenhar(estado, p, false, false, TSegmento());
        benchmark::DoNotOptimize(superficie.bits());
    }
}

} // namespace

BENCHMARK_CAPTURE(desenhar_demonstracao, comandobasico1, "comandobasico1")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(desenhar_demonstracao, cascata, "cascata")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(desenhar_demonstracao, passoapasso, "passoapasso")->Unit(benchmark::kMillisecond);

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    return 0;
}
