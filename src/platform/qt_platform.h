#pragma once

#include "platform/platform.h"
#include "platform/qt_printer.h"

namespace radirav {

// The real machine: Qt dialogs, the system printer or a PDF file, the local clock, the files,
// the thread pool and the system clipboard.
// Declared after the QApplication so that the windows still loaded go before it.
class QtPlatform {
public:
    QtPlatform() = default;
    QtPlatform(const QtPlatform&) = delete;
    QtPlatform& operator=(const QtPlatform&) = delete;

    Platform Get() {
        return {screens_,   dialogs_, keyboard_, printer_,     clock_,  programEnd_,
                lastInput_, files_,   tasks_,    diagnostics_, screen_, clipboard_};
    }

private:
    QtDialogs dialogs_;
    SystemKeyboardLayout keyboard_;
    QtPrinter printer_{dialogs_};
    SystemClock clock_;
    QtProgramEnd programEnd_;
    QtFiles files_;
    FileLastInput lastInput_{files_, DefaultLastInputPath()};
    QtBackgroundTasks tasks_;
    StderrDiagnostics diagnostics_;
    QtScreenGeometry screen_;
    QtClipboard clipboard_;
    ScreenList screens_; // last member: its windows go first
};

} // namespace radirav
