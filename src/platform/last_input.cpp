#include "platform/last_input.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace radirav {

void FileLastInput::Keep(const std::string& caseText) {
    // Nothing to tell the student when the folder cannot be written: the work goes on.
    QDir().mkpath(QFileInfo(path_).absolutePath());
    files_.WriteText(path_, caseText);
}

QString DefaultLastInputPath() {
    return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) + QStringLiteral("/last.case");
}

} // namespace radirav
