// Every road to a calculation of the results window, through the real screen flow: the session's
// history notes each calculation once, with what the student changed on the way, and a road
// that calculates nothing notes nothing.
#include "calc/calculation_history.h"
#include "model/equilibrium_choice.h"
#include "screens/equilibrium/form10_points_check.h"
#include "screens/equilibrium/form13_graph_editor.h"
#include "screens/equilibrium/form8_review.h"
#include "screens/flow/screen_flow.h"
#include "screens/group_test_support.h"
#include "screens/menu/form15_change_menu.h"
#include "screens/menu/form16_reentry_choice.h"
#include "screens/results/comparison_window.h"
#include "screens/results/form11_results.h"
#include "support/sample_state.h"
#include "support/test_names.h"

#include <QTableWidget>
#include <functional>

namespace radirav {

void PrintTo(const InputChange& change, std::ostream* out) {
    *out << "{what " << static_cast<int>(change.what) << ", index " << change.index << ", \"" << change.before
         << "\" -> \"" << change.after << "\", kind " << change.kindBefore << " -> " << change.kindAfter
         << "}";
}

namespace {

class HistoryRoad;

struct HistoryRoadCase {
    const char* name;
    ProgramState (*start)();
    std::function<void(HistoryRoad&)> walk; // after the first calculation
    std::size_t calculations;               // in all, the first included
    std::vector<InputChange> lastChanges;   // what the last calculation lists
};
void PrintTo(const HistoryRoadCase& road, std::ostream* os) {
    *os << road.name;
}

class HistoryRoad : public testing::ScreenTest, public ::testing::WithParamInterface<HistoryRoadCase> {
public:
    // Clicks `button` of the loaded window of type T, answering the boxes it asks with `answers`.
    template <typename T> void Press(CommandButton* T::*button, testing::Answers answers = {}) {
        testing::DestroyUnloadedWindows();
        T* screen = LoadedScreen<T>();
        ASSERT_NE(screen, nullptr) << "no " << T::staticMetaObject.className();
        ASSERT_TRUE((screen->*button)->isVisible()) << (screen->*button)->objectName().toStdString();
        machine.AnswerInputBoxes(std::move(answers));
        QTest::mouseClick(screen->*button, Qt::LeftButton);
    }
    void Answer(testing::Answers answers, std::vector<bool> yesNo = {}) {
        machine.AnswerInputBoxes(std::move(answers));
        machine.AnswerYesNo(std::move(yesNo));
    }
    template <typename T> void RetypeRow(int row, const QString& typed) {
        machine.AnswerInputBoxes({typed});
        testing::ClickListRow(LoadedScreen<T>()->List1, row);
    }

    ScreenFlow flow{state, platform};
};

TEST_P(HistoryRoad, NotesEachCalculationOnceWithWhatChanged) {
    const HistoryRoadCase& road = GetParam();
    state = road.start();
    flow.CalculateAndShow();
    ASSERT_EQ(flow.History().Records().size(), 1u);
    road.walk(*this);
    if (HasFatalFailure())
        return;

    const std::vector<CalculationRecord>& records = flow.History().Records();
    ASSERT_EQ(records.size(), road.calculations);
    EXPECT_EQ(records.back().changes, road.lastChanges);
    // What the student compares is what the flow noted.
    if (Form11* results = LoadedScreen<Form11>(); results != nullptr && results->CompareButton->isVisible()) {
        QTest::mouseClick(results->CompareButton, Qt::LeftButton);
        auto* comparison = LoadedScreen<ComparisonWindow>();
        ASSERT_NE(comparison, nullptr);
        EXPECT_EQ(comparison->Table->rowCount(), static_cast<int>(road.calculations));
    }
}

using R = HistoryRoad;

INSTANTIATE_TEST_SUITE_P(
    Roads, HistoryRoad,
    ::testing::Values(HistoryRoadCase{"recalculated from the menu on the other trays",
                                      testing::SampleEnteredWithAlfa10,
                                      [](R& r) {
                                          r.Press(&Form11::Command4);
                                          r.Press(&Form15::Command5);
                                          r.Press(&Form15::Command13);
                                      },
                                      2,
                                      {{ChangedInput::TrayType, 0, "K", "S"}}},
                      HistoryRoadCase{"a general parameter corrected from the menu",
                                      testing::SampleEnteredWithAlfa10,
                                      [](R& r) {
                                          r.Press(&Form11::Command4);
                                          r.Press(&Form15::Command2);
                                          r.RetypeRow<Form2>(1, QStringLiteral("3,1"));
                                          r.Press(&Form2::Command3);
                                          r.Press(&Form15::Command13);
                                      },
                                      2,
                                      {{ChangedInput::Parameter, param::kF, "2.78", "3.1"}}},
                      HistoryRoadCase{"ALFA typed from the menu",
                                      testing::SampleEnteredWithAlfa10,
                                      [](R& r) {
                                          r.Press(&Form11::Command4);
                                          r.Press(&Form15::Command8, {QStringLiteral("12")});
                                      },
                                      2,
                                      {{ChangedInput::Alfa, 0, "10", "12"}}},
                      HistoryRoadCase{"ALFA refused and the program ended",
                                      testing::SampleEnteredWithAlfa10,
                                      [](R& r) {
                                          r.Press(&Form11::Command4);
                                          r.Answer({}, {false});
                                          r.Press(&Form15::Command8, {QStringLiteral("1")});
                                      },
                                      1,
                                      {}},
                      HistoryRoadCase{"points corrected in the editor",
                                      testing::SampleEnteredWithPoints,
                                      [](R& r) {
                                          r.Press(&Form11::Command4);
                                          r.Press(&Form15::Command11);
                                          r.Press(&Form16::Command2);
                                          r.Press(&Form13::Command1);
                                      },
                                      2,
                                      {}},
                      HistoryRoadCase{"a new table calculated from its graph",
                                      testing::SampleEnteredWithPoints,
                                      [](R& r) {
                                          r.Answer(testing::EightPointAnswers());
                                          r.flow.EnterEquilibriumPoints();
                                          r.Press(&Form10::Command1); // the graph alone calculates nothing
                                          r.Press(&Form11::Command1);
                                      },
                                      2,
                                      {{ChangedInput::Points, 0, "", "", 15, 8}}},
                      HistoryRoadCase{"an Antoine constant corrected",
                                      testing::SampleEnteredWithAntoine,
                                      [](R& r) {
                                          r.Press(&Form11::Command4);
                                          r.Press(&Form15::Command12);
                                          r.Press(&Form16::Command4);
                                          r.RetypeRow<Form8>(1, QStringLiteral("23.5"));
                                          r.Press(&Form8::Command5);
                                      },
                                      2,
                                      {{ChangedInput::AntoineConstant, 1, "23", "23.5"}}},
                      HistoryRoadCase{"the windows beside the results and the print",
                                      testing::SampleEnteredWithAlfa10,
                                      [](R& r) {
                                          r.Press(&Form11::DiagramButton);
                                          r.Press(&Form11::CompareButton);
                                          r.Press(&Form11::Command3);
                                      },
                                      1,
                                      {}}),
    [](const auto& info) { return testing::CaseName(info.param.name); });

} // namespace
} // namespace radirav
