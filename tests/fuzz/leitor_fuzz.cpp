// Fuzz target of the circuit reader. For any bytes: read them, write what was read, read that
// back (it must read without a message) and write it again (the same bytes but the date
// line); then draw the work area, measure what an export would take and paint its corner, and
// run two simulation steps, so that whatever the reader accepts also goes through layout,
// drawing, export and the step. Any violation aborts.
// Built as a libFuzzer target with clang (-DZEFIRA_FUZZ=ON), and replayed over the seed corpus
// by an ordinary test with any compiler (reproduzir_corpus.cpp).
#include "desenho/exportacao.h"
#include "desenho/figura_acionador.h"
#include "desenho/limites_desenho.h"
#include "desenho/renderizador.h"
#include "documento/arquivo_circuito.h"
#include "documento/leitor_circuito.h"
#include "simulacao/roteiro_simulacao.h"

#include <QByteArray>
#include <QGuiApplication>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace {

QByteArray sem_data(const QByteArray &dados)
{
    const qsizetype a = dados.indexOf("\r\n");
    const qsizetype b = dados.indexOf("\r\n", a + 2);
    return a < 0 || b < 0 ? dados : dados.left(a) + dados.mid(b);
}

void violacao(const char *o_que, const QByteArray &a, const QByteArray &b)
{
    std::fprintf(stderr, "%s\n--- primeira ---\n%s\n--- segunda ---\n%s\n", o_que, a.constData(), b.constData());
    std::abort();
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static QGuiApplication app(*argc, *argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *dados, size_t tamanho)
{
    using namespace zefira;
    TEstado estado;
    TLeitor_Circuito(estado, QByteArray(reinterpret_cast<const char *>(dados), qsizetype(tamanho))).ler();
    const QByteArray primeira = Conteudo_Arquivo(estado);

    TEstado releitura;
    const TResultadoLeitura r = TLeitor_Circuito(releitura, primeira).ler();
    if (r.status != StatusLeitura::Ok)
        violacao(qPrintable(QStringLiteral("o arquivo gravado não foi lido: ") + r.mensagem), primeira, QByteArray());
    const QByteArray segunda = Conteudo_Arquivo(releitura);
    if (sem_data(primeira) != sem_data(segunda))
        violacao("gravar o que foi lido de um arquivo gravado mudou os bytes", primeira, segunda);

    Carregar_Figura_Acionador(estado);
    Imagem_Area_Trabalho(estado, 200, 130);
    TExtensao area;
    if (Extensao_Exportacao(estado, area)) {
        tamanho_excessivo(QSizeF(double(area.largura()), double(area.altura())), 2, true);
        QImage canto(200, 130, QImage::Format_RGB32);
        QPainter p(&canto);
        Desenhar_Area(estado, p, area.retangulo());
    }
    TRoteiro_Simulacao roteiro;
    roteiro.passos = 2;
    roteiro.iniciar(estado);
    for (int k = 1; k <= roteiro.passos; ++k)
        roteiro.executar_passo(estado, k);
    Imagem_Area_Trabalho(estado, 200, 130);
    return 0;
}
