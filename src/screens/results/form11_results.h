#pragma once

#include "calc/calc_stop.h"
#include "model/program_state.h"
#include "platform/platform.h"
#include "platform/screen_window.h"

#include <functional>

class QLabel;
class QPushButton;

namespace radirav {

// Screens reached from the calculation window. A button whose screen is not wired stays hidden.
struct Form11HandOver {
    std::function<void()> openGraphEditor; // Command2
    std::function<void()> openChangeMenu;  // Command4
};

// The calculation window: starts the calculation and shows the results table or the stop.
class Form11 final : public ScreenWindow {
    Q_OBJECT
public:
    Form11(ProgramState& state, Platform platform, Form11HandOver handOver);

    QPushButton* Command1;
    QPushButton* Command2;
    QPushButton* Command3;
    QPushButton* Command4;
    QPushButton* Command5;
    QLabel* Label2;

    // For callers that calculate straight away: results caption, no start or graph buttons.
    void PrepareForDirectResults();
    // Calculates the column from the state and shows its results or its stop.
    void Calculate();
    void ShowResults();

    void Command1Click() { Calculate(); }
    void Command2Click();
    void Command3Click();
    void Command4Click();
    void Command5Click();

protected:
    void OnCloseRequested() override { Command5Click(); }

private:
    void ShowStop(CalcStop stop);
    void LeaveFor(const std::function<void()>& next);

    ProgramState& state_;
    Platform platform_;
    Form11HandOver handOver_;
};

} // namespace radirav
