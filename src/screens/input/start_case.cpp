#include "screens/input/start_case.h"

#include "model/case_file.h"

#include <fstream>

namespace radirav {

bool LoadStartCase(ProgramState& state, Dialogs& dialogs, const QString& path, StartFrom from) {
    const QString title = QStringLiteral("RADIRAV-9");
    const bool last = from == StartFrom::LastInput;
    std::ifstream in(path.toLocal8Bit().toStdString(), std::ios::binary);
    if (!in) {
        dialogs.ShowMessage(
            last ? QStringLiteral("Последние введённые данные не найдены (%1); программа "
                                  "начнёт с примера.")
                       .arg(path)
                 : QStringLiteral("Вариант %1 не открывается; программа начнёт с примера.").arg(path),
            title);
        return false;
    }
    CaseFileResult result =
        ReadCaseFile(in, path.toStdString(), last ? CaseChecks::KeepOutOfRange : CaseChecks::Enforce);
    if (result.error) {
        dialogs.ShowMessage(QStringLiteral("Вариант не загружен: %1; программа начнёт с примера.")
                                .arg(QString::fromStdString(*result.error).simplified()),
                            title);
        return false;
    }
    if (result.outOfRange) {
        dialogs.ShowMessage(QStringLiteral("Последние введённые данные восстановлены; вне допустимых "
                                           "пределов: %1. Исправьте через «Изменение исходной информации».")
                                .arg(QString::fromStdString(*result.outOfRange).simplified()),
                            title);
    }
    state = std::move(result.state);
    state.CaseLoaded = true;
    return true;
}

} // namespace radirav
