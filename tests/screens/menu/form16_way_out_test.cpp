// However the re-entry choice is left (either of its buttons, its title-bar close, Escape), the
// next calculation uses the equilibrium the menu then shows as chosen, and the menu opened
// afterwards shows the equilibrium that was calculated with.
#include "calc/column.h"
#include "model/equilibrium_choice.h"
#include "screens/equilibrium/form13_graph_editor.h"
#include "screens/equilibrium/form8_review.h"
#include "screens/flow/screen_flow.h"
#include "screens/group_test_support.h"
#include "screens/menu/form15_change_menu.h"
#include "screens/menu/form16_reentry_choice.h"
#include "screens/results/form11_results.h"
#include "support/sample_state.h"
#include "support/test_names.h"

#include <QListWidget>
#include <functional>

namespace radirav {
namespace {

using testing::Answers;

const QColor kEntered(128, 255, 128);

// Every kind of data entered once, the column calculated with `model`.
ProgramState CalculatedWith(EquilibriumSource model) {
    ProgramState state = testing::SampleWithPoints();
    StoreTypedAlfa(state, "10");
    MarkAlfaEntered(state);
    FinishPointsEntry(state);
    FinishAntoineEntry(state);
    ApplyEquilibrium(state, model);
    return state;
}

class Form16WayOut;

struct WayOut {
    const char* name;
    EquilibriumSource before;
    std::vector<CommandButton * Form15::*> menuClicks; // ending on the data button
    std::function<void(Form16WayOut&, Form16*)> leave;
    EquilibriumSource after;
    int kind; // the calculation's EquilibriumKind
};
void PrintTo(const WayOut& c, std::ostream* os) {
    *os << c.name;
}

class Form16WayOut : public testing::ScreenTest, public ::testing::WithParamInterface<WayOut> {
public:
    using ScreenTest::Shown;
    void Answer(Answers answers) { machine.AnswerInputBoxes(std::move(answers)); }

    Form15* MenuFromResults() {
        Form11* results = Shown<Form11>();
        EXPECT_NE(results, nullptr);
        if (results == nullptr)
            return nullptr;
        QTest::mouseClick(results->Command4, Qt::LeftButton);
        return Shown<Form15>();
    }

    // Back on the menu after leaving the choice without a pick: recalculate from there.
    void RecalculateFromTheMenu() {
        Form15* menu = Shown<Form15>();
        ASSERT_NE(menu, nullptr) << machine.screens.LoadedNames().join(' ').toStdString();
        ASSERT_TRUE(menu->Command13->isEnabled());
        QTest::mouseClick(menu->Command13, Qt::LeftButton);
    }
    void EndChangesInTheEditor() {
        Form13* editor = Shown<Form13>();
        ASSERT_NE(editor, nullptr) << machine.screens.LoadedNames().join(' ').toStdString();
        QTest::mouseClick(editor->Command1, Qt::LeftButton);
    }

