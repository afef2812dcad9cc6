#include "screens/menu/form15_change_menu.h"
#include "screens/recording_navigator.h"
#include "screens/screen_test.h"

#include "model/sample_data.h"
#include "support/test_names.h"

#include <QGuiApplication>
#include <QLabel>
#include <QPointer>
#include <QScreen>

namespace radirav {
namespace {

const QColor G(128, 255, 128), W(255, 255, 255), C(128, 255, 255);

using testing::BackOf;

// The flags a first run leaves behind.
struct Flags {
    bool constant = false, alfaEntered = false, antoineMode = false, antoineEntered = false,
         pointsEntered = false;
};

class MenuTest : public testing::ScreenTest {
protected:
    Form15* Open(const Flags& flags) {
        LoadSampleData(state);
        state.TrayType = "K";
        state.ConstantVolatility = flags.constant;
        state.AlfaEntered = flags.alfaEntered;
        state.AntoineMode = flags.antoineMode;
        state.TableMode = !flags.constant && !flags.antoineMode;
        state.AntoineEntered = flags.antoineEntered;
        state.PointsEntered = flags.pointsEntered;
        state.EquilibriumKind = flags.constant ? 1 : flags.antoineMode ? 3 : 15;
        form = new Form15(state, platform, navigator);
        form->show();
        return form;
    }

