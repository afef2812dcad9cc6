#pragma once

#include "calc/calculation_history.h"
#include "model/program_state.h"
#include "platform/platform.h"
#include "screens/flow/navigator.h"

#include <QPointer>

namespace radirav {

class Form1;
class GroupWindow;
class Form2;
class Form8;
class Form11;
class Form15;
class ColumnDiagramWindow;
class WorkedTrayWindow;
class ComparisonWindow;
class ScreenWindow;

// Who opens whom: the one place that knows every screen. Every hand-over unloads whatever the
// student leaves, so one window of each kind is loaded and none hidden behind; once the end of
// the program is asked, no further intent is carried out (Carry). Outlives every screen it opens (main
// or a test owns it, beside the state and the platform).
class ScreenFlow final : public Navigator {
public:
    ScreenFlow(ProgramState& state, Platform platform);
    ScreenFlow(const ScreenFlow&) = delete;
    ScreenFlow& operator=(const ScreenFlow&) = delete;

    // The program's first window.
    Form1* ShowTitle();
    // Writes the whole input for `radirav --last`, once the student has begun: the title screen
    // alone leaves the input of an earlier run in place. Once the end has kept it, nothing more.
    void KeepInput();

    void ShowNameBackdrop() override;
    void EnterGroup(ParamGroup group) override;
    void EditGroup(ParamGroup group) override;
    void ReturnToChangeMenu() override;
    void ShowIdealityChoice() override;
    void EnterEquilibriumPoints() override;
    void ReenterEquilibriumPoints() override;
    void ShowEquilibriumCheck() override;
    void OpenGraphEditor() override;
    void ShowEquilibriumGraph() override;
    void EnterAntoineConstants() override;
    void CorrectAntoineConstants() override;
    void CalculateAndShow() override;
    void AskAlfaAndCalculate() override;
    void OpenChangeMenu() override;
    void OpenReentryChoice(EquilibriumData data) override;
    void EndProgram() override;
    void ShowColumnDiagram() override;
    void ShowWorkedTray(int tray) override;
    void CompareCalculations() override;

    // Every calculation the results window has made since the program started.
    const CalculationHistory& History() const { return history_; }

private:
    // Unloads every screen but `next` (and `alsoKept`), then gives `next` back.
    template <typename Screen> Screen* HandOverTo(Screen* next, const ScreenWindow* alsoKept = nullptr);
    // Carries out `intent` unless the end of the program has been asked.
    template <typename Intent> void Carry(Intent&& intent);
    // The screen while it is loaded, or null.
    template <typename Screen> static Screen* Loaded(const QPointer<Screen>& screen);
    GroupWindow* MakeGroupWindow(ParamGroup group);
    // The review window of the equilibrium input while it is loaded, or a new one.
    Form8* Review();
    Form11* ResultsWindow();

    ProgramState& state_;
    Platform platform_;
    bool ending_ = false;
    bool inputBegun_ = false;
    QPointer<Form2> nameBackdrop_; // the general window standing behind the name questions
    QPointer<Form8> review_;       // the ideality question and the Antoine constants
    QPointer<Form15> menu_;        // the change-input menu, kept hidden while a group is changed
    QPointer<Form11> results_;     // holds the calculated column the diagram and the worked tray read
    QPointer<ColumnDiagramWindow> columnDiagram_;
    QPointer<WorkedTrayWindow> workedTray_;
    QPointer<ComparisonWindow> comparison_;
    // The session's calculations, in memory only: no input, never in a case file.
    CalculationHistory history_;
};

} // namespace radirav
