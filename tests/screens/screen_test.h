#pragma once

#include "model/program_state.h"
#include "platform/screen_window.h"
#include "platform/scripted_platform.h"

#include <QCoreApplication>
#include <QEvent>
#include <QTest>
#include <gtest/gtest.h>

namespace radirav::testing {

// Windows unloaded by a handler are destroyed once control is back in the event loop; tests
// have no loop running, so they let the destruction happen here.
inline void DestroyUnloadedWindows() {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

// A student's left click at `where`, in the drawing units of the window's surface.
inline void ClickAt(ScreenWindow* window, QPointF where) {
    QTest::mouseClick(window, Qt::LeftButton, {}, where.toPoint());
}

// Prints the report from the results window and says whether a page carries `countLine`, the
// trays-and-feed line the batch calculator prints for the same input.
inline bool PrintedReportCarries(ScriptedPlatform& machine, QWidget* printButton, const QString& countLine) {
    machine.printedDocuments.clear();
    QTest::mouseClick(printButton, Qt::LeftButton);
    for (const QStringList& page : machine.printedDocuments) {
        for (const QString& line : page) {
            if (line.contains(countLine)) {
                return true;
            }
        }
    }
    return false;
}

// A fresh program state and a fresh scripted machine for every test.
class ScreenTest : public ::testing::Test {
protected:
    void TearDown() override { DestroyUnloadedWindows(); }

    // The loaded screen of type T, or null.
    template <typename T> T* LoadedScreen() const {
        for (ScreenWindow* screen : machine.screens.Loaded()) {
            if (auto* found = qobject_cast<T*>(screen)) {
                return found;
            }
        }
        return nullptr;
    }

    ProgramState state;
    ScriptedPlatform machine;
    Platform platform = machine.Get();
};

} // namespace radirav::testing
