#pragma once

#include "model/program_state.h"
#include "platform/screen_window.h"
#include "platform/scripted_platform.h"

#include <QAbstractButton>
#include <QColor>
#include <QCoreApplication>
#include <QEvent>
#include <QLabel>
#include <QPalette>
#include <QStringList>
#include <QTest>
#include <QWidget>
#include <gtest/gtest.h>
#include <initializer_list>

namespace radirav::testing {

// Windows unloaded by a handler are destroyed once control is back in the event loop; tests
// have no loop running, so they let the destruction happen here.
inline void DestroyUnloadedWindows() {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

// The verdict colours of an accept button after a check.
inline const QColor kRed(255, 0, 0), kGreen(0, 255, 0);

inline QColor BackOf(const QWidget* control) {
    return control->palette().color(QPalette::Button);
}

// The names of the controls among `controls` that are shown, in the order given.
inline QStringList VisibleOf(std::initializer_list<const QWidget*> controls) {
    QStringList names;
    for (const QWidget* control : controls) {
        if (control->isVisible()) {
            names << control->objectName();
        }
    }
    return names;
}

// What a student reads on `control`: a label's or a button's text, a window's caption.
inline QString TextOf(const QWidget* control) {
    if (const auto* label = qobject_cast<const QLabel*>(control)) {
        return label->text();
    }
    if (const auto* button = qobject_cast<const QAbstractButton*>(control)) {
        return button->text();
    }
    return control->windowTitle();
}

// The control of `window` named `name`, or the window itself when that is its name.
inline QWidget* Named(QWidget* window, const char* name) {
    const QString wanted = QString::fromUtf8(name);
    return window->objectName() == wanted ? window : window->findChild<QWidget*>(wanted);
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

    // The loaded screen of type T once the unloaded ones are gone, if it is shown.
    template <typename T> T* Shown() {
        DestroyUnloadedWindows();
        T* screen = LoadedScreen<T>();
        return screen != nullptr && screen->isVisible() ? screen : nullptr;
    }

    // The screen of type T, which must be the only one loaded.
    template <typename T> T* OnlyLoaded() {
        DestroyUnloadedWindows();
        EXPECT_EQ(machine.screens.Count(), 1) << machine.screens.LoadedNames().join(' ').toStdString();
        return LoadedScreen<T>();
    }

    ProgramState state;
    ScriptedPlatform machine;
    Platform platform = machine.Get();
};

} // namespace radirav::testing
