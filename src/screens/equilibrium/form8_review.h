#pragma once

#include "model/program_state.h"
#include "platform/controls.h"
#include "platform/platform.h"
#include "platform/screen_window.h"
#include "screens/common/yes_no_window.h"
#include "screens/flow/navigator.h"

#include <QPointer>
#include <initializer_list>

class QLabel;
class QListWidget;

namespace radirav {

class Form9;

// The ideal-mixture branch of the equilibrium input: asks whether the mixture is ideal, then
// takes the six Antoine constants, shows them for control, corrects them line by line and
// checks them before the calculation.
class Form8 final : public ScreenWindow {
    Q_OBJECT
public:
    Form8(ProgramState& state, Platform platform, Navigator& navigator);
    ~Form8() override;

    CommandButton* Command1; // non-ideal mixture
    CommandButton* Command2; // ideal mixture
    CommandButton* Command3; // accept the constants
    CommandButton* Command4; // start correcting
    CommandButton* Command5; // end of corrections
    QListWidget* List1;      // one line per constant
    QLabel* Label1;          // how the mixture is treated
    QLabel* Label2;          // the Antoine equation
    QLabel* Label3;          // highlight over the first bad constant
    QLabel* Label4;          // how to correct

    // "The volatility is not constant": non-ideal or ideal mixture.
    void ShowIdealityChoice();
    // Asks the six constants, shows them for control and checks them.
    void EnterAntoineConstants();
    // The entered constants listed to be corrected by clicking a line.
    void CorrectConstants();

    void Command1Click();
    void Command2Click() { EnterAntoineConstants(); }
    void Command3Click();
    void Command4Click();
    void Command5Click();
    // `row` counts from 1; a row that is not a constant's is ignored.
    void List1Click(int row);

    // Checks the constants; on a failure beeps, prints them with the first bad one highlighted
    // and opens the question whether to correct them.
    void ReportAntoineError();
    Form9* ErrorQuestion() const;

    // Closes every window and ends the program.
    void EndProgram();

protected:
    void OnCloseRequested() override;

private:
    void Load();
    std::uint8_t Check();
    void FillList();
    void PrintConstantLines();
    // The window's states, each showing exactly its controls: the ideality question; the
    // constants being typed; the typed constants printed for control; the list to correct (its
    // end offered once a line was corrected); the constants printed with the first bad one
    // highlighted by `caption`, its left edge at `leftTwips`.
    void ShowChoiceState();
    void ShowEntryState();
    void ShowReviewState();
    void ShowCorrectionState(bool corrected);
    void ShowErrorState(const QString& caption, int leftTwips);
    void ShowOnly(std::initializer_list<QWidget*> shown);
    void OpenErrorQuestion(int topPixels);
    // Unloads this window and every other one before the next screen.
    void Close();
    // The checked constants go to the calculation (or, without the Antoine model, to the points).
    void HandOver();

    ProgramState& state_;
    Platform platform_;
    Navigator& navigator_;
    OpenQuestion<Form9> errorQuestion_;
};

} // namespace radirav
