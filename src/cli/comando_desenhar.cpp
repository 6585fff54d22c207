// zefira-cli desenhar ARQUIVO SAIDA.png [--passos N] [--clique K:ALVO:esq|dir]... [--soltar K]...
// Paints the work area of a circuit, optionally after some simulation steps, into a PNG.
#include "cli/comandos.h"

#include "desenho/figura_acionador.h"
#include "desenho/renderizador.h"
#include "documento/arquivo_circuito.h"
#include "documento/gravacao_segura.h"
#include "simulacao/roteiro_simulacao.h"
#include "simulacao/simulacao.h"

#include <QBuffer>
#include <QImageWriter>

namespace zefira::cli {

namespace {

const Status STATUS_LEITURA[] = {OK, INVALIDO, ERRO_LEITURA}; // by StatusLeitura

const char *const USO_DESENHAR =
    "Uso: zefira-cli desenhar ARQUIVO SAIDA.png [--passos N] [--clique K:ALVO:esq|dir]... [--soltar K]...\n"
    "  Desenha a área de trabalho (1000 x 650) do circuito em SAIDA.png. Com --passos, desenha\n"
    "  depois de N passos de simulação, com os mesmos eventos do comando \"simular\" (com --clique\n"
    "  ou --soltar sem --passos, 10 passos).\n"
    "  Saída: 0 gravado; 1 arquivo inválido; 2 erro ao abrir; 3 erro ao salvar; 4 uso incorreto.";

constexpr int LARGURA_AREA = 1000;
constexpr int ALTURA_AREA = 650;

} // namespace

int abrir_e_simular(TRoteiro_Simulacao &roteiro, const QString &arquivo, TEstado &estado)
{
    Carregar_Figura_Acionador(estado);
    const TResultadoLeitura r = Abrir_Arquivo(estado, arquivo);
    if (r.status != StatusLeitura::Ok) {
        erro(r.mensagem);
        return STATUS_LEITURA[int(r.status)];
    }
    if (roteiro.presente()) {
        const QString invalido = roteiro.validar(estado);
        if (!invalido.isEmpty()) {
            erro(QStringLiteral("zefira-cli: ") + invalido);
            return ERRO_USO;
        }
        roteiro.iniciar(estado);
        for (int k = 1; k <= roteiro.passos; ++k)
            roteiro.executar_passo(estado, k);
    } else {
        // The first timer tick after opening brings the valves to rest, rollers held by
        // cylinders standing on labels included, before anything is drawn.
        AtualizarAcionadores(estado);
        estado.acionadores_atualizados = true;
    }
    return OK;
}

int desenhar(const QStringList &args)
{
    TRoteiro_Simulacao roteiro;
    QStringList posicionais;
    if (!ler_opcoes_simulacao(args, 2, USO_DESENHAR, roteiro, posicionais))
        return ERRO_USO;
    TEstado estado;
    const int status = abrir_e_simular(roteiro, posicionais[0], estado);
    if (status != OK)
        return status;

    const QImage imagem = Imagem_Area_Trabalho(estado, LARGURA_AREA, ALTURA_AREA);
    // Encoded in memory first, so that the file is written (or left alone) in one piece.
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter escritor(&buffer, "png");
    if (!escritor.write(imagem) || !Gravar_Arquivo_Seguro(posicionais[1], png)) {
        erro(QStringLiteral("Erro ao salvar arquivo!"));
        return ERRO_ESCRITA;
    }
    return OK;
}

} // namespace zefira::cli
