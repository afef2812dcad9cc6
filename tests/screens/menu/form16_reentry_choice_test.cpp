#include "screens/menu/form15_change_menu.h"
#include "screens/menu/form16_reentry_choice.h"
#include "screens/recording_navigator.h"
#include "screens/screen_test.h"

#include "model/sample_data.h"
#include "support/test_names.h"

#include <QPointer>

namespace radirav {
namespace {

const std::set<Intent> kEveryWay{Intent::EnterEquilibriumPoints,  Intent::ShowEquilibriumCheck,
                                 Intent::OpenGraphEditor,         Intent::EnterAntoineConstants,
                                 Intent::CorrectAntoineConstants, Intent::OpenChangeMenu,
                                 Intent::OpenReentryChoice,       Intent::EndProgram};

class ReentryTest : public testing::ScreenTest {
protected:
    void SetUp() override {
        LoadSampleData(state);
        navigator.offered = kEveryWay;
    }

    Form16* Open(EquilibriumData data) {
        form = new Form16(state, platform, navigator, data);
        form->show();
        return form;
    }

    testing::RecordingNavigator navigator;
    QPointer<Form16> form;
};

struct Pair {
    const char* name;
    EquilibriumData data;
    CommandButton* Form16::*first;
    CommandButton* Form16::*second;
    const char* firstCaption;
    const char* secondCaption;
};

class ReentryPair : public ReentryTest, public ::testing::WithParamInterface<Pair> {};

TEST_P(ReentryPair, ShowsOnlyTheChosenPairCentredAtTheirTwoPlaces) {
    const Pair& c = GetParam();
    Open(c.data);
    EXPECT_EQ(form->windowTitle(), QString());
    EXPECT_EQ(QRect(form->pos(), form->size()), QRect(1, 0, 800, 600)); // 10, 5, 12000 x 9000 twips
    std::vector<const CommandButton*> visible;
    for (const CommandButton* button : {form->Command1, form->Command2, form->Command3, form->Command4}) {
        if (button->isVisible()) {
            visible.push_back(button);
        }
    }
    ASSERT_EQ(visible, (std::vector<const CommandButton*>{form->*c.first, form->*c.second}));
    EXPECT_EQ((form->*c.first)->text(), QString::fromUtf8(c.firstCaption));
    EXPECT_EQ((form->*c.second)->text(), QString::fromUtf8(c.secondCaption));
    EXPECT_EQ((form->*c.first)->y(), 133);  // 2000 twips
    EXPECT_EQ((form->*c.second)->y(), 200); // 3000 twips
    for (const CommandButton* button : visible) {
        // Centred on the window's width and left, 12000 / 2 + 10 twips: pixel 400.7.
        EXPECT_NEAR(button->x() + button->width() / 2.0, 400.7, 1) << button->objectName().toStdString();
    }
}

INSTANTIATE_TEST_SUITE_P(
    Data, ReentryPair,
    ::testing::Values(Pair{"points", EquilibriumData::Points, &Form16::Command1, &Form16::Command2,
                           "Вводите новые равновесные данные ?", "Корректируете уже введённые данные ?"},
                      Pair{"antoine constants", EquilibriumData::Antoine, &Form16::Command3,
                           &Form16::Command4, "Вводите новые значения констант Антуана ?",
                           "Корректируете уже введённые константы ?"}),
    [](const auto& info) { return testing::CaseName(info.param.name); });

struct Choice {
    const char* name;
    EquilibriumData data;
    CommandButton* Form16::*button;
    QStringList asked;
};

class ReentryChoice : public ReentryTest, public ::testing::WithParamInterface<Choice> {};

TEST_P(ReentryChoice, ClosesItselfAndHandsOver) {
    const Choice& c = GetParam();
    Open(c.data);
    QTest::mouseClick(form->*c.button, Qt::LeftButton);
    testing::DestroyUnloadedWindows();
    EXPECT_TRUE(form.isNull()) << "no hidden copy stays loaded";
    EXPECT_EQ(machine.screens.Count(), 0);
    EXPECT_EQ(navigator.asked, c.asked);
}

INSTANTIATE_TEST_SUITE_P(
    Buttons, ReentryChoice,
    ::testing::Values(
        Choice{"new points",
               EquilibriumData::Points,
               &Form16::Command1,
               {"EnterEquilibriumPoints", "OpenGraphEditor"}},
        Choice{"correct points",
               EquilibriumData::Points,
               &Form16::Command2,
               {"ShowEquilibriumCheck", "OpenGraphEditor"}},
        Choice{"new constants", EquilibriumData::Antoine, &Form16::Command3, {"EnterAntoineConstants"}},
        Choice{
            "correct constants", EquilibriumData::Antoine, &Form16::Command4, {"CorrectAntoineConstants"}}),
    [](const auto& info) { return testing::CaseName(info.param.name); });

TEST_F(ReentryTest, NewConstantsMakeAntoineTheEquilibrium) {
    state.TableMode = true;
    state.EquilibriumKind = 15;
    Open(EquilibriumData::Antoine);
    QTest::mouseClick(form->Command3, Qt::LeftButton);
    EXPECT_TRUE(state.AntoineMode);
    EXPECT_FALSE(state.TableMode);
    EXPECT_EQ(state.EquilibriumKind, 3);
}

TEST_F(ReentryTest, CorrectedConstantsKeepTheFlagsAsTheMenuSetThem) {
    // Variable volatility on the points; the menu switches to the ideal mixture's constants.
    state.TrayType = "K";
    state.TableMode = true;
    state.PointsEntered = true;
    state.AntoineEntered = true;
    state.EquilibriumKind = 15;
    navigator.offered.insert(Intent::CalculateAndShow);
    auto* menu = new Form15(state, platform, navigator);
    menu->show();
    QTest::mouseClick(menu->Command10, Qt::LeftButton);
    QTest::mouseClick(menu->Command12, Qt::LeftButton);
    ASSERT_EQ(navigator.asked, QStringList{"OpenReentryChoice 1"});
    const ProgramState asTheMenuLeftIt = state;
    Open(EquilibriumData::Antoine);
    QTest::mouseClick(form->Command4, Qt::LeftButton);
    EXPECT_TRUE(state.AntoineMode);
    EXPECT_FALSE(state.TableMode);
    EXPECT_EQ(state.AntoineMode, asTheMenuLeftIt.AntoineMode);
    EXPECT_EQ(state.TableMode, asTheMenuLeftIt.TableMode);
    EXPECT_EQ(state.EquilibriumKind, asTheMenuLeftIt.EquilibriumKind);
    EXPECT_EQ(navigator.asked.last(), QStringLiteral("CorrectAntoineConstants"));
}

TEST_F(ReentryTest, ClosingTheWindowGoesBackToTheMenu) {
    Open(EquilibriumData::Points);
    form->close();
    testing::DestroyUnloadedWindows();
    EXPECT_TRUE(form.isNull());
    EXPECT_EQ(navigator.asked, QStringList{"OpenChangeMenu"});
}

} // namespace
} // namespace radirav
