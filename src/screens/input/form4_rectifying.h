#pragma once

#include "screens/common/yes_no_window.h"
#include "screens/input/group_window.h"

namespace radirav {

// Rectifying-section parameters 13..20.
class Form4 final : public GroupWindow {
    Q_OBJECT
public:
    Form4(ProgramState& state, Platform platform, Navigator& navigator);

    // Accepts the rectifying group, then the stripping group follows.
    void EnterStrippingParams();

protected:
    void Accept() override { EnterStrippingParams(); }
    YesNoWindow* MakeConfirmation() override;
};

// Asks whether the student corrects the rectifying group after it failed its check: "Да" goes back to
// its list, "Нет" ends the program.
class Form5 final : public YesNoWindow {
    Q_OBJECT
public:
    Form5(ScreenList& screens, std::function<void()> yes, std::function<void()> no);
};

} // namespace radirav
