#pragma once

#include "platform/controls.h"
#include "platform/screen_window.h"

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
};

// "Ошибка в исходной информации." / "Изменяете исходную информацию?" under `caption`.
YesNoDesign InputErrorQuestion(const QString& name, const QString& caption, bool bothTabStops = false);

// A small window asking "Да" or "Нет" about the input. "Да" keeps the student's work; so do the
// title-bar close button and Escape, so no accidental key ends the program.
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

protected:
    void OnCloseRequested() override { Command1Click(); }
    void keyPressEvent(QKeyEvent* event) override;

private:
    std::function<void()> yes_;
    std::function<void()> no_;
};

} // namespace radirav
