#pragma once

#include "model/program_state.h"
#include "platform/controls.h"
#include "platform/platform.h"
#include "platform/screen_window.h"
#include "screens/common/yes_no_window.h"
#include "screens/flow/navigator.h"

#include <QPointer>

class QLabel;
class QListWidget;

namespace radirav {

class Form12;

// Where the typed points go once checked: the check screen waits for the student, or the
// editor takes them at once.
enum class AfterPointEntry { Check, Editor };

// The tabulated equilibrium: the point count and every x and y typed in input boxes, then the
// points printed with their ALFA for control, checked, and accepted or handed to the editor.
class Form10 final : public ScreenWindow {
    Q_OBJECT
public:
    Form10(ProgramState& state, Platform platform, Navigator& navigator);
    ~Form10() override;

    CommandButton* Command1; // accept the table
    CommandButton* Command2; // correct it in the graph editor
    QListWidget* List1;      // the points as they are typed
    QLabel* Label1;          // title line
    QLabel* Label2;          // highlight over the failing point's row

    // Asks the count, then x and y of every point, then shows the check.
    void EnterEquilibriumPoints(AfterPointEntry next);
    // Sorts, prints every point with its ALFA and checks the table; the buttons show the verdict.
    void ShowEquilibriumCheck();
    // The failing point highlighted and the question whether to correct it.
    void ShowCheckError();

    void Command1Click();
    void Command2Click();

    Form12* Confirmation() const;

protected:
    void OnCloseRequested() override;

private:
    std::optional<int> AskPointCount();
    void EnterPoint(int i);
    void RefillList(int count);
    void LeaveForEditor();
    void EndProgram();

    ProgramState& state_;
    Platform platform_;
    Navigator& navigator_;
    OpenQuestion<Form12> confirmation_;
};

} // namespace radirav
