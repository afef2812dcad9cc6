#pragma once

#include "platform/platform.h"
#include "platform/qt_printer.h"

namespace radirav {

// The real machine: Qt dialogs, the system printer or a PDF file, the local clock.
// Declared after the QApplication so that the windows still loaded go before it.
class QtPlatform {
public:
    QtPlatform() = default;
    QtPlatform(const QtPlatform&) = delete;
    QtPlatform& operator=(const QtPlatform&) = delete;

    Platform Get() { return {screens_, dialogs_, keyboard_, printer_, clock_, programEnd_, lastInput_}; }

private:
    QtDialogs dialogs_;
    SystemKeyboardLayout keyboard_;
    QtPrinter printer_{dialogs_};
    SystemClock clock_;
    QtProgramEnd programEnd_;
    FileLastInput lastInput_{DefaultLastInputPath()};
    ScreenList screens_; // last member: its windows go first
};

} // namespace radirav
