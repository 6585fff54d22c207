// Entry point of the widget tests: a QApplication on the offscreen platform, so windows are
// created and driven without a display.
#include <QApplication>
#include <QSettings>
#include <QTemporaryDir>
#include <gtest/gtest.h>

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qputenv("ZEFIRA_SEM_CAPA", "1");
    QApplication app(argc, argv);
    // Settings the program keeps (the speed) go to a folder of this process only: never the
    // user's, and never shared with tests running in parallel.
    QTemporaryDir configuracao;
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, configuracao.path());
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
