#pragma once

#include "model/program_state.h"
#include "platform/dialogs.h"

#include <QString>

namespace radirav {

// Reads the case file at `path` into `state` to start from in place of the sample. A file that
// cannot be read or fails its checks leaves `state` alone and says why on one line. True when
// the case is loaded.
bool LoadStartCase(ProgramState& state, Dialogs& dialogs, const QString& path);

} // namespace radirav
