#pragma once

#include <QPoint>
#include <QString>
#include <optional>

namespace radirav {

struct InputBoxRequest {
    QString prompt;
    QString title;
    QString defaultText;
    std::optional<QPoint> positionTwips; // top-left corner on the screen; centred when unset
};

// The answer a yes/no box gives to Enter, Escape and its own close: the one that keeps the
// student's work.
enum class SafeAnswer { Yes, No };

// Modal questions and signals to the student. Each call returns only once answered.
class Dialogs {
public:
    virtual ~Dialogs() = default;
    // The typed text, or nothing when the box was cancelled ("Отмена", Escape, its close).
    virtual std::optional<QString> AskInput(const InputBoxRequest& request) = 0;
    // The typed text; a cancelled box answers an empty text.
    QString InputBox(const InputBoxRequest& request) { return AskInput(request).value_or(QString()); }
    // True for "Да".
    virtual bool AskYesNo(const QString& prompt, const QString& title, SafeAnswer safe) = 0;
    virtual void ShowMessage(const QString& text, const QString& title) = 0;
    virtual void Beep() = 0;
    // A file name to write to, e.g. filter "Рисунок PNG (*.png);;Рисунок SVG (*.svg)"; empty
    // when cancelled. The dialog opens in the user's documents folder with `suggestedName`
    // (extension included) ready to keep or change.
    virtual QString SaveFileName(const QString& title, const QString& filter,
                                 const QString& suggestedName) = 0;
};

class QtDialogs final : public Dialogs {
public:
    std::optional<QString> AskInput(const InputBoxRequest& request) override;
    bool AskYesNo(const QString& prompt, const QString& title, SafeAnswer safe) override;
    void ShowMessage(const QString& text, const QString& title) override;
    void Beep() override;
    QString SaveFileName(const QString& title, const QString& filter, const QString& suggestedName) override;
};

} // namespace radirav