    ScreenFlow flow{state, platform};
};

TEST_P(Form16WayOut, CalculatesWithTheEquilibriumTheMenuShows) {
    const WayOut& c = GetParam();
    state = CalculatedWith(c.before);
    flow.CalculateAndShow();
    Form15* menu = MenuFromResults();
    ASSERT_NE(menu, nullptr);
    for (CommandButton* Form15::*button : c.menuClicks) {
        ASSERT_TRUE((menu->*button)->isEnabled()) << (menu->*button)->objectName().toStdString();
        QTest::mouseClick(menu->*button, Qt::LeftButton);
    }
    Form16* choice = Shown<Form16>();
    ASSERT_NE(choice, nullptr);
    c.leave(*this, choice);
    if (HasFatalFailure())
        return;

    ASSERT_NE(Shown<Form11>(), nullptr) << machine.screens.LoadedNames().join(' ').toStdString();
    EXPECT_EQ(state.EquilibriumKind, c.kind);
    ProgramState direct = state;
    const ColumnResult expected = CalculateColumn(direct);
    EXPECT_EQ(state.RequiredTrays, expected.requiredTrays);
    EXPECT_EQ(state.FeedTray, expected.feedTray);

    // The menu now shows as chosen what was calculated with.
    menu = MenuFromResults();
    ASSERT_NE(menu, nullptr);
    CommandButton* chosen = c.after == EquilibriumSource::Points ? menu->Command11 : menu->Command12;
    CommandButton* mixture = c.after == EquilibriumSource::Points ? menu->Command9 : menu->Command10;
    for (CommandButton* button : {menu->Command7, mixture, chosen, menu->Command13}) {
        EXPECT_EQ(button->palette().color(QPalette::Button), kEntered) << button->objectName().toStdString();
    }
    EXPECT_EQ(ReadyEquilibrium(state), c.after);
}

const std::vector<CommandButton * Form15::*> kToPointsFromAlfa{&Form15::Command7, &Form15::Command9,
                                                               &Form15::Command11};
const std::vector<CommandButton * Form15::*> kToPointsFromAntoine{&Form15::Command9, &Form15::Command11};
const std::vector<CommandButton * Form15::*> kToAntoineFromPoints{&Form15::Command10, &Form15::Command12};

void NewPoints(Form16WayOut& road, Form16* choice) {
    road.Answer(testing::EightPointAnswers());
    QTest::mouseClick(choice->Command1, Qt::LeftButton);
    road.EndChangesInTheEditor();
}
void CorrectPoints(Form16WayOut& road, Form16* choice) {
    QTest::mouseClick(choice->Command2, Qt::LeftButton);
    road.EndChangesInTheEditor();
}
void CloseWithTheTitleBar(Form16WayOut& road, Form16* choice) {
    choice->close();
    road.RecalculateFromTheMenu();
}
void PressEscape(Form16WayOut& road, Form16* choice) {
    QTest::keyClick(choice, Qt::Key_Escape);
    road.RecalculateFromTheMenu();
}
void NewConstants(Form16WayOut& road, Form16* choice) {
    road.Answer(testing::SampleAntoineAnswers());
    QTest::mouseClick(choice->Command3, Qt::LeftButton);
    Form8* review = road.Shown<Form8>();
    ASSERT_NE(review, nullptr);
    QTest::mouseClick(review->Command3, Qt::LeftButton);
}
void CorrectConstants(Form16WayOut& road, Form16* choice) {
    QTest::mouseClick(choice->Command4, Qt::LeftButton);
    Form8* review = road.Shown<Form8>();
    ASSERT_NE(review, nullptr);
    road.Answer({QStringLiteral("23")});
    const QRect row = review->List1->visualItemRect(review->List1->item(0));
    QTest::mouseClick(review->List1->viewport(), Qt::LeftButton, {}, row.center());
    QTest::mouseClick(review->Command5, Qt::LeftButton);
}

constexpr EquilibriumSource kAlfa = EquilibriumSource::ConstantAlfa, kAntoine = EquilibriumSource::Antoine,
                            kPoints = EquilibriumSource::Points;

INSTANTIATE_TEST_SUITE_P(
    Ways, Form16WayOut,
    ::testing::Values(
        WayOut{"after ALFA new points", kAlfa, kToPointsFromAlfa, NewPoints, kPoints, 8},
        WayOut{"after ALFA corrected points", kAlfa, kToPointsFromAlfa, CorrectPoints, kPoints, 15},
        WayOut{"after ALFA title bar close", kAlfa, kToPointsFromAlfa, CloseWithTheTitleBar, kPoints, 15},
        WayOut{"after ALFA escape", kAlfa, kToPointsFromAlfa, PressEscape, kPoints, 15},
        WayOut{"after Antoine title bar close", kAntoine, kToPointsFromAntoine, CloseWithTheTitleBar, kPoints,
               15},
        WayOut{"after Antoine escape", kAntoine, kToPointsFromAntoine, PressEscape, kPoints, 15},
        WayOut{"after points new constants", kPoints, kToAntoineFromPoints, NewConstants, kAntoine, 3},
        WayOut{"after points corrected constants", kPoints, kToAntoineFromPoints, CorrectConstants, kAntoine,
               3},
        WayOut{"after points title bar close", kPoints, kToAntoineFromPoints, CloseWithTheTitleBar, kAntoine,
               3},
        WayOut{"after points escape", kPoints, kToAntoineFromPoints, PressEscape, kAntoine, 3}),
    [](const auto& info) { return testing::CaseName(info.param.name); });

} // namespace
} // namespace radirav
