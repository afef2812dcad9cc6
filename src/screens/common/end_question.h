#pragma once

#include "platform/dialogs.h"

namespace radirav {

// Asked when the student closes a working window with its title-bar button: true for "Да".
// Enter, Escape and the question's own close answer "Нет", so the work goes on.
bool ConfirmEndOfWork(Dialogs& dialogs);

} // namespace radirav
