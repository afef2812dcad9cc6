#pragma once

#include "model/program_state.h"
#include "platform/dialogs.h"
#include "platform/files.h"

#include <QString>

namespace radirav {

// What the program starts with in place of the sample.
enum class StartFrom {
    CaseFile,  // a case the student names: it must pass every check
    LastInput, // the input kept at the end of the last run, out-of-range values included
};

// Reads the case file at `path` into `state`. A file that cannot be read (or, named by the
// student, fails its checks) leaves `state` alone and says why on one line. True when the case
// is loaded.
bool LoadStartCase(ProgramState& state, Dialogs& dialogs, Files& files, const QString& path,
                   StartFrom from = StartFrom::CaseFile);

} // namespace radirav
