#include "screens/flow/screen_flow.h"

#include "screens/input/form1_title.h"
#include "screens/input/form2_general.h"
#include "screens/input/form4_rectifying.h"
#include "screens/input/form6_stripping.h"
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

bool ScreenFlow::Offers(Intent intent) const {
    switch (intent) {
    case Intent::EnterGroup:
    case Intent::CalculateAndShow:
    case Intent::EndProgram:
    case Intent::ShowColumnDiagram:
        return true;
    case Intent::EditGroup:
    case Intent::ReturnToChangeMenu:
    case Intent::ShowIdealityChoice:
    case Intent::EnterEquilibriumPoints:
    case Intent::ShowEquilibriumCheck:
    case Intent::OpenGraphEditor:
    case Intent::ShowEquilibriumGraph:
    case Intent::EnterAntoineConstants:
    case Intent::CorrectAntoineConstants:
    case Intent::OpenChangeMenu:
    case Intent::OpenReentryChoice:
        return false;
    }
    return false;
}

void ScreenFlow::ShowNameBackdrop() {
    nameBackdrop_ = new Form2(state_, platform_, *this);
    nameBackdrop_->PrepareForNames();
}

void ScreenFlow::EnterGroup(ParamGroup group) {
    GroupWindow* window = nullptr;
    switch (group) {
    case ParamGroup::General:
        window = nameBackdrop_ && !nameBackdrop_->IsUnloading() ? nameBackdrop_.data()
                                                                : new Form2(state_, platform_, *this);
        nameBackdrop_ = nullptr;
        break;
    case ParamGroup::Rectifying:
        window = new Form4(state_, platform_, *this);
        break;
    case ParamGroup::Stripping:
        window = new Form6(state_, platform_, *this);
        break;
    }
    window->EnterGroup();
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

// Intents whose screens the program does not have yet: never offered, so no button leads here.
void ScreenFlow::EditGroup(ParamGroup) {}
void ScreenFlow::ReturnToChangeMenu() {}
void ScreenFlow::ShowIdealityChoice() {}
void ScreenFlow::EnterEquilibriumPoints() {}
void ScreenFlow::ShowEquilibriumCheck() {}
void ScreenFlow::OpenGraphEditor() {}
void ScreenFlow::ShowEquilibriumGraph() {}
void ScreenFlow::EnterAntoineConstants() {}
void ScreenFlow::CorrectAntoineConstants() {}
void ScreenFlow::OpenChangeMenu() {}
void ScreenFlow::OpenReentryChoice(EquilibriumData) {}

} // namespace radirav
