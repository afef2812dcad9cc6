#pragma once

#include "screens/common/yes_no_window.h"
#include "screens/input/group_window.h"

namespace radirav {

// General parameters 1..12.
class Form2 final : public GroupWindow {
    Q_OBJECT
public:
    Form2(ProgramState& state, Platform platform, Navigator& navigator);

    // Only the window and its caption, standing behind the name questions.
    void PrepareForNames();
    // Accepts the general group, then the rectifying group follows.
    void EnterRectifyingParams();

protected:
    void Accept() override { EnterRectifyingParams(); }
    YesNoWindow* MakeConfirmation() override;
};

// Asks whether the student corrects the general group after it failed its check: "Да" goes back to
// its list, "Нет" ends the program.
class Form3 final : public YesNoWindow {
    Q_OBJECT
public:
    Form3(ScreenList& screens, std::function<void()> yes, std::function<void()> no);
};

} // namespace radirav
