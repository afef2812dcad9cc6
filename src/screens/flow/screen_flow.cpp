#include "screens/flow/screen_flow.h"

#include "screens/input/form1_title.h"
#include "screens/input/form2_general.h"
#include "screens/input/form4_rectifying.h"
#include "screens/input/form6_stripping.h"
#include "screens/menu/form15_change_menu.h"
#include "screens/menu/form16_reentry_choice.h"
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
    case Intent::AskAlfaAndCalculate:
    case Intent::EditGroup:
    case Intent::ReturnToChangeMenu:
    case Intent::OpenChangeMenu:
    case Intent::OpenReentryChoice:
    case Intent::EndProgram:
        return true;
    case Intent::ShowIdealityChoice:
    case Intent::EnterEquilibriumPoints:
    case Intent::ShowEquilibriumCheck:
    case Intent::OpenGraphEditor:
    case Intent::ShowEquilibriumGraph:
    case Intent::EnterAntoineConstants:
    case Intent::CorrectAntoineConstants:
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
    GroupWindow* window = nullptr;
    switch (group) {
    case ParamGroup::General:
        window = new Form2(state_, platform_, *this);
        break;
    case ParamGroup::Rectifying:
        window = new Form4(state_, platform_, *this);
        break;
    case ParamGroup::Stripping:
        window = new Form6(state_, platform_, *this);
        break;
    }
    window->PrepareForEditing();
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

// Intents whose screens the program does not have yet: never offered, so no button leads here.
void ScreenFlow::ShowIdealityChoice() {}
void ScreenFlow::EnterEquilibriumPoints() {}
void ScreenFlow::ShowEquilibriumCheck() {}
void ScreenFlow::OpenGraphEditor() {}
void ScreenFlow::ShowEquilibriumGraph() {}
void ScreenFlow::EnterAntoineConstants() {}
void ScreenFlow::CorrectAntoineConstants() {}

} // namespace radirav
