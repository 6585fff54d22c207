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
    // What the program remembers between runs goes to a folder of this run only.
    QTemporaryDir preferencias;
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, preferencias.path());
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
