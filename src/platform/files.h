#pragma once

#include "model/case_file.h"

#include <QSize>
#include <QString>
#include <string>

namespace radirav {

class DrawingSurface;

// The files a screen reads and writes: a case to start with, a case or a picture the student
// saves. Every path is the one the student named, in the system's encoding.
class Files {
public:
    virtual ~Files() = default;
    // The case at `path`, read as the batch calculator reads it: only a regular file is opened.
    virtual CaseFileResult ReadCase(const QString& path, CaseChecks checks) = 0;
    virtual bool Exists(const QString& path) = 0;
    // `text` (UTF-8) as the whole file, replaced whole. False when it cannot be written.
    virtual bool WriteText(const QString& path, const std::string& text) = 0;
    // `size` pixels of `surface`: an SVG drawing when `path` ends in ".svg", a PNG image
    // otherwise. False when the file cannot be written.
    virtual bool WritePicture(const DrawingSurface& surface, QSize size, const QString& path) = 0;
};

class QtFiles final : public Files {
public:
    CaseFileResult ReadCase(const QString& path, CaseChecks checks) override;
    bool Exists(const QString& path) override;
    bool WriteText(const QString& path, const std::string& text) override;
    bool WritePicture(const DrawingSurface& surface, QSize size, const QString& path) override;
};

} // namespace radirav
