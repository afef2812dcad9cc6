#pragma once

#include "screens/input/group_window.h"

namespace radirav {

// Where the stripping window leads after its group.
struct Form6HandOver {
    // The change-input menu (empty while it is not built: the tray choice follows instead).
    std::function<void()> openChangeMenu;
    // The screen that asks whether the mixture is ideal; while it is not built the
    // "not constant" answer stays hidden.
    std::function<void()> openEquilibriumReview;
    // The results window, calculating with the constant ALFA just typed.
    std::function<void()> showAlfaResults;
};

// Stripping-section parameters 21..28, then the tray type and the volatility question.
class Form6 final : public GroupWindow {
    Q_OBJECT
public:
    Form6(ProgramState& state, Platform platform, Form6HandOver handOver);

    QPushButton* Command4; // volatility not constant
    QPushButton* Command5; // volatility constant
    QPushButton* Command6; // bubble-cap trays
    QPushButton* Command7; // sieve trays
    QLabel* Label4;        // asks for the tray type

    // Accepts the stripping group, then asks for the tray type.
    void ChooseTrayType();

    void Command4Click();
    void Command5Click();
    void Command6Click() { SetTrayType("K"); }
    void Command7Click() { SetTrayType("S"); }

protected:
    void Accept() override { ChooseTrayType(); }
    ConfirmationWindow* MakeConfirmation() override;
    void HideFurtherControls() override;

private:
    void ShowTrayChoice();
    void SetTrayType(const char* trayType);
    // Asks ALFA until it is in range; false when the student ended the program instead.
    bool AskAlfa();

    Form6HandOver form6HandOver_;
};

} // namespace radirav
