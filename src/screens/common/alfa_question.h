#pragma once

#include "model/program_state.h"
#include "platform/dialogs.h"

namespace radirav {

// Asks a constant ALFA until 1 < ALFA <= 1000000, with a beep and a yes/no question after every
// value out of range. True once a value is stored in Alfa and AlfaText; false when the student
// answered "Нет" and wants to stop.
bool AskAlfaUntilInRange(ProgramState& state, Dialogs& dialogs);

} // namespace radirav
