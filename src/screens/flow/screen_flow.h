#pragma once

#include "model/program_state.h"
#include "platform/platform.h"
#include "screens/flow/navigator.h"

#include <QPointer>

namespace radirav {

class Form1;
class GroupWindow;
class Form2;
class Form10;
class Form8;
class Form13;
class Form15;
class ColumnDiagramWindow;

// Who opens whom: the one place that knows every screen. Outlives every screen it opens (main
// or a test owns it, beside the state and the platform).
class ScreenFlow final : public Navigator {
public:
    ScreenFlow(ProgramState& state, Platform platform);
    ScreenFlow(const ScreenFlow&) = delete;
    ScreenFlow& operator=(const ScreenFlow&) = delete;

    // The program's first window.
    Form1* ShowTitle();

    void ShowNameBackdrop() override;
    void EnterGroup(ParamGroup group) override;
    void EditGroup(ParamGroup group) override;
    void ReturnToChangeMenu() override;
    void ShowIdealityChoice() override;
    void EnterEquilibriumPoints() override;
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

private:
    GroupWindow* MakeGroupWindow(ParamGroup group);
    Form10* PointCheckScreen();
    // The review window of the equilibrium input while it is loaded, or a new one.
    Form8* Review();

    ProgramState& state_;
    Platform platform_;
    QPointer<Form2> nameBackdrop_; // the general window standing behind the name questions
    QPointer<Form10> pointCheck_;  // the point entry and check window while it is loaded
    QPointer<Form8> review_;       // the ideality question and the Antoine constants
    QPointer<Form13> graphEditor_; // found again while loaded, to be shown as it was left
    QPointer<Form15> menu_;        // the change-input menu, kept hidden while a group is changed
    QPointer<ColumnDiagramWindow> columnDiagram_;
};

} // namespace radirav
