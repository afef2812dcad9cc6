#pragma once

#include "screens/common/yes_no_window.h"

namespace radirav {

// Asks whether the point `row` offered on the graph editor is to be removed. "Нет", Escape and
// the title-bar close keep it: the question removes nothing unless answered "Да".
class Form14 final : public YesNoWindow {
    Q_OBJECT
public:
    Form14(ScreenList& screens, int row, std::function<void()> yes, std::function<void()> no);
};

} // namespace radirav
