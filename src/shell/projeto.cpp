// The program entry: creates the windows and runs the message loop until the main window
// closes.

#include "model/estado.h"
#include "shell/principal.h"

#include <QApplication>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("ZEFIRA"));
    zefira::TEstado estado;
    // ZEFIRA_SEM_CAPA skips the splash (automated runs, screenshots).
    zefira::TForm1 principal(estado, qEnvironmentVariableIsEmpty("ZEFIRA_SEM_CAPA"));
    principal.showMaximized();
    return app.exec();
}
