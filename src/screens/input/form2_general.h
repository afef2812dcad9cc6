#pragma once

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

} // namespace radirav
