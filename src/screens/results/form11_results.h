#pragma once

#include "calc/column.h"
#include "model/program_state.h"
#include "platform/controls.h"
#include "platform/platform.h"
#include "platform/screen_window.h"
#include "screens/flow/navigator.h"
#include "screens/results/held_column.h"

#include <memory>

class QLabel;
class QPlainTextEdit;

namespace radirav {

// The calculation window: starts the calculation and shows the results table or the stop. It
// holds the calculated column, which the windows beside it read and never calculate again.
class Form11 final : public ScreenWindow {
    Q_OBJECT
public:
    Form11(ProgramState& state, Platform platform, Navigator& navigator);

    CommandButton* Command1; // calculate from the equilibrium graph
    CommandButton* Command2; // back to the graph editor
    CommandButton* Command3; // print
    CommandButton* Command4; // change the input
    CommandButton* Command5; // end
    QLabel* Label2;
    QLabel* ReasonLabel;          // under a stop's message: where the column failed and what helps
    QPlainTextEdit* WarningList;  // under the results: every warning about trays outside their usual
                                  // design window, scrolled when there are more than it shows
    CommandButton* DiagramButton; // the column drawn, after a normal end
    CommandButton* TrayButton;    // one tray worked out step by step, after a normal end
    CommandButton* CompareButton; // the session's calculations side by side, after any outcome

    // For callers that calculate straight away: results caption, no start or graph buttons.
    void PrepareForDirectResults();
    // Calculates the column from the state and shows its results or its stop.
    void Calculate();
    // Shown with the results caption, asks a constant ALFA until it is in range and calculates
    // with it; a student who will not go on ends the program.
    void AskAlfaAndCalculate();
    void ShowResults();
    // The accepted point table as an x-y diagram on yellow, before the calculation starts.
    void ShowEquilibriumGraph();
    // The last calculation's column; null before the first.
    std::shared_ptr<const ColumnResult> Result() const;
    // The same column with what is worked out from it (the reflux study).
    const std::shared_ptr<HeldColumn>& Column() const { return column_; }

    void Command1Click() { Calculate(); }
    void Command2Click();
    void Command3Click();
    void Command4Click();
    void Command5Click();
    void DiagramButtonClick() { navigator_.ShowColumnDiagram(); }
    void TrayButtonClick() { navigator_.ShowWorkedTray(1); }
    void CompareButtonClick() { navigator_.CompareCalculations(); }

signals:
    // Once for every calculation this window makes, its input still in the state.
    void Calculated(const radirav::ColumnResult& result);

protected:
    void OnCloseRequested() override;

private:
    void ShowStop(const ColumnResult& result);
    void ShowWarnings(const std::vector<HydraulicWarning>& warnings);
    // `text` in `label`, or the label hidden when there is none.
    static void ShowNote(QLabel* label, const std::string& text);
    // Unloads this window and every other one before the next screen.
    void Leave();

    ProgramState& state_;
    Platform platform_;
    Navigator& navigator_;
    std::shared_ptr<HeldColumn> column_;
};

} // namespace radirav
