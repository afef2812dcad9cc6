#pragma once

#include "screens/common/yes_no_window.h"
#include "screens/input/group_window.h"

namespace radirav {

// Stripping-section parameters 21..28, then the tray type and the volatility question.
class Form6 final : public GroupWindow {
    Q_OBJECT
public:
    Form6(ProgramState& state, Platform platform, Navigator& navigator);

    CommandButton* Command4; // volatility not constant
    CommandButton* Command5; // volatility constant
    CommandButton* Command6; // bubble-cap trays
    CommandButton* Command7; // sieve trays
    QLabel* Label4;          // asks for the tray type

    // Accepts the stripping group, then asks for the tray type.
    void ChooseTrayType();

    void Command4Click();
    void Command5Click();
    void Command6Click() { SetTrayType("K"); }
    void Command7Click() { SetTrayType("S"); }

protected:
    void Accept() override { ChooseTrayType(); }
    YesNoWindow* MakeConfirmation() override;
    void HideFurtherControls() override;

private:
    void ShowTrayChoice();
    void SetTrayType(const char* trayType);
    // Asks ALFA until it is in range; false when the student ended the program instead.
    bool AskAlfa();
};

// Asks whether the student corrects the stripping group after it failed its check: "Да" goes back to
// its list, "Нет" ends the program.
class Form7 final : public YesNoWindow {
    Q_OBJECT
public:
    Form7(ScreenList& screens, std::function<void()> yes, std::function<void()> no);
};

} // namespace radirav
