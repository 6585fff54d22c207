// zefira-cli: the headless tool. Reads, checks, rewrites, edits by script, simulates, builds
// demonstrations and renders circuits, all without a window.

#include "cli/comandos.h"

#include "documento/nome_arquivo.h"

#include <QGuiApplication>
#include <QTextStream>
#include <csignal>
#include <cstdio>
#include <map>

namespace zefira::cli {

void saida(const QString &linha)
{
    // A file name quoted in the line comes out as the bytes it was given as.
    const QByteArray b = zefira::Bytes_Nome_Arquivo(linha + QLatin1Char('\n'));
    std::fwrite(b.constData(), 1, size_t(b.size()), stdout);
    std::fflush(stdout);
}

void erro(const QString &linha)
{
    // A file name quoted in the line comes out as the bytes it was given as.
    const QByteArray b = zefira::Bytes_Nome_Arquivo(linha + QLatin1Char('\n'));
    std::fwrite(b.constData(), 1, size_t(b.size()), stderr);
    std::fflush(stderr);
}

} // namespace zefira::cli

namespace {

const char *const USO =
    "Uso: zefira-cli COMANDO [argumentos]\n"
    "\n"
    "Comandos:\n"
    "  verificar [--avisos] ARQUIVO      lê o circuito e informa se é válido; --avisos lista\n"
    "                                    o que costuma impedir um circuito de funcionar\n"
    "  regravar ENTRADA SAIDA            lê ENTRADA e grava o circuito em SAIDA\n"
    "  roteiro ENTRADA ROTEIRO SAIDA [--desvio R]\n"
    "                                    repete ações do usuário e grava o resultado\n"
    "  simular ARQUIVO [--passos N] [--clique K:ALVO:esq|dir]... [--soltar K]...\n"
    "                  [--forca teorica]\n"
    "                                    simula o circuito e imprime cada passo em JSON\n"
    "  demo NOME SAIDA | demo --lista    grava um circuito de demonstração; --lista imprime\n"
    "                                    o nome de cada uma e, ao lado, a legenda do menu Demo\n"
    "  desenhar ARQUIVO SAIDA.png [--passos N] [--clique ...] [--soltar ...]\n"
    "                                    desenha a área de trabalho em PNG\n"
    "  exportar ARQUIVO SAIDA.png|svg|pdf [--escala K] [--passos N] [--clique ...] [--soltar ...]\n"
    "                                    grava o circuito em PNG, SVG ou PDF\n"
    "  simbolos PASTA [--escala K] [--svg]\n"
    "                                    grava cada figura da biblioteca de símbolos\n"
    "  sequencia ARQUIVO [--passos N] [--clique ...] [--soltar ...]\n"
    "                                    imprime os movimentos dos cilindros a cada passo\n"
    "  diagrama ARQUIVO SAIDA.png|svg|pdf [--passos N] [--clique ...] [--soltar ...] [--eletrico]\n"
    "                                    desenha o diagrama trajeto-passo da simulação;\n"
    "                                    --eletrico mostra também solenoides e relés\n"
    "  avaliar --sequencia \"A+ B+ B- A-\" [--ciclos N] [--csv] [--passos N] [--clique ...]\n"
    "          [--soltar ...] ARQUIVO...\n"
    "                                    confere a sequência de movimentos de cada circuito\n"
    "  gerar --sequencia \"A+ B+ B- A-\" --metodo intuitivo|cascata|passo-a-passo [--eletrico] SAIDA\n"
    "                                    grava o circuito que executa a sequência pelo método\n"
    "\n"
    "ALVO em --clique: o código de uma válvula direcional, o seu nome ou a tag de um botão ou\n"
    "chave seletora (o primeiro com esse nome, sem distinguir maiúsculas).\n"
    "\n"
    "verificar --avisos: depois de \"componentes: N\", um aviso por linha, \"CÓDIGO COMPONENTE: AVISO\"\n"
    "(por exemplo: 2 Válvula de 5 vias \"a0\": a porta 4 não está ligada a nada), e \"avisos: K\".\n"
    "Os avisos são conselhos: a saída é 0 com ou sem eles.\n"
    "\n"
    "Saída: 0 sucesso; 1 arquivo inválido; 2 erro ao abrir; 3 erro ao salvar; 4 uso incorreto.\n";

} // namespace

// Qt's own diagnostics (e.g. about the runtime folder of the offscreen platform) would mix
// with the tool's contracted output on stderr; they are shown only when asked for.
void mensagens_qt(QtMsgType tipo, const QMessageLogContext &, const QString &texto)
{
    if (tipo == QtFatalMsg || !qEnvironmentVariableIsEmpty("ZEFIRA_DEPURAR"))
        std::fprintf(stderr, "%s\n", texto.toLocal8Bit().constData());
}

int main(int argc, char **argv)
{
    // Past the file size limit a write fails with EFBIG, which the writer reports and cleans up
    // after, instead of the signal killing the process halfway through.
    std::signal(SIGXFSZ, SIG_IGN);
    qInstallMessageHandler(mensagens_qt);
    // Pictures and text are painted offscreen: no display is ever needed.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);

    // Arguments as given: a file name that is not valid UTF-8 keeps its bytes (see
    // Nome_Arquivo), which app.arguments() would replace.
    QStringList args;
    for (int i = 1; i < argc; ++i)
        args << zefira::Nome_Arquivo(QByteArray(argv[i]));
    if (args.isEmpty() || args[0] == QLatin1String("--help") || args[0] == QLatin1String("-h")) {
        std::fputs(USO, args.isEmpty() ? stderr : stdout);
        return args.isEmpty() ? zefira::cli::ERRO_USO : zefira::cli::OK;
    }
    using Comando = int (*)(const QStringList &);
    const std::map<QString, Comando> comandos = {
        {"verificar", zefira::cli::verificar}, {"regravar", zefira::cli::regravar},
        {"roteiro", zefira::cli::roteiro},     {"simular", zefira::cli::simular},
        {"demo", zefira::cli::demo},           {"desenhar", zefira::cli::desenhar},
        {"exportar", zefira::cli::exportar},   {"simbolos", zefira::cli::simbolos},
        {"sequencia", zefira::cli::sequencia}, {"diagrama", zefira::cli::diagrama},
        {"avaliar", zefira::cli::avaliar},     {"gerar", zefira::cli::gerar},
    };
    const QString nome = args.takeFirst();
    auto it = comandos.find(nome);
    if (it == comandos.end()) {
        zefira::cli::erro(QStringLiteral("zefira-cli: comando desconhecido: ") + nome);
        std::fputs(USO, stderr);
        return zefira::cli::ERRO_USO;
    }
    return it->second(args);
}
