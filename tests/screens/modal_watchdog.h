#pragma once

#include <QApplication>
#include <QTimer>
#include <QWidget>
#include <gtest/gtest.h>

namespace radirav::testing {

// Screens must ask the student through the scripted platform only. A real modal window that
// opens anyway would wait for a person forever; the watchdog fails the running test and
// closes it instead. It looks while any event loop runs, the modal window's own included.
class ModalWatchdog {
public:
    ModalWatchdog() {
        timer_.setInterval(100);
        QObject::connect(&timer_, &QTimer::timeout, [] {
            if (QWidget* modal = QApplication::activeModalWidget()) {
                ADD_FAILURE() << "a real modal window opened: \"" << modal->windowTitle().toStdString()
                              << '"';
                modal->close();
            }
        });
        timer_.start();
    }

private:
    QTimer timer_;
};

} // namespace radirav::testing
