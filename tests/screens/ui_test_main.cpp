#include "screens/modal_watchdog.h"

#include <QApplication>
#include <gtest/gtest.h>

// Screens are real widgets on an invisible display; nothing a test opens can wait for a person.
int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication app(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    radirav::testing::ModalWatchdog watchdog;
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
