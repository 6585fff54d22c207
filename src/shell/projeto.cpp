// The program entry: creates the windows and runs the message loop until the main window
// closes.

#include "files/copia_recuperacao.h"
#include "model/estado.h"
#include "shell/principal.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QTimer>
#include <QTranslator>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("ZEFIRA"));
    // The toolkit's own texts (file dialogs, standard buttons) in Portuguese as well.
    QTranslator traducao;
    if (traducao.load(QStringLiteral("qtbase_pt_BR"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(&traducao);
    zefira::TEstado estado;
    // ZEFIRA_SEM_CAPA skips the splash (automated runs, screenshots).
    zefira::TForm1 principal(estado, qEnvironmentVariableIsEmpty("ZEFIRA_SEM_CAPA"));
    zefira::TCopia_Recuperacao copia(zefira::TCopia_Recuperacao::Pasta_Padrao());
    principal.definir_recuperacao(&copia);
    principal.showMaximized();
    // After the splash: the question about a circuit a crash left behind.
    QTimer::singleShot(0, &principal, [&principal] { principal.oferecer_recuperacao(); });
    return app.exec();
}
