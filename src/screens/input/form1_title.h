#pragma once

#include "model/program_state.h"
#include "platform/platform.h"
#include "platform/screen_window.h"

#include <functional>

class QLabel;
class QPushButton;

namespace radirav {

// Where the start button leads once the sample data are loaded and the title screen is gone.
struct Form1HandOver {
    // Shows the next screen before the two name questions, so it stands behind their boxes.
    std::function<void()> showNextScreen;
    // Runs once both names are stored and the keyboard is back to the Latin layout.
    std::function<void()> continueEntry;
};

// The title screen: the program's name on a colour gradient, a start and a quit button.
class Form1 final : public ScreenWindow {
    Q_OBJECT
public:
    Form1(ProgramState& state, Platform platform, Form1HandOver handOver);

    QLabel* Label1;
    QLabel* Label2;
    QLabel* Label3;
    QLabel* Label4;
    QLabel* Label5;
    QPushButton* Command1;
    QPushButton* Command2;

    void Command1Click();
    void Command2Click();

protected:
    void OnCloseRequested() override { Command2Click(); }
    void resizeEvent(QResizeEvent* event) override;

private:
    void Load();

    ProgramState& state_;
    Platform platform_;
    Form1HandOver handOver_;
};

} // namespace radirav
