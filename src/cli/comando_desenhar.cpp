// zefira-cli desenhar ARQUIVO SAIDA.png [--passos N] [--clique K:ALVO:esq|dir]... [--soltar K]...
// Paints the work area of a circuit, optionally after some simulation steps, into a PNG.
#include "cli/comandos.h"

#include "desenho/figura_acionador.h"
#include "desenho/renderizador.h"
#include "files/arquivo_circuito.h"
#include "simulation/roteiro_simulacao.h"
#include "simulation/simulacao.h"

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

int desenhar(const QStringList &args)
{
    TRoteiro_Simulacao roteiro;
    QStringList posicionais;
    QString mensagem;
    if (!roteiro.ler(args, posicionais, mensagem)) {
        erro(QStringLiteral("zefira-cli: ") + mensagem);
        erro(QString::fromUtf8(USO_DESENHAR));
        return ERRO_USO;
    }
    if (posicionais.size() != 2 || posicionais[0].startsWith(QLatin1String("--")) ||
        posicionais[1].startsWith(QLatin1String("--"))) {
        erro(QString::fromUtf8(USO_DESENHAR));
        return ERRO_USO;
    }

    TEstado estado;
    Carregar_Figura_Acionador(estado);
    const TResultadoLeitura r = Abrir_Arquivo(estado, posicionais[0]);
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

    const QImage imagem = Imagem_Area_Trabalho(estado, LARGURA_AREA, ALTURA_AREA);
    QImageWriter escritor(posicionais[1], "png");
    if (!escritor.write(imagem)) {
        erro(QStringLiteral("Erro ao salvar arquivo!"));
        return ERRO_ESCRITA;
    }
    return OK;
}

} // namespace zefira::cli
