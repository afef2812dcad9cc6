#pragma once

#include "model/program_state.h"
#include "platform/platform.h"

#include <QPointer>
#include <functional>

namespace radirav {

class Form1;
class Form2;
struct Form1HandOver;

// Screens beyond the first-run input. An empty hook is a screen not built yet: the button
// leading to it stays hidden, or the first-run road goes on as if it were not asked for.
struct InputFlowHooks {
    std::function<void()> openEquilibriumReview; // ideal or not, after "not constant"
    std::function<void()> openChangeMenu;        // after a calculation or a re-opened group
};

// Who opens whom on the first run: title, the three parameter groups, the constant-ALFA
// calculation. Outlives every screen it opens (main or a test owns it).
class InputFlow {
public:
    InputFlow(ProgramState& state, Platform platform, InputFlowHooks hooks = {});
    InputFlow(const InputFlow&) = delete;
    InputFlow& operator=(const InputFlow&) = delete;

    InputFlowHooks& Hooks() { return hooks_; }

    // The title screen, wired to the general group.
    Form1* ShowTitle();
    Form1HandOver TitleHandOver();

    void EnterGeneralGroup();
    void EnterRectifyingGroup();
    void EnterStrippingGroup();
    // The results window calculating with the constant ALFA.
    void ShowAlfaResults();

private:
    Form2* MakeForm2();

    ProgramState& state_;
    Platform platform_;
    InputFlowHooks hooks_;
    QPointer<Form2> preparedForm2_; // stands behind the name questions
};

} // namespace radirav
