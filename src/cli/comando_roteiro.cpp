// zefira-cli roteiro ENTRADA ROTEIRO SAIDA [--desvio R]: replays a script of user actions on
// the headless editor and writes the resulting circuit.
#include "cli/comandos.h"

#include "edicao/area_trabalho.h"
#include "edicao/roteiro.h"
#include "documento/arquivo_circuito.h"
#include "documento/nome_arquivo.h"
#include "documento/historico_documento.h"
#include "modelo/interface_roteirizada.h"


namespace zefira::cli {

namespace {

constexpr int LARGURA_AREA = 1000, ALTURA_AREA = 650;

int uso()
{
    erro(QStringLiteral("Uso: zefira-cli roteiro ENTRADA ROTEIRO SAIDA [--desvio R]\n"
                        "  ENTRADA: circuito .zfr, ou - para um documento vazio.\n"
                        "  ROTEIRO: uma ação por linha (paleta, pressionar, mover, soltar, duplo, tecla,\n"
                        "  menu, responder); linhas vazias ou iniciadas por # são ignoradas.\n"
                        "  --desvio R (0..29): desvio fixo das rotas dos fios; sem ele, aleatório.\n"
                        "  Perguntas e mensagens saem como \"pergunta: TEXTO\" e \"mensagem: TEXTO\".\n"
                        "  Saída: 0 sucesso; 1 ENTRADA inválido; 2 erro ao abrir; 3 erro ao salvar;\n"
                        "  4 uso incorreto ou linha inválida no roteiro."));
    return ERRO_USO;
}

} // namespace

int roteiro(const QStringList &args)
{
    QStringList posicionais;
    int desvio = -1;
    for (int i = 0; i < args.size(); ++i) {
        if (args[i] == QLatin1String("--desvio")) {
            bool ok = false;
            desvio = i + 1 < args.size() ? args[i + 1].toInt(&ok) : -1;
            if (!ok || desvio < 0 || desvio > 29)
                return uso();
            ++i;
        } else {
            posicionais << args[i];
        }
    }
    if (posicionais.size() != 3)
        return uso();
    const QString &entrada = posicionais[0], &nome_roteiro = posicionais[1], &nome_saida = posicionais[2];

    // Only a regular file: a device could feed an endless stream and a pipe block forever.
    QByteArray texto;
    if (!Ler_Arquivo_Comum(nome_roteiro, texto)) {
        erro(QStringLiteral("roteiro: não foi possível ler ") + nome_roteiro);
        return ERRO_LEITURA;
    }
    TRoteiro roteiro;
    if (const int linha = roteiro.analisar(QString::fromUtf8(texto)); linha != 0) {
        erro(QStringLiteral("roteiro: linha %1 inválida").arg(linha));
        return ERRO_USO;
    }

    TEstado estado;
    FormCreate(estado, LARGURA_AREA, ALTURA_AREA);
    if (desvio >= 0)
        estado.aleatorio = [desvio](int) { return desvio; };
    TInterfaceRoteirizada ui;
    ui.ao_registrar = [](const QString &linha) {
        QString texto = linha;
        texto.replace(QLatin1String("\r\n"), QLatin1String("\\n")).replace(QLatin1Char('\n'), QLatin1String("\\n"));
        saida(texto);
    };

    int status = OK;
    if (entrada != QLatin1String("-")) {
        const TResultadoLeitura r = Abrir_Arquivo(estado, entrada);
        if (!r.mensagem.isEmpty())
            ui.mensagem(r.mensagem);
        if (r.status == StatusLeitura::ErroAbrir)
            return ERRO_LEITURA;
        // As in the program, what was read before an invalid field stays and can be edited.
        if (r.status == StatusLeitura::Invalido)
            status = INVALIDO;
    }

    // Undo in the script goes back as far as the circuit it started from.
    Iniciar_Historico(estado);
    roteiro.executar(estado, ui);

    if (!Salvar_Arquivo(estado, nome_saida)) {
        ui.mensagem(QStringLiteral("Erro ao salvar arquivo!"));
        return ERRO_ESCRITA;
    }
    return status;
}

} // namespace zefira::cli
