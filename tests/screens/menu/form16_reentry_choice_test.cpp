#include "screens/menu/form15_change_menu.h"
#include "screens/menu/form16_reentry_choice.h"
#include "screens/recording_navigator.h"
#include "screens/screen_test.h"

#include "model/sample_data.h"
#include "support/test_names.h"

#include <QPointer>

namespace radirav {
namespace {

class ReentryTest : public testing::ScreenTest {
protected:
    void SetUp() override {
        LoadSampleData(state);
        state.TableMode = true; // the points are in use
        state.EquilibriumKind = 15;
    }

    Form16* Open(EquilibriumData data) {
        form = new Form16(state, platform, navigator, data);
        form->show();
        return form;
    }

    testing::RecordingNavigator navigator;
    QPointer<Form16> form;
};

struct Choice {
    const char* name;
    EquilibriumData data;
    CommandButton* Form16::*button;
    QStringList visible;
    QStringList asked;
};

class ReentryChoice : public ReentryTest, public ::testing::WithParamInterface<Choice> {};

TEST_P(ReentryChoice, ShowsOnlyTheChosenPairThenClosesAndHandsOver) {
    const Choice& c = GetParam();
    Open(c.data);
    QStringList visible;
    for (const CommandButton* button : {form->Command1, form->Command2, form->Command3, form->Command4}) {
        if (button->isVisible()) {
            visible << button->text();
        }
    }
    EXPECT_EQ(visible, c.visible);
    QTest::mouseClick(form->*c.button, Qt::LeftButton);
    testing::DestroyUnloadedWindows();
    EXPECT_TRUE(form.isNull()) << "no hidden copy stays loaded";
    EXPECT_EQ(navigator.asked, c.asked);
    EXPECT_EQ(state.AntoineMode, c.button == &Form16::Command3);
    EXPECT_EQ(state.EquilibriumKind, c.button == &Form16::Command3 ? 3 : 15);
}

const QStringList kPointsPair{"Вводите новые равновесные данные ?", "Корректируете уже введённые данные ?"};
const QStringList kAntoinePair{"Вводите новые значения констант Антуана ?",
                               "Корректируете уже введённые константы ?"};
INSTANTIATE_TEST_SUITE_P(Buttons, ReentryChoice,
                         ::testing::Values(Choice{"new points",
                                                  EquilibriumData::Points,
                                                  &Form16::Command1,
                                                  kPointsPair,
                                                  {"ReenterEquilibriumPoints"}},
                                           Choice{"correct points",
                                                  EquilibriumData::Points,
                                                  &Form16::Command2,
                                                  kPointsPair,
                                                  {"OpenGraphEditor"}},
                                           Choice{"new constants",
                                                  EquilibriumData::Antoine,
                                                  &Form16::Command3,
                                                  kAntoinePair,
                                                  {"EnterAntoineConstants"}},
                                           Choice{"correct constants",
                                                  EquilibriumData::Antoine,
                                                  &Form16::Command4,
                                                  kAntoinePair,
                                                  {"CorrectAntoineConstants"}}),
                         [](const auto& info) { return testing::CaseName(info.param.name); });

TEST_F(ReentryTest, CorrectedConstantsKeepTheFlagsAsTheMenuSetThem) {
    // Variable volatility on the points; the menu switches to the ideal mixture's constants.
    state.TrayType = "K";
    state.PointsEntered = true;
    state.AntoineEntered = true;
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
    EXPECT_EQ(state.EquilibriumKind, asTheMenuLeftIt.EquilibriumKind);
    EXPECT_EQ(navigator.asked.last(), QStringLiteral("CorrectAntoineConstants"));
}

} // namespace
} // namespace radirav
