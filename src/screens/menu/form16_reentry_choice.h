#pragma once

#include "model/program_state.h"
#include "platform/controls.h"
#include "platform/platform.h"
#include "platform/screen_window.h"
#include "screens/flow/navigator.h"

namespace radirav {

// Equilibrium data exist already: enter them anew or correct them. Only the pair of buttons for
// the chosen kind of data shows.
class Form16 final : public ScreenWindow {
    Q_OBJECT
public:
    Form16(ProgramState& state, Platform platform, Navigator& navigator, EquilibriumData data);

    CommandButton* Command1; // new equilibrium points
    CommandButton* Command2; // correct the entered points
    CommandButton* Command3; // new Antoine constants
    CommandButton* Command4; // correct the entered constants

    void Command1Click();
    void Command2Click();
    void Command3Click();
    void Command4Click();

protected:
    // Closing the window without a choice, or Escape, goes back to the menu.
    void OnCloseRequested() override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    // Unloads this window and every other one before the next screen.
    void Leave();

    ProgramState& state_;
    Platform platform_;
    Navigator& navigator_;
};

} // namespace radirav
