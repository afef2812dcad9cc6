#pragma once

#include "model/program_state.h"
#include "platform/controls.h"
#include "platform/platform.h"
#include "platform/screen_window.h"
#include "screens/common/yes_no_window.h"
#include "screens/flow/navigator.h"

#include <QPointer>
#include <QRect>
#include <QString>
#include <optional>

class QLabel;
class QListWidget;

namespace radirav {

// What tells the three parameter-group windows apart.
struct GroupDesign {
    QString name;
    int firstParam = 0;
    int paramCount = 0;
    QString typingCaption;
    QString boxTitle;
    QString header;
    QString command2Caption;
    QRect windowTwips; // left, top, width, height
    int listHeightTwips = 0;
    // Input box of the k-th parameter while typing at y = k * 195 + this (twips).
    int entryBoxBaseTwips = 0;
    // Input box correcting list row r at y = r * 195 + this (twips).
    int correctionBoxBaseTwips = 0;
    // A valid group gives the accept button the focus.
    bool focusAcceptWhenValid = true;
    // The hint is centred on the list instead of the window.
    bool hintCentredOnList = false;
    // Set when the change-input menu re-opened the group: acceptance returns there.
    bool ProgramState::*changeFlag = nullptr;
    // The group typed next on the first run; none after the last one.
    std::optional<ParamGroup> nextGroup;
};

// A parameter group typed value by value in input boxes, shown for control, corrected line by
// line and accepted. The twins Form2, Form4 and Form6 differ only by their design, their
// acceptance routine and their confirmation window.
class GroupWindow : public ScreenWindow {
    Q_OBJECT
public:
    CommandButton* Command1; // accept as typed
    CommandButton* Command2; // correct
    CommandButton* Command3; // end of corrections
    QListWidget* List1;
    QLabel* Label1; // group header
    QLabel* Label2; // highlight over the first bad line
    QLabel* Label3; // how to correct

    // Asks every value of the group, fills the list, then prints the group for control.
    void EnterGroup();

    void Command1Click();
    void Command2Click();
    void Command3Click();
    // `row` counts from 1.
    void List1Click(int row);

    // Re-opened from the change-input menu: the group's list, values re-read from their texts,
    // waiting for a line to be clicked.
    void PrepareForEditing();
    // Back from the confirmation's "Да": the list to correct, no highlight, no end button yet.
    void ResumeCorrecting();
    YesNoWindow* Confirmation() const;
    const GroupDesign& Design() const { return design_; }

protected:
    GroupWindow(ProgramState& state, Platform platform, Navigator& navigator, GroupDesign design);

    // The group's acceptance routine.
    virtual void Accept() = 0;
    // The group's own confirmation window asking whether the student corrects the input.
    virtual YesNoWindow* MakeConfirmation() = 0;
    // Further controls of a twin that stay hidden while the group is typed.
    virtual void HideFurtherControls() {}

    // A confirmation window of type T: "Да" resumes correcting this group, "Нет" ends the program.
    template <typename T> YesNoWindow* MakeConfirmationOf() {
        return new T(platform_.screens, WhileLoaded(this, &GroupWindow::ResumeCorrecting),
                     WhileLoaded(this, &GroupWindow::EndProgram));
    }

    // Checks the group; on a failure marks the bad line, opens the confirmation and says false.
    bool PassesAcceptanceCheck();
    // With the group's change flag set, goes back to the change-input menu.
    bool LeftForChangeMenu();
    void LeaveForNextGroup();
    void PrintGroupLines();

public:
    // Closes every window and ends the program.
    void EndProgram();

protected:
    void OnCloseRequested() override;

    ProgramState& state_;
    Platform platform_;
    Navigator& navigator_;

private:
    void Load();
    std::uint8_t CheckGroup();

    GroupDesign design_;
    OpenQuestion<YesNoWindow> confirmation_;
};

} // namespace radirav
