#pragma once

#include "platform/platform.h"
#include "platform/screen_window.h"

#include <QPointer>

class QLabel;
class QPushButton;

namespace radirav {

class GroupWindow;

// Asks whether the student will correct a group that failed its check: "Да" goes back to the
// group's list, "Нет" ends the program. Form3, Form5 and Form7 are twins serving Form2, Form4
// and Form6.
class ConfirmationWindow : public ScreenWindow {
    Q_OBJECT
public:
    QLabel* Label1;
    QLabel* Label2;
    QPushButton* Command1; // "Да"
    QPushButton* Command2; // "Нет"

    void Command1Click();
    void Command2Click();

protected:
    ConfirmationWindow(GroupWindow& group, Platform platform, const QString& name);
    // The title-bar button answers like the program's end button "Нет".
    void OnCloseRequested() override { Command2Click(); }

private:
    QPointer<GroupWindow> group_;
    Platform platform_;
};

class Form3 final : public ConfirmationWindow {
    Q_OBJECT
public:
    Form3(GroupWindow& group, Platform platform);
};

class Form5 final : public ConfirmationWindow {
    Q_OBJECT
public:
    Form5(GroupWindow& group, Platform platform);
};

class Form7 final : public ConfirmationWindow {
    Q_OBJECT
public:
    Form7(GroupWindow& group, Platform platform);
};

} // namespace radirav
