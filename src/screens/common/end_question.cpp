#include "screens/common/end_question.h"

namespace radirav {

bool ConfirmEndOfWork(Dialogs& dialogs) {
    return dialogs.AskYesNo(QStringLiteral("Завершить работу с программой?"),
                            QStringLiteral("Окончание работы"), SafeAnswer::No);
}

} // namespace radirav
