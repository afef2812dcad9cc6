#include "screens/input/start_case.h"

#include "model/case_file.h"

#include <QFile>

namespace radirav {

bool LoadStartCase(ProgramState& state, Dialogs& dialogs, const QString& path) {
    CaseFileResult result = ReadCaseFromPath(QFile::encodeName(path).toStdString());
    if (result.error) {
        // The reader's message names the file and the cause on one line, with any odd byte escaped.
        dialogs.ShowMessage(QStringLiteral("Вариант не загружен: %1; программа начнёт с примера.")
                                .arg(QString::fromStdString(*result.error).simplified()),
                            QStringLiteral("RADIRAV-9"));
        return false;
    }
    state = std::move(result.state);
    state.CaseLoaded = true;
    return true;
}

} // namespace radirav