    testing::RecordingNavigator navigator;
    QPointer<Form15> form;
};

// Command6..Command13: back colour and enabled state.
struct LoadCase {
    const char* name;
    Flags flags;
    std::array<QColor, 8> colours;
    std::array<bool, 8> enabled;
};

class MenuOnLoad : public MenuTest, public ::testing::WithParamInterface<LoadCase> {};

TEST_P(MenuOnLoad, ColoursAndEnablesTheTreeFromTheFlags) {
    const LoadCase& c = GetParam();
    Open(c.flags);
    const CommandButton* buttons[] = {form->Command6,  form->Command7,  form->Command8,  form->Command9,
                                      form->Command10, form->Command11, form->Command12, form->Command13};
    for (std::size_t k = 0; k < 8; ++k) {
        EXPECT_EQ(BackOf(buttons[k]), c.colours[k]) << buttons[k]->objectName().toStdString();
        EXPECT_EQ(buttons[k]->isEnabled(), c.enabled[k]) << buttons[k]->objectName().toStdString();
    }
}

INSTANTIATE_TEST_SUITE_P(Flags, MenuOnLoad,
                         ::testing::Values(LoadCase{"constant alfa entered with both other data",
                                                    {true, true, false, true, true},
                                                    {G, W, G, W, W, C, C, G},
                                                    {true, true, true, false, false, false, false, true}},
                                           LoadCase{"ideal mixture with its constants",
                                                    {false, true, true, true, true},
                                                    {W, G, C, W, G, C, G, G},
                                                    {true, true, false, true, true, false, true, true}},
                                           LoadCase{"constant without alfa but with points",
                                                    {true, false, false, false, true},
                                                    {G, W, W, W, W, G, W, G},
                                                    {true, true, true, false, false, false, false, true}}),
                         [](const auto& info) { return testing::CaseName(info.param.name); });

TEST_F(MenuTest, StandsOnTheWholeScreenInRowsOfTheVerticalUnitJoinedByFourteenLines) {
    if (QGuiApplication::primaryScreen()->availableGeometry() != QRect(0, 0, 800, 800)) {
        GTEST_SKIP() << "the figures below are worked for the 800 x 800 offscreen screen";
    }
    Open({true, true});
    // v = (12000 - 4000) / 20 = 400 twips, rows 900 apart from 4v; g = (12000 - 2 * 3600) / 3 = 1600.
    const QPoint expected[] = {{-1, 107}, {107, 347}, {453, 347}, {353, 407}, {613, 407}, {-1, 587}};
    const CommandButton* buttons[] = {form->Command2, form->Command6,  form->Command7,
                                      form->Command9, form->Command10, form->Command1};
    for (std::size_t k = 0; k < std::size(buttons); ++k) {
        EXPECT_EQ(QPoint(expected[k].x() < 0 ? buttons[k]->x() : expected[k].x(), expected[k].y()),
                  buttons[k]->pos())
            << buttons[k]->objectName().toStdString();
    }
    const auto& ops = form->Surface().Ops();
    EXPECT_EQ(
        std::count_if(ops.begin(), ops.end(),
                      [](const DrawOp& op) { return op.kind == DrawOp::Kind::Line && op.penWidth == 2; }),
        14);
}

TEST_F(MenuTest, TrayTypeTogglesInPlaceAndBackAgain) {
    Open({true, true});
    const QString captions[] = {QStringLiteral("Тарелки ситчатые"), QStringLiteral("Тарелки колпачковые")};
    for (const char* trayType : {"S", "K"}) {
        QTest::mouseClick(form->Command5, Qt::LeftButton);
        EXPECT_EQ(state.TrayType, trayType);
        EXPECT_EQ(form->Command5->text(), captions[state.TrayType == "K"]);
    }
}

class VariableVolatility : public MenuTest, public ::testing::WithParamInterface<LoadCase> {};

TEST_P(VariableVolatility, DisablesTheRecalculationUntilConstantVolatilityWithAnAlfa) {
    Open(GetParam().flags);
    ASSERT_TRUE(form->Command13->isEnabled());
    for (CommandButton* Form15::*button : {&Form15::Command7, &Form15::Command9, &Form15::Command10}) {
        QTest::mouseClick(form->*button, Qt::LeftButton);
        EXPECT_FALSE(form->Command13->isEnabled()) << (form->*button)->objectName().toStdString();
    }
    EXPECT_FALSE(state.ConstantVolatility);
    QTest::mouseClick(form->Command7, Qt::LeftButton);
    QTest::mouseClick(form->Command6, Qt::LeftButton);
    EXPECT_EQ(form->Command13->isEnabled(), state.AlfaEntered);
    EXPECT_EQ(BackOf(form->Command13), state.AlfaEntered ? G : W);
    EXPECT_EQ(state.EquilibriumKind, state.AlfaEntered ? 1 : 15) << "no ALFA: the points stay in use";
}

INSTANTIATE_TEST_SUITE_P(
    FromEveryState, VariableVolatility,
    ::testing::Values(LoadCase{"constant alfa", {true, true, false, false, true}, {}, {}},
                      LoadCase{"ideal mixture", {false, true, true, true, true}, {}, {}},
                      LoadCase{"points only", {false, false, false, false, true}, {}, {}}),
    [](const auto& info) { return testing::CaseName(info.param.name); });

struct WayOut {
    const char* name;
    Flags flags;
    CommandButton* Form15::*button;
    QStringList asked;
};

class MenuWayOut : public MenuTest, public ::testing::WithParamInterface<WayOut> {};

TEST_P(MenuWayOut, ClosesAndAsksForTheNextScreen) {
    const WayOut& c = GetParam();
    Open(c.flags);
    QTest::mouseClick(form->*c.button, Qt::LeftButton);
    testing::DestroyUnloadedWindows();
    EXPECT_EQ(navigator.asked, c.asked);
    EXPECT_TRUE(form.isNull());
}

INSTANTIATE_TEST_SUITE_P(
    Buttons, MenuWayOut,
    ::testing::Values(WayOut{"points entered before",
                             {false, false, false, false, true},
                             &Form15::Command11,
                             {"OpenReentryChoice 0"}},
                      WayOut{"points never entered", {}, &Form15::Command11, {"ReenterEquilibriumPoints"}},
                      WayOut{"constants entered before",
                             {false, false, true, true},
                             &Form15::Command12,
                             {"OpenReentryChoice 1"}},
                      WayOut{"constants never entered",
                             {false, false, true},
                             &Form15::Command12,
                             {"EnterAntoineConstants"}},
                      WayOut{"end", {true, true}, &Form15::Command1, {"EndProgram"}}),
    [](const auto& info) { return testing::CaseName(info.param.name); });

} // namespace
} // namespace radirav
