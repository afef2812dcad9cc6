#include "screens/flow/screen_flow.h"

#include "model/equilibrium_choice.h"
#include "screens/equilibrium/form10_points_check.h"
#include "screens/equilibrium/form13_graph_editor.h"
#include "screens/equilibrium/form8_review.h"
#include "screens/input/form1_title.h"
#include "screens/input/form2_general.h"
#include "screens/input/form4_rectifying.h"
#include "screens/input/form6_stripping.h"
#include "screens/menu/form15_change_menu.h"
#include "screens/menu/form16_reentry_choice.h"
#include "screens/results/column_diagram_window.h"
#include "screens/results/form11_results.h"

#include <QElapsedTimer>

namespace radirav {

ScreenFlow::ScreenFlow(ProgramState& state, Platform platform) : state_(state), platform_(platform) {}

Form1* ScreenFlow::ShowTitle() {
    auto* form1 = new Form1(state_, platform_, *this);
    form1->show();
    return form1;
}

void ScreenFlow::ShowNameBackdrop() {
    nameBackdrop_ = new Form2(state_, platform_, *this);
    nameBackdrop_->PrepareForNames();
}

GroupWindow* ScreenFlow::MakeGroupWindow(ParamGroup group) {
    switch (group) {
    case ParamGroup::General:
        return new Form2(state_, platform_, *this);
    case ParamGroup::Rectifying:
        return new Form4(state_, platform_, *this);
    case ParamGroup::Stripping:
        break;
    }
    return new Form6(state_, platform_, *this);
}

void ScreenFlow::EnterGroup(ParamGroup group) {
    // The general window may already stand behind the name questions.
    const bool backdrop = group == ParamGroup::General && nameBackdrop_ && !nameBackdrop_->IsUnloading();
    GroupWindow* window = backdrop ? nameBackdrop_.data() : MakeGroupWindow(group);
    nameBackdrop_ = nullptr;
    window->EnterGroup();
}

Form8* ScreenFlow::Review() {
    if (!review_ || review_->IsUnloading()) {
        review_ = new Form8(state_, platform_, *this);
    }
    return review_.data();
}

void ScreenFlow::ShowIdealityChoice() {
    Review()->ShowIdealityChoice();
}

void ScreenFlow::EnterAntoineConstants() {
    Review()->EnterAntoineConstants();
}

void ScreenFlow::CorrectAntoineConstants() {
    Review()->CorrectConstants();
}

void ScreenFlow::CalculateAndShow() {
    // A case started from a file goes to its results straight from the names.
    if (nameBackdrop_ && !nameBackdrop_->IsUnloading())
        nameBackdrop_->Unload();
    nameBackdrop_ = nullptr;
    auto* form11 = new Form11(state_, platform_, *this);
    form11->PrepareForDirectResults();
    form11->Calculate();
    form11->show();
}

Form10* ScreenFlow::PointCheckScreen() {
    if (!pointCheck_ || pointCheck_->IsUnloading()) {
        pointCheck_ = new Form10(state_, platform_, *this);
    }
    return pointCheck_;
}

void ScreenFlow::EnterEquilibriumPoints() {
    PointCheckScreen()->EnterEquilibriumPoints();
}

// Also the editor's way back with a table that still fails: the failing point is shown at once
// with the question whether to correct it.
void ScreenFlow::ShowEquilibriumCheck() {
    Form10* form10 = PointCheckScreen();
    form10->ShowEquilibriumCheck();
    if (state_.InputError) {
        form10->ShowCheckError();
    }
}

void ScreenFlow::ShowEquilibriumGraph() {
    auto* form11 = new Form11(state_, platform_, *this);
    AcceptPointTable(state_);
    form11->ShowEquilibriumGraph();
    form11->show();
}

void ScreenFlow::OpenGraphEditor() {
    if (!graphEditor_ || graphEditor_->IsUnloading()) {
        graphEditor_ = new Form13(state_, platform_, *this);
    }
    graphEditor_->RefreshEditor();
    state_.PointPicked = false;
    graphEditor_->show();
    graphEditor_->raise();
    graphEditor_->activateWindow();
    if (state_.InputError) {
        graphEditor_->Command5->setFocus();
    }
}

void ScreenFlow::AskAlfaAndCalculate() {
    auto* form11 = new Form11(state_, platform_, *this);
    form11->AskAlfaAndCalculate();
}

void ScreenFlow::OpenChangeMenu() {
    // Always a fresh menu, built from the flags as they are now.
    if (menu_ && !menu_->IsUnloading()) {
        menu_->Unload();
    }
    menu_ = new Form15(state_, platform_, *this);
    menu_->show();
}

void ScreenFlow::EditGroup(ParamGroup group) {
    MakeGroupWindow(group)->PrepareForEditing();
}

void ScreenFlow::ReturnToChangeMenu() {
    // The menu the group was opened from, exactly as it was left; a new one if it was closed.
    if (menu_ && !menu_->IsUnloading()) {
        menu_->show();
        menu_->raise();
        return;
    }
    OpenChangeMenu();
}

void ScreenFlow::OpenReentryChoice(EquilibriumData data) {
    auto* form16 = new Form16(state_, platform_, *this, data);
    form16->show();
}

void ScreenFlow::EndProgram() {
    platform_.screens.UnloadAll();
    platform_.programEnd.EndProgram();
}

void ScreenFlow::ShowColumnDiagram() {
    QElapsedTimer clicked;
    clicked.start();
    // One diagram at a time: a second click brings the open one forward.
    if (columnDiagram_ && !columnDiagram_->IsUnloading()) {
        columnDiagram_->raise();
        columnDiagram_->activateWindow();
        return;
    }
    columnDiagram_ = new ColumnDiagramWindow(state_, platform_);
    if (qEnvironmentVariableIsSet("RADIRAV_TIMING"))
        columnDiagram_->ReportOpenTime(clicked);
    columnDiagram_->show();
}

} // namespace radirav
