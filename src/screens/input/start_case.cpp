#include "screens/input/start_case.h"

#include "model/case_file.h"

#include <fstream>

namespace radirav {

bool LoadStartCase(ProgramState& state, Dialogs& dialogs, const QString& path) {
    const QString title = QStringLiteral("RADIRAV-9");
    std::ifstream in(path.toLocal8Bit().toStdString(), std::ios::binary);
    if (!in) {
        dialogs.ShowMessage(
            QStringLiteral("Вариант %1 не открывается; программа начнёт с примера.").arg(path), title);
        return false;
    }
    CaseFileResult result = ReadCaseFile(in, path.toStdString());
    if (result.error) {
        dialogs.ShowMessage(QStringLiteral("Вариант не загружен: %1; программа начнёт с примера.")
                                .arg(QString::fromStdString(*result.error).simplified()),
                            title);
        return false;
    }
    state = std::move(result.state);
    state.CaseLoaded = true;
    return true;
}

} // namespace radirav
