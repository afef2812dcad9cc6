#include "platform/qt_application.h"

#include <QApplication>
#include <QLocale>
#include <gtest/gtest.h>

// The real windows on an X display with a window manager (display_tests.sh starts both).
int main(int argc, char* argv[]) {
    qputenv("QT_QPA_PLATFORM", "xcb");
    QApplication app(argc, argv);
    radirav::PrepareQtApplication(app);
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    QApplication::setQuitOnLastWindowClosed(false);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
