#include "screens/flow/screen_flow.h"

#include "model/case_file.h"
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
#include "screens/results/comparison_window.h"
#include "screens/results/form11_results.h"
#include "screens/results/worked_tray_window.h"

#include <QElapsedTimer>
#include <utility>

namespace radirav {

ScreenFlow::ScreenFlow(ProgramState& state, Platform platform) : state_(state), platform_(platform) {}

Form1* ScreenFlow::ShowTitle() {
    auto* form1 = new Form1(state_, platform_, *this);
    form1->show();
    return form1;
}

void ScreenFlow::KeepInput() {
    if (inputBegun_ && !ending_) {
        platform_.lastInput.Keep(FormatCaseFile(state_));
    }
}

template <typename Screen> Screen* ScreenFlow::HandOverTo(Screen* next, const ScreenWindow* alsoKept) {
    // Whatever the student leaves goes, so that no hidden window can act later; what was typed
    // there is kept.
    platform_.screens.UnloadAllBut({next, alsoKept});
    KeepInput();
    return next;
}

template <typename Intent> void ScreenFlow::Carry(Intent&& intent) {
    // Once the end of the program is asked, no intent is carried out: a handler still on the
    // stack (an input box the end closed answers as cancelled) opens nothing more.
    if (!ending_)
        std::forward<Intent>(intent)();
}

template <typename Screen> Screen* ScreenFlow::Loaded(const QPointer<Screen>& screen) {
    return screen && !screen->IsUnloading() ? screen.data() : nullptr;
}

void ScreenFlow::ShowNameBackdrop() {
    Carry([&] {
        nameBackdrop_ = HandOverTo(new Form2(state_, platform_, *this));
        // From the names on, the input is this run's.
        inputBegun_ = true;
        nameBackdrop_->PrepareForNames();
    });
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
    Carry([&] {
        // The general window may already stand behind the name questions.
        Form2* backdrop = group == ParamGroup::General ? Loaded(nameBackdrop_) : nullptr;
        GroupWindow* window = HandOverTo(backdrop != nullptr ? backdrop : MakeGroupWindow(group));
        nameBackdrop_ = nullptr;
        window->EnterGroup();
    });
}

void ScreenFlow::EditGroup(ParamGroup group) {
    Carry([&] {
        // The menu stays loaded, hidden, to come back as it was left.
        HandOverTo(MakeGroupWindow(group), Loaded(menu_))->PrepareForEditing();
    });
}

void ScreenFlow::ReturnToChangeMenu() {
    Carry([&] {
        // The menu the group was opened from, exactly as it was left; a new one if it was closed.
        if (Form15* menu = Loaded(menu_)) {
            HandOverTo(menu)->ShowAgain();
            return;
        }
        OpenChangeMenu();
    });
}

Form8* ScreenFlow::Review() {
    // The question over the review window answers back to the same window.
    Form8* review = Loaded(review_);
    review_ = HandOverTo(review != nullptr ? review : new Form8(state_, platform_, *this));
    return review_.data();
}

void ScreenFlow::ShowIdealityChoice() {
    Carry([&] { Review()->ShowIdealityChoice(); });
}

void ScreenFlow::EnterAntoineConstants() {
    Carry([&] { Review()->EnterAntoineConstants(); });
}

void ScreenFlow::CorrectAntoineConstants() {
    Carry([&] { Review()->CorrectConstants(); });
}

Form11* ScreenFlow::ResultsWindow() {
    Form11* form11 = HandOverTo(new Form11(state_, platform_, *this));
    // Whichever road calls for the calculation (straight away, from the graph, after ALFA), the
    // window makes it and the history notes it, once.
    QObject::connect(form11, &Form11::Calculated, form11,
                     [this](const ColumnResult& result) { history_.Add(state_, result); });
    results_ = form11;
    return form11;
}

void ScreenFlow::CalculateAndShow() {
    Carry([&] {
        Form11* form11 = ResultsWindow();
        form11->PrepareForDirectResults();
        form11->Calculate();
        form11->show();
    });
}

void ScreenFlow::ShowEquilibriumGraph() {
    Carry([&] {
        Form11* form11 = ResultsWindow();
        form11->ShowEquilibriumGraph();
        form11->show();
    });
}

void ScreenFlow::AskAlfaAndCalculate() {
    Carry([&] { ResultsWindow()->AskAlfaAndCalculate(); });
}

void ScreenFlow::EnterEquilibriumPoints() {
    Carry([&] {
        HandOverTo(new Form10(state_, platform_, *this))->EnterEquilibriumPoints(AfterPointEntry::Check);
    });
}

void ScreenFlow::ReenterEquilibriumPoints() {
    Carry([&] {
        HandOverTo(new Form10(state_, platform_, *this))->EnterEquilibriumPoints(AfterPointEntry::Editor);
    });
}

// Also the editor's way back with a table that still fails: the failing point is shown at once
// with the question whether to correct it.
void ScreenFlow::ShowEquilibriumCheck() {
    Carry([&] {
        Form10* form10 = HandOverTo(new Form10(state_, platform_, *this));
        form10->ShowEquilibriumCheck();
        if (state_.InputError) {
            form10->ShowCheckError();
        }
    });
}

void ScreenFlow::OpenGraphEditor() {
    Carry([&] { HandOverTo(new Form13(state_, platform_, *this))->Open(); });
}

void ScreenFlow::OpenChangeMenu() {
    Carry([&] {
        // Always a fresh menu, built from the flags as they are now.
        menu_ = HandOverTo(new Form15(state_, platform_, *this));
        menu_->show();
    });
}

void ScreenFlow::OpenReentryChoice(EquilibriumData data) {
    Carry([&] { HandOverTo(new Form16(state_, platform_, *this, data))->show(); });
}

void ScreenFlow::EndProgram() {
    Carry([&] {
        KeepInput();
        // What the handlers still on the stack do on the way out (an input box that an end closes
        // answers as cancelled) changes nothing that is kept.
        ending_ = true;
        platform_.screens.UnloadAll();
        platform_.programEnd.EndProgram();
    });
}

void ScreenFlow::ShowColumnDiagram() {
    Carry([&] {
        QElapsedTimer clicked;
        clicked.start();
        // One diagram at a time beside the results: a second click brings the open one forward.
        if (ColumnDiagramWindow* open = Loaded(columnDiagram_)) {
            open->raise();
            open->activateWindow();
            return;
        }
        // The column the results window holds, drawn as it was calculated.
        const Form11* results = Loaded(results_);
        if (results == nullptr || !results->Column())
            return;
        columnDiagram_ = new ColumnDiagramWindow(state_, platform_, results->Column(), *this);
        columnDiagram_->ReportOpenTime(clicked);
        columnDiagram_->show();
    });
}

void ScreenFlow::ShowWorkedTray(int tray) {
    Carry([&] {
        // The trays of the column the results window holds; without it there is none to show.
        const Form11* results = Loaded(results_);
        if (results == nullptr || !results->Result())
            return;
        // One worked tray at a time beside the results: a second request turns the open one to it.
        WorkedTrayWindow* window = Loaded(workedTray_);
        if (window == nullptr)
            window = workedTray_ = new WorkedTrayWindow(state_, platform_, results->Result());
        window->ShowTray(tray);
        window->show();
        window->raise();
        window->activateWindow();
    });
}

void ScreenFlow::CompareCalculations() {
    Carry([&] {
        // One comparison at a time beside the results: a second click brings the open one forward.
        if (ComparisonWindow* open = Loaded(comparison_)) {
            open->raise();
            open->activateWindow();
            return;
        }
        comparison_ = new ComparisonWindow(state_, platform_, history_.Records());
        comparison_->show();
    });
}

} // namespace radirav
