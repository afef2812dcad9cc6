#pragma once

#include "platform/background_tasks.h"
#include "platform/clipboard.h"
#include "platform/clock.h"
#include "platform/diagnostics.h"
#include "platform/dialogs.h"
#include "platform/files.h"
#include "platform/keyboard_layout.h"
#include "platform/last_input.h"
#include "platform/printer.h"
#include "platform/program_end.h"
#include "platform/screen_geometry.h"
#include "platform/screen_list.h"

namespace radirav {

// Everything a screen reaches outside itself: the other screens, the student (boxes and beep),
// the keyboard, the printer, the clock, the end of the program, where the input is kept, files,
// work beside the screen thread, timing lines, the desktop's size and its clipboard. Built once by
// main (or by a test from its scripted doubles) and handed to every screen by value; the
// referenced objects outlive the screens.
struct Platform {
    ScreenList& screens;
    Dialogs& dialogs;
    KeyboardLayout& keyboard;
    Printer& printer;
    Clock& clock;
    ProgramEnd& programEnd;
    LastInput& lastInput;
    Files& files;
    BackgroundTasks& tasks;
    Diagnostics& diagnostics;
    ScreenGeometry& screen;
    Clipboard& clipboard;
};

} // namespace radirav
