#pragma once

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

} // namespace radirav
