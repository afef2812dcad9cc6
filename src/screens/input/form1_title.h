#pragma once

#include "model/program_state.h"
#include "platform/controls.h"
#include "platform/platform.h"
#include "platform/screen_window.h"
#include "screens/flow/navigator.h"

class QLabel;

namespace radirav {

// The title screen: the program's name on a colour gradient, a start and a quit button.
class Form1 final : public ScreenWindow {
    Q_OBJECT
public:
    Form1(ProgramState& state, Platform platform, Navigator& navigator);

    QLabel* Label1;
    QLabel* Label2;
    QLabel* Label3;
    QLabel* Label4;
    QLabel* Label5;
    CommandButton* Command1;
    CommandButton* Command2;

    void Command1Click();
    void Command2Click();

protected:
    void OnCloseRequested() override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void Load();

    ProgramState& state_;
    Platform platform_;
    Navigator& navigator_;
};

} // namespace radirav
