#pragma once

#include "platform/controls.h"
#include "platform/screen_window.h"

#include <QPointer>
#include <functional>

class QLabel;

namespace radirav {

// What tells the yes/no windows apart.
struct YesNoDesign {
    QString name;    // Form3, Form5, Form7, Form9, Form12, Form14
    QString caption; // the window title
    QString line1;   // Label1
    QString line2;   // Label2
    // Both answers are reached with Tab; otherwise only "Да" is, so Enter or Space answers "Да".
    bool bothTabStops = false;
    // The answer Escape and the title-bar close give: the one that keeps the student's work.
    // That is "Да" (go on correcting) unless "Да" itself would throw data away.
    bool cancelAnswersYes = true;
};

// "Ошибка в исходной информации." / "Изменяете исходную информацию?" under `caption`.
YesNoDesign InputErrorQuestion(const QString& name, const QString& caption, bool bothTabStops = false);

// A small window asking "Да" or "Нет" about the input. Escape and the title-bar close give the
// answer that keeps the student's work, so no accidental key ends the program or loses data.
class YesNoWindow : public ScreenWindow {
    Q_OBJECT
public:
    YesNoWindow(ScreenList& screens, const YesNoDesign& design, std::function<void()> yes,
                std::function<void()> no);

    QLabel* Label1;
    QLabel* Label2;
    CommandButton* Command1; // "Да"
    CommandButton* Command2; // "Нет"

    void Command1Click();
    void Command2Click();

    // Kept above `owner` by the window manager, so a click on the owner cannot bury the
    // question that is the only way on from it. Call before the question is shown.
    void KeepAbove(ScreenWindow& owner);

protected:
    void OnCloseRequested() override { Cancel(); }
    void keyPressEvent(QKeyEvent* event) override;

private:
    void Cancel();

    std::function<void()> yes_;
    std::function<void()> no_;
    bool cancelAnswersYes_;
};

// An answer that runs `handler` of `window` only while the window still exists.
template <typename W> std::function<void()> WhileLoaded(W* window, void (W::*handler)()) {
    return [guard = QPointer<W>(window), handler] {
        if (guard) {
            (guard.data()->*handler)();
        }
    };
}

// The question a screen has open over itself: at most one, kept above the screen, closed when
// the screen closes it or goes.
template <typename Question> class OpenQuestion {
public:
    OpenQuestion() = default;
    OpenQuestion(const OpenQuestion&) = delete;
    OpenQuestion& operator=(const OpenQuestion&) = delete;
    ~OpenQuestion() { Close(); }

    // Shows `question` above `owner`, closing the one open before.
    void Show(Question* question, ScreenWindow& owner) {
        Close();
        question_ = question;
        question->KeepAbove(owner);
        question->show();
    }
    void Close() {
        if (question_) {
            question_->Unload();
        }
        question_ = nullptr;
    }
    Question* Get() const { return question_.data(); }

private:
    QPointer<Question> question_;
};

} // namespace radirav
