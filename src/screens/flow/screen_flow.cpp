#include "screens/flow/screen_flow.h"

#include "model/equilibrium_choice.h"
#include "screens/equilibrium/form10_points_check.h"
#include "screens/input/form1_title.h"
#include "screens/input/form2_general.h"
#include "screens/input/form4_rectifying.h"
#include "screens/input/form6_stripping.h"
#include "screens/results/form11_results.h"

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
    case Intent::EnterEquilibriumPoints:
    case Intent::ShowEquilibriumCheck:
    case Intent::ShowEquilibriumGraph:
        return true;
    case Intent::EditGroup:
    case Intent::ReturnToChangeMenu:
    case Intent::ShowIdealityChoice:
    case Intent::OpenGraphEditor:
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

void ScreenFlow::EndProgram() {
    platform_.screens.UnloadAll();
    platform_.programEnd.EndProgram();
}

// Intents whose screens the program does not have yet: never offered, so no button leads here.
void ScreenFlow::EditGroup(ParamGroup) {}
void ScreenFlow::ReturnToChangeMenu() {}
void ScreenFlow::ShowIdealityChoice() {}
void ScreenFlow::OpenGraphEditor() {}
void ScreenFlow::EnterAntoineConstants() {}
void ScreenFlow::CorrectAntoineConstants() {}
void ScreenFlow::OpenChangeMenu() {}
void ScreenFlow::OpenReentryChoice(EquilibriumData) {}

} // namespace radirav
