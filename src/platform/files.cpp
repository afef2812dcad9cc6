#include "platform/files.h"

#include "platform/picture_file.h"

#include <QFile>
#include <QFileInfo>

namespace radirav {

CaseFileResult QtFiles::ReadCase(const QString& path, CaseChecks checks) {
    return ReadCaseFromPath(QFile::encodeName(path).toStdString(), checks);
}

bool QtFiles::Exists(const QString& path) {
    return QFileInfo::exists(path);
}

bool QtFiles::WriteText(const QString& path, const std::string& text) {
    return WriteTextFile(path, text);
}

bool QtFiles::WritePicture(const DrawingSurface& surface, QSize size, const QString& path) {
    return SavePicture(surface, size, path);
}

} // namespace radirav
