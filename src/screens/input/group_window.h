#pragma once

#include "model/program_state.h"
#include "platform/platform.h"
#include "platform/screen_window.h"

#include <QPointer>
#include <QRect>
#include <QString>
#include <functional>

class QLabel;
class QListWidget;
class QPushButton;

namespace radirav {

class ConfirmationWindow;

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
};

// Where an accepted group leads.
struct GroupHandOver {
    std::function<void()> nextGroup;
    // The change-input menu; while it is not built an accepted group with its change flag set
    // goes on to the next group as on the first run.
    std::function<void()> openChangeMenu;
};

// A parameter group typed value by value in input boxes, shown for control, corrected line by
// line and accepted. The twins Form2, Form4 and Form6 differ only by their design, their
// acceptance routine and their confirmation window.
class GroupWindow : public ScreenWindow {
    Q_OBJECT
public:
    ~GroupWindow() override;

    QPushButton* Command1; // accept as typed
    QPushButton* Command2; // correct
    QPushButton* Command3; // end of corrections
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

    // Back from the confirmation's "Да": the list to correct, no highlight, no end button yet.
    void ResumeCorrecting();
    ConfirmationWindow* Confirmation() const;
    const GroupDesign& Design() const { return design_; }

protected:
    GroupWindow(ProgramState& state, Platform platform, GroupDesign design, GroupHandOver handOver);

    // The group's acceptance routine.
    virtual void Accept() = 0;
    virtual ConfirmationWindow* MakeConfirmation() = 0;
    // Further controls of a twin that stay hidden while the group is typed.
    virtual void HideFurtherControls() {}

    // Checks the group; on a failure marks the bad line, opens the confirmation and says false.
    bool PassesAcceptanceCheck();
    // With the group's change flag set, leaves for the change-input menu when it exists.
    bool LeftForChangeMenu();
    void LeaveForNextGroup();
    void PrintGroupLines();
    // Closes every window and ends the program.
    void EndProgram();
    void OnCloseRequested() override { EndProgram(); }

    ProgramState& state_;
    Platform platform_;

private:
    void Load();
    std::uint8_t CheckGroup();
    void CloseConfirmation();

    GroupDesign design_;
    GroupHandOver handOver_;
    QPointer<ConfirmationWindow> confirmation_;
};

} // namespace radirav
