#include "screens/input/input_flow.h"

#include "screens/input/form1_title.h"
#include "screens/input/form2_general.h"
#include "screens/input/form4_rectifying.h"
#include "screens/input/form6_stripping.h"
#include "screens/results/form11_results.h"

namespace radirav {

InputFlow::InputFlow(ProgramState& state, Platform platform, InputFlowHooks hooks)
    : state_(state), platform_(platform), hooks_(std::move(hooks)) {}

Form1* InputFlow::ShowTitle() {
    auto* form1 = new Form1(state_, platform_, TitleHandOver());
    form1->show();
    return form1;
}

Form1HandOver InputFlow::TitleHandOver() {
    return {[this] {
                preparedForm2_ = MakeForm2();
                preparedForm2_->PrepareForNames();
            },
            [this] { EnterGeneralGroup(); }};
}

Form2* InputFlow::MakeForm2() {
    return new Form2(state_, platform_, {[this] { EnterRectifyingGroup(); }, hooks_.openChangeMenu});
}

void InputFlow::EnterGeneralGroup() {
    Form2* form2 = preparedForm2_ && !preparedForm2_->IsUnloading() ? preparedForm2_.data() : MakeForm2();
    preparedForm2_ = nullptr;
    form2->EnterGroup();
}

void InputFlow::EnterRectifyingGroup() {
    auto* form4 = new Form4(state_, platform_, {[this] { EnterStrippingGroup(); }, hooks_.openChangeMenu});
    form4->EnterGroup();
}

void InputFlow::EnterStrippingGroup() {
    auto* form6 =
        new Form6(state_, platform_,
                  {hooks_.openChangeMenu, hooks_.openEquilibriumReview, [this] { ShowAlfaResults(); }});
    form6->EnterGroup();
}

void InputFlow::ShowAlfaResults() {
    auto* form11 = new Form11(state_, platform_, {{}, hooks_.openChangeMenu});
    form11->PrepareForDirectResults();
    form11->Calculate();
    form11->show();
}

} // namespace radirav
