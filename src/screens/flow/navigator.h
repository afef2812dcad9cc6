#pragma once

namespace radirav {

// The three parameter groups, in the order the first run types them.
enum class ParamGroup { General, Rectifying, Stripping };

// Which equilibrium data the re-entry choice is about.
enum class EquilibriumData { Points, Antoine };

// The screens' one way to each other. A screen says what the student does next; the navigator
// knows which window carries it out, creates or finds it and shows it.
class Navigator {
public:
    virtual ~Navigator() = default;

    // The general window stands bare behind the two name questions of the title screen.
    virtual void ShowNameBackdrop() = 0;
    // First-run typing of a group, value by value.
    virtual void EnterGroup(ParamGroup group) = 0;
    // The group's list to correct, re-opened from the change-input menu.
    virtual void EditGroup(ParamGroup group) = 0;
    // A group changed from the menu is done: the menu again, as it was left.
    virtual void ReturnToChangeMenu() = 0;
    // "The volatility is not constant": ideal or non-ideal mixture.
    virtual void ShowIdealityChoice() = 0;
    // The points typed and checked on the check screen, which offers the graph or the editor.
    virtual void EnterEquilibriumPoints() = 0;
    // The points typed anew from the change-input menu, checked, then corrected in the editor.
    virtual void ReenterEquilibriumPoints() = 0;
    virtual void ShowEquilibriumCheck() = 0;
    virtual void OpenGraphEditor() = 0;
    // The accepted point table drawn on the results window, which offers the calculation from it.
    virtual void ShowEquilibriumGraph() = 0;
    virtual void EnterAntoineConstants() = 0;
    // The entered Antoine constants listed to be corrected line by line.
    virtual void CorrectAntoineConstants() = 0;
    // The results window calculates the column from the state and shows the results or the stop.
    virtual void CalculateAndShow() = 0;
    // The results window asks a constant ALFA and calculates with it.
    virtual void AskAlfaAndCalculate() = 0;
    virtual void OpenChangeMenu() = 0;
    virtual void OpenReentryChoice(EquilibriumData data) = 0;
    // Closes every window and ends the program.
    virtual void EndProgram() = 0;
    // The calculated column drawn beside the results: diagram, tray profile, reflux study.
    virtual void ShowColumnDiagram() = 0;
    // Tray `tray` of the calculated column worked out step by step, beside the results.
    virtual void ShowWorkedTray(int tray) = 0;
    // The session's calculations side by side, beside the results: what changed and what it gave.
    virtual void CompareCalculations() = 0;
};

} // namespace radirav
