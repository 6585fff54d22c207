// Entry point of the widget tests: a QApplication on the offscreen platform, so windows are
// created and driven without a display.
#include <QApplication>
#include <QStandardPaths>
#include <gtest/gtest.h>

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qputenv("ZEFIRA_SEM_CAPA", "1");
    QApplication app(argc, argv);
    // Settings the program keeps (the speed) go to a test location, never the user's.
    QStandardPaths::setTestModeEnabled(true);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
