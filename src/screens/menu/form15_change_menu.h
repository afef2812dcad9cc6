#pragma once

#include "model/equilibrium_choice.h"
#include "model/program_state.h"
#include "platform/controls.h"
#include "platform/platform.h"
#include "platform/screen_window.h"
#include "screens/flow/navigator.h"

#include <cstdint>
#include <optional>

class QLabel;

namespace radirav {

// The change-input menu after a calculation: a tree of buttons that mirrors the choices of the
// first run, coloured by the state of their data, from which any group is changed, the tray
// type toggled, the equilibrium switched and the column calculated again.
class Form15 final : public ScreenWindow {
    Q_OBJECT
public:
    // Back colours, 0xBBGGRR.
    static constexpr std::uint32_t kEnteredColor = 0x80FF80;    // data in use
    static constexpr std::uint32_t kNotEnteredColor = 0xFFFFFF; // no data
    static constexpr std::uint32_t kNotInCalcColor = 0xFFFF80;  // data exist but are not used

    Form15(ProgramState& state, Platform platform, Navigator& navigator);

    QLabel* Label1;
    CommandButton* Command1;  // end of the work
    CommandButton* Command2;  // general parameters
    CommandButton* Command3;  // rectifying section
    CommandButton* Command4;  // stripping section
    CommandButton* Command5;  // tray type
    CommandButton* Command6;  // constant volatility
    CommandButton* Command7;  // variable volatility
    CommandButton* Command8;  // ALFA
    CommandButton* Command9;  // non-ideal mixture
    CommandButton* Command10; // ideal mixture
    CommandButton* Command11; // equilibrium points
    CommandButton* Command12; // Antoine constants
    CommandButton* Command13; // calculate with the changed data

    // Back from a group changed from here: the menu as it was left, in front.
    void ShowAgain();

    void Command1Click();
    void Command2Click() { EditGroup(&ProgramState::ChangeGeneralMode, ParamGroup::General); }
    void Command3Click() { EditGroup(&ProgramState::ChangeRectifyingMode, ParamGroup::Rectifying); }
    void Command4Click() { EditGroup(&ProgramState::ChangeStrippingMode, ParamGroup::Stripping); }
    void Command5Click();
    void Command6Click();
    void Command7Click();
    void Command8Click();
    void Command9Click();
    void Command10Click();
    void Command11Click();
    void Command12Click();
    void Command13Click();

protected:
    void OnCloseRequested() override;

private:
    // What the student has picked on the open menu since it was loaded.
    enum class Pick { AsLoaded, Constant, Variable, NonIdeal, Ideal };

    void Load();
    void PlaceControls();
    void DrawConnectingLines();
    void DrawLegend();
    // Paints and enables the equilibrium tree and the recalculation from the flags, the pick and
    // the equilibrium the recalculation would use.
    void ShowChoice();
    void EditGroup(bool ProgramState::*changeFlag, ParamGroup group);
    // Unloads the menu and every other window before the next screen.
    void Leave();

    ProgramState& state_;
    Platform platform_;
    Navigator& navigator_;
    Pick pick_ = Pick::AsLoaded;
    // What "Расчёт с изменёнными данными" calculates with; none while it is disabled.
    std::optional<EquilibriumSource> recalculation_;
};

} // namespace radirav
