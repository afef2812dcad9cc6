#include "screens/common/alfa_question.h"

#include "model/equilibrium_choice.h"

namespace radirav {
namespace {

const QString kAlfaPrompt = QStringLiteral(" ВВЕДИТЕ ALFA");
const QString kAlfaTitle = QStringLiteral("ВВОД КОЭФФИЦИЕНТА ALFA");
const QString kAlfaErrorTitle = QStringLiteral("ОШИБКА !");
const QString kAlfaError =
    QStringLiteral(" ALFA не может быть < = 1 ") + QStringLiteral("    Продолжаете работу ?");

// Twips.
constexpr int kAlfaBoxX = 2000, kAlfaBoxY = 2000;

} // namespace

bool AskAlfaUntilInRange(ProgramState& state, Dialogs& dialogs) {
    for (;;) {
        const QString answer = dialogs.InputBox({kAlfaPrompt, kAlfaTitle, {}, QPoint(kAlfaBoxX, kAlfaBoxY)});
        if (StoreTypedAlfa(state, answer.toStdString())) {
            return true;
        }
        dialogs.Beep();
        if (!dialogs.AskYesNo(kAlfaError, kAlfaErrorTitle, SafeAnswer::Yes)) {
            return false;
        }
    }
}

} // namespace radirav
