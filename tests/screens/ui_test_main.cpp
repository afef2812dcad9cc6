#include "screens/modal_watchdog.h"

#include <QApplication>
#include <QLocale>
#include <gtest/gtest.h>

// Screens are real widgets on an invisible display; nothing a test opens can wait for a person.
int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication app(argc, argv);
    // Results show the regional decimal separator; the tests expect a point whatever the machine.
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    QApplication::setQuitOnLastWindowClosed(false);
    radirav::testing::ModalWatchdog watchdog;
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
