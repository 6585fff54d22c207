// The program entry: creates the windows and runs the message loop until the main window
// closes.

#include "model/estado.h"
#include "shell/principal.h"

#include <QApplication>
#include <QLibraryInfo>
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
    principal.exibir();
    return app.exec();
}
