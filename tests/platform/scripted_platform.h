#pragma once

#include "platform/platform.h"
#include "platform/qt_test_printers.h"

#include <QPointer>
#include <QString>
#include <QStringList>
#include <cstdint>
#include <deque>
#include <functional>
#include <optional>
#include <vector>

namespace radirav::testing {

// The machine as a test plays it: input boxes answer from a script, everything asked of the
// student, the keyboard, the printer and the program's end is recorded. A question the script
// has no answer for fails the running test and answers empty, so nothing waits for a person.
// Files are the real ones (a test names them in its own folder), each read and write recorded;
// work beside the screen thread waits until the test runs it; timing lines and what goes to the
// clipboard are recorded.
class ScriptedPlatform final : public Dialogs,
                               public KeyboardLayout,
                               public Printer,
                               public Clock,
                               public ProgramEnd,
                               public LastInput,
                               public Files,
                               public BackgroundTasks,
                               public Diagnostics,
                               public ScreenGeometry,
                               public Clipboard {
public:
    ScriptedPlatform();

    Platform Get() {
        return {screens, *this, *this, *this, *this, *this, *this, *this, *this, *this, *this, *this};
    }

    // Answers for the coming input boxes in order; std::nullopt stands for a cancelled box.
    void AnswerInputBoxes(std::vector<std::optional<QString>> answers);
    void AnswerYesNo(std::vector<bool> answers);
    // Answers for the coming save-file dialogs; std::nullopt stands for a cancelled one.
    void AnswerSaveFileNames(std::vector<std::optional<QString>> answers);

    std::optional<QString> AskInput(const InputBoxRequest& request) override;
    bool AskYesNo(const QString& prompt, const QString& title, SafeAnswer safe) override;
    void ShowMessage(const QString& text, const QString& title) override;
    void Beep() override { ++beeps; }
    QString SaveFileName(const QString& title, const QString& filter, const QString& suggestedName) override;
    void Activate(std::uint32_t layout) override;
    void SetFont(const QString& family, int pointSize) override;
    void PrintText(const QString& text) override { openLine_ += text; }
    void PrintLine(const QString& text) override;
    void EndDoc() override;
    void EndReport() override { ++reportsEnded; }
    DateTimeParts Now() override { return now; }
    void EndProgram() override { ++programEnds; }
    void Keep(const std::string& caseText) override { keptInputs.push_back(caseText); }
    CaseFileResult ReadCase(const QString& path, CaseChecks checks) override;
    bool Exists(const QString& path) override { return files_.Exists(path); }
    bool WriteText(const QString& path, const std::string& text) override;
    bool WritePicture(const DrawingSurface& surface, QSize size, const QString& path) override;
    void Run(QObject& receiver, std::function<void()> work, std::function<void()> done) override;
    void Timing(const QString& what, long long milliseconds) override;
    QRect Available() override { return availableGeometry; }
    void SetText(const QString& text) override { copiedTexts << text; }

    // Runs the waiting background work in the order it came, each delivered at once unless its
    // receiver is gone. How many were delivered.
    int RunBackgroundTasks();

    ScreenList screens; // windows the test left loaded are deleted with the platform

    // Input boxes (by title) and layout switches in the order they happened.
    QStringList events;
    std::vector<InputBoxRequest> inputBoxes;
    QStringList yesNoPrompts;
    std::vector<SafeAnswer> yesNoSafeAnswers; // of each yes/no box, in order
    QStringList messages;
    QStringList saveFileTitles;
    QStringList saveFileSuggestions; // the names the save dialogs offered
    int beeps = 0;
    std::vector<std::uint32_t> layouts;
    QString printerFont;
    int printerFontSize = 0;
    std::vector<QStringList> printedDocuments; // ended documents
    QStringList openDocument;
    int reportsEnded = 0;
    int programEnds = 0;
    std::vector<std::string> keptInputs; // case texts, the latest last
    QStringList readPaths, writtenPaths; // files read and written (or tried), in order
    QStringList timings;                 // the `what` of each timing line
    QStringList copiedTexts;             // put on the clipboard, in order
    int pendingTasks() const { return static_cast<int>(tasks_.size()); }
    QRect availableGeometry; // the primary screen's, unless a test sets another
    DateTimeParts now{2026, 12, 7, 14, 35, 12};
    // Runs on every printed line, e.g. to look at the screen while the report prints.
    std::function<void()> onPrintLine;

private:
    struct Task {
        QPointer<QObject> receiver;
        std::function<void()> work, done;
    };

    QtFiles files_;
    std::deque<Task> tasks_;
    std::deque<std::optional<QString>> inputAnswers_;
    std::deque<bool> yesNoAnswers_;
    std::deque<std::optional<QString>> saveFileAnswers_;
    QString openLine_;
};

} // namespace radirav::testing
