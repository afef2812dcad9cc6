#pragma once

#include "platform/files.h"

#include <QString>
#include <string>

namespace radirav {

// Where the whole input goes as a case file at every hand-over and at every end of the
// program, so that `radirav --last` starts with it.
class LastInput {
public:
    virtual ~LastInput() = default;
    virtual void Keep(const std::string& caseText) = 0;
};

// The case file in the user's data folder, replaced whole (never left half written).
class FileLastInput final : public LastInput {
public:
    FileLastInput(Files& files, QString path) : files_(files), path_(std::move(path)) {}
    void Keep(const std::string& caseText) override;

private:
    Files& files_;
    QString path_;
};

// last.case in the program's data folder (~/.local/share/radirav on Linux); the application
// name must be set first.
QString DefaultLastInputPath();

} // namespace radirav
