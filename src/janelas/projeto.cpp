// The program entry: reads the command line, creates the windows and runs the message loop
// until the main window closes.

#include "documento/copia_recuperacao.h"
#include "modelo/estado.h"
#include "janelas/argumentos.h"
#include "janelas/icones.h"
#include "janelas/principal.h"
#include "janelas/verificar_instalacao.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QTimer>
#include <QTranslator>
#include <csignal>
#include <cstdio>

namespace {

void imprimir(std::FILE *saida, const QString &texto) { std::fputs(texto.toLocal8Bit().constData(), saida); }

} // namespace

int main(int argc, char **argv)
{
    // Past the file size limit a save fails with EFBIG and is reported, instead of the signal
    // closing the window.
    std::signal(SIGXFSZ, SIG_IGN);
    // Help and version are answered before the toolkit starts, so they work without a display.
    const zefira::TArgumentos antes = zefira::Ler_Argumentos(zefira::Argumentos_Brutos(argc, argv));
    if (antes.acao == zefira::AcaoInicial::Ajuda) {
        imprimir(stdout, zefira::Texto_Uso());
        return 0;
    }
    if (antes.acao == zefira::AcaoInicial::Versao) {
        imprimir(stdout, QString::fromLatin1(zefira::VERSAO_PROGRAMA) + QLatin1Char('\n'));
        return 0;
    }

    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("ZEFIRA"));
    QApplication::setApplicationVersion(QStringLiteral("1.0"));
    QGuiApplication::setDesktopFileName(QStringLiteral("br.edu.zefira.Zefira"));
    QApplication::setWindowIcon(zefira::Icone_Programa());
    // The toolkit has taken its own options (-platform, -style...) out of argv by now.
    const zefira::TArgumentos argumentos = zefira::Ler_Argumentos(zefira::Argumentos_Brutos(argc, argv));
    if (argumentos.acao == zefira::AcaoInicial::Erro) {
        imprimir(stderr, QStringLiteral("zefira: ") + argumentos.erro
                             + QStringLiteral("\nUse \"zefira --help\" para ver as opções.\n"));
        return 4;
    }
    // The toolkit's own texts (file dialogs, standard buttons) in Portuguese as well.
    QTranslator traducao;
    if (traducao.load(QStringLiteral("qtbase_pt_BR"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(&traducao);
    zefira::TEstado estado;
    if (argumentos.acao == zefira::AcaoInicial::Verificar) {
        // The windows are created as at a normal start but never shown.
        zefira::TForm1 principal(estado, false);
        QStringList linhas;
        const bool completo = zefira::Verificar_Instalacao(principal, estado, linhas);
        imprimir(stdout, linhas.join(QLatin1Char('\n')) + QLatin1Char('\n'));
        return completo ? 0 : 1;
    }
    // ZEFIRA_SEM_CAPA skips the splash (automated runs, screenshots).
    zefira::TForm1 principal(estado, qEnvironmentVariableIsEmpty("ZEFIRA_SEM_CAPA"));
    principal.abrir_ao_iniciar(argumentos.arquivo);
    zefira::TCopia_Recuperacao copia(zefira::TCopia_Recuperacao::Pasta_Padrao());
    principal.definir_recuperacao(&copia);
    principal.exibir();
    // After the splash: the question about a circuit a crash left behind.
    QTimer::singleShot(0, &principal, [&principal] { principal.oferecer_recuperacao(); });
    return app.exec();
}
