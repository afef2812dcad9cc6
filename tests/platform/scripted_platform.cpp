#include "platform/scripted_platform.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>
#include <QWindow>
#include <gtest/gtest.h>

namespace radirav::testing {

ScriptedPlatform::ScriptedPlatform() {
    // A running program knows the window manager's frame from its first window on; the tests'
    // windows are placed as the later ones are. A platform that frames a window as soon as it
    // is made (the offscreen one) tells the frame of a window never shown.
    QWidget probe;
    probe.winId();
    if (probe.windowHandle() != nullptr)
        screens.LearnFrame(probe.windowHandle()->frameMargins());
    availableGeometry = QtScreenGeometry().Available();
}

CaseFileResult ScriptedPlatform::ReadCase(const QString& path, CaseChecks checks) {
    readPaths << path;
    return files_.ReadCase(path, checks);
}

bool ScriptedPlatform::WriteText(const QString& path, const std::string& text) {
    writtenPaths << path;
    return files_.WriteText(path, text);
}

bool ScriptedPlatform::WritePicture(const DrawingSurface& surface, QSize size, const QString& path) {
    writtenPaths << path;
    return files_.WritePicture(surface, size, path);
}

void ScriptedPlatform::Run(QObject& receiver, std::function<void()> work, std::function<void()> done) {
    tasks_.push_back({&receiver, std::move(work), std::move(done)});
}

int ScriptedPlatform::RunBackgroundTasks() {
    int delivered = 0;
    while (!tasks_.empty()) {
        Task task = std::move(tasks_.front());
        tasks_.pop_front();
        task.work();
        if (task.receiver) {
            task.done();
            ++delivered;
        }
    }
    return delivered;
}

void ScriptedPlatform::Timing(const QString& what, long long) {
    timings << what;
}

void ScriptedPlatform::AnswerInputBoxes(std::vector<std::optional<QString>> answers) {
    inputAnswers_.insert(inputAnswers_.end(), answers.begin(), answers.end());
}

void ScriptedPlatform::AnswerYesNo(std::vector<bool> answers) {
    yesNoAnswers_.insert(yesNoAnswers_.end(), answers.begin(), answers.end());
}

std::optional<QString> ScriptedPlatform::AskInput(const InputBoxRequest& request) {
    inputBoxes.push_back(request);
    events << QStringLiteral("input box ") + request.title;
    if (inputAnswers_.empty()) {
        ADD_FAILURE() << "input box \"" << request.title.toStdString() << "\" asked \""
                      << request.prompt.toStdString() << "\" but the script has no answer left";
        return std::nullopt;
    }
    const std::optional<QString> answer = inputAnswers_.front();
    inputAnswers_.pop_front();
    return answer;
}

bool ScriptedPlatform::AskYesNo(const QString& prompt, const QString& title, SafeAnswer safe) {
    yesNoPrompts << prompt;
    yesNoSafeAnswers.push_back(safe);
    if (yesNoAnswers_.empty()) {
        ADD_FAILURE() << "yes/no box \"" << title.toStdString() << "\" asked \"" << prompt.toStdString()
                      << "\" but the script has no answer left";
        return false;
    }
    const bool answer = yesNoAnswers_.front();
    yesNoAnswers_.pop_front();
    return answer;
}

void ScriptedPlatform::AnswerSaveFileNames(std::vector<std::optional<QString>> answers) {
    saveFileAnswers_.insert(saveFileAnswers_.end(), answers.begin(), answers.end());
}

QString ScriptedPlatform::SaveFileName(const QString& title, const QString&, const QString& suggestedName) {
    saveFileTitles << title;
    saveFileSuggestions << suggestedName;
    if (saveFileAnswers_.empty()) {
        ADD_FAILURE() << "save-file dialog \"" << title.toStdString()
                      << "\" but the script has no answer left";
        return {};
    }
    const std::optional<QString> answer = saveFileAnswers_.front();
    saveFileAnswers_.pop_front();
    return answer.value_or(QString());
}

void ScriptedPlatform::ShowMessage(const QString& text, const QString&) {
    messages << text;
}

void ScriptedPlatform::Activate(std::uint32_t layout) {
    layouts.push_back(layout);
    events << QStringLiteral("layout %1").arg(layout, 8, 16, QLatin1Char('0'));
}

void ScriptedPlatform::SetFont(const QString& family, int pointSize) {
    printerFont = family;
    printerFontSize = pointSize;
}

void ScriptedPlatform::PrintLine(const QString& text) {
    openDocument << openLine_ + text;
    openLine_.clear();
    if (onPrintLine) {
        onPrintLine();
    }
}

void ScriptedPlatform::EndDoc() {
    printedDocuments.push_back(openDocument);
    openDocument.clear();
}

} // namespace radirav::testing
