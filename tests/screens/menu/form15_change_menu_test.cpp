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

using Intents = std::set<Intent>;

const QColor kLightGreen(128, 255, 128), kWhite(255, 255, 255), kLightCyan(128, 255, 255),
    kLightRed(255, 128, 128);

QColor BackOf(const QWidget* control) {
    return control->palette().color(QPalette::Button);
}

const Intents kEveryWay{Intent::EditGroup,
                        Intent::ReturnToChangeMenu,
                        Intent::AskAlfaAndCalculate,
                        Intent::OpenReentryChoice,
                        Intent::EnterEquilibriumPoints,
                        Intent::OpenGraphEditor,
                        Intent::EnterAntoineConstants,
                        Intent::CalculateAndShow,
                        Intent::EndProgram};

// The flags after a first run, before the menu opens.
struct Flags {
    bool constant = false, alfaEntered = false, antoineMode = false, antoineEntered = false,
         pointsEntered = false;
};

void Apply(ProgramState& state, const Flags& flags) {
    LoadSampleData(state);
    state.TrayType = "K";
    state.ConstantVolatility = flags.constant;
    state.AlfaEntered = flags.alfaEntered;
    state.AntoineMode = flags.antoineMode;
    state.TableMode = !flags.constant && !flags.antoineMode;
    state.AntoineEntered = flags.antoineEntered;
    state.PointsEntered = flags.pointsEntered;
    state.EquilibriumKind = flags.constant ? 1 : flags.antoineMode ? 3 : 15;
}

class MenuTest : public testing::ScreenTest {
protected:
    Form15* Open(const Flags& flags, Intents offered = kEveryWay) {
        Apply(state, flags);
        navigator.offered = std::move(offered);
        form = new Form15(state, platform, navigator);
        form->show();
        return form;
    }

    // Command6..Command13.
    std::vector<CommandButton*> Equilibrium() const {
        return {form->Command6,  form->Command7,  form->Command8,  form->Command9,
                form->Command10, form->Command11, form->Command12, form->Command13};
    }

    testing::RecordingNavigator navigator;
    QPointer<Form15> form;
};

// Command6..Command13 in order: back colour and enabled state.
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
    const std::vector<CommandButton*> buttons = Equilibrium();
    for (std::size_t k = 0; k < buttons.size(); ++k) {
        EXPECT_EQ(BackOf(buttons[k]), c.colours[k]) << buttons[k]->objectName().toStdString();
        EXPECT_EQ(buttons[k]->isEnabled(), c.enabled[k]) << buttons[k]->objectName().toStdString();
    }
    EXPECT_EQ(BackOf(form->Command1), kLightRed);
    for (const CommandButton* fixed : {form->Command2, form->Command3, form->Command4, form->Command5}) {
        EXPECT_EQ(BackOf(fixed), kLightGreen) << fixed->objectName().toStdString();
        EXPECT_TRUE(fixed->isEnabled());
    }
}

const QColor G = kLightGreen, W = kWhite, C = kLightCyan;
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
                                                    {true, true, true, false, false, false, false, true}},
                                           LoadCase{"non ideal mixture with points only",
                                                    {false, false, false, false, true},
                                                    {W, G, W, G, W, G, W, G},
                                                    {true, true, false, true, true, true, false, true}}),
                         [](const auto& info) { return testing::CaseName(info.param.name); });

TEST_F(MenuTest, StandsOnTheWholeScreenInRowsOfTheVerticalUnit) {
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (screen->availableGeometry() != QRect(0, 0, 800, 800)) {
        GTEST_SKIP() << "the figures below are worked for the 800 x 800 offscreen screen";
    }
    Open({true, true});
    EXPECT_EQ(form->windowTitle(), QStringLiteral("Изменение исходной информации"));
    EXPECT_EQ(QRect(form->pos(), form->size()), QRect(0, 0, 800, 800));
    // 12000 twips high: v = (12000 - 4000) / 20 = 400, rows 500 + 400 apart from 4v = 1600;
    // 12000 wide: g = (12000 - 2 * 3600) / 3 = 1600.
    EXPECT_EQ(form->Label1->y(), 53); // 2v = 800 twips
    const std::pair<const QWidget*, int> rows[] = {
        {form->Command2, 107},  {form->Command3, 167},  {form->Command4, 227},  {form->Command5, 287},
        {form->Command6, 347},  {form->Command7, 347},  {form->Command8, 407},  {form->Command9, 407},
        {form->Command10, 407}, {form->Command11, 467}, {form->Command12, 467}, {form->Command13, 527},
        {form->Command1, 587}};
    for (const auto& [button, top] : rows) {
        EXPECT_EQ(button->y(), top) << button->objectName().toStdString();
        EXPECT_EQ(button->height(), 33) << "500 twips";
    }
    EXPECT_EQ(form->Command6->x(), 107);  // g
    EXPECT_EQ(form->Command7->x(), 453);  // g + 3600 + g = 6800
    EXPECT_EQ(form->Command9->x(), 353);  // 6800 + 3600 / 3 - 2700 = 5300
    EXPECT_EQ(form->Command10->x(), 613); // 6800 + 3600 - 1200 = 9200
    EXPECT_EQ(form->Command11->x(), form->Command9->x());
    EXPECT_EQ(form->Command12->x(), form->Command10->x());
    EXPECT_EQ(form->Command8->x() + form->Command8->width() / 2,
              form->Command6->x() + form->Command6->width() / 2);
    for (const QWidget* centred :
         std::initializer_list<const QWidget*>{form->Label1, form->Command1, form->Command2, form->Command3,
                                               form->Command4, form->Command5, form->Command13}) {
        EXPECT_NEAR(centred->x() + centred->width() / 2.0, 400, 1) << centred->objectName().toStdString();
    }
}

TEST_F(MenuTest, DrawsFourteenBranchesAndTheLegend) {
    Open({true, true});
    std::vector<DrawOp> lines, boxes, texts;
    for (const DrawOp& op : form->Surface().Ops()) {
        (op.kind == DrawOp::Kind::Line        ? lines
         : op.kind == DrawOp::Kind::Rectangle ? boxes
                                              : texts)
            .push_back(op);
    }
    ASSERT_EQ(lines.size(), 14u);
    for (const DrawOp& line : lines) {
        EXPECT_EQ(line.penWidth, 2);
    }
    // Command5 to Command6 leaves at a third of Command5's width and ends on Command6's middle.
    const QRect five = form->Command5->geometry(), six = form->Command6->geometry();
    EXPECT_NEAR(lines[3].from.x(), five.x() + five.width() / 3.0, 0.01);
    EXPECT_EQ(lines[3].from.y(), five.y() + five.height());
    EXPECT_NEAR(lines[3].to.x(), six.x() + six.width() / 2.0, 0.01);
    EXPECT_EQ(lines[3].to.y(), six.y());

    ASSERT_EQ(boxes.size(), 3u);
    const std::tuple<QPointF, QPointF, QColor> expectedBoxes[] = {
        {{100 / 15.0, 1600 / 15.0}, {2000 / 15.0, 1800 / 15.0}, kLightGreen},
        {{100 / 15.0, 2000 / 15.0}, {2000 / 15.0, 2200 / 15.0}, kWhite},
        {{100 / 15.0, 2400 / 15.0}, {2000 / 15.0, 3000 / 15.0}, kLightCyan}};
    for (std::size_t k = 0; k < 3; ++k) {
        const auto& [from, to, colour] = expectedBoxes[k];
        EXPECT_EQ(boxes[k].from, from);
        EXPECT_EQ(boxes[k].to, to);
        EXPECT_EQ(boxes[k].color, colour);
        EXPECT_TRUE(boxes[k].filled);
    }
    const std::tuple<const char*, QPointF, bool> expectedTexts[] = {
        {"Данные введены", {300 / 15.0, 1600 / 15.0}, false},
        {"Данные не введены", {150 / 15.0, 2000 / 15.0}, true},
        {"Данные введены, но", {100 / 15.0, 2400 / 15.0}, true},
        {"в расчёте", {600 / 15.0, 2600 / 15.0}, true},
        {"не участвуют", {400 / 15.0, 2800 / 15.0}, true}};
    ASSERT_EQ(texts.size(), 5u);
    for (std::size_t k = 0; k < 5; ++k) {
        const auto& [text, at, sizeNine] = expectedTexts[k];
        EXPECT_EQ(texts[k].text, QString::fromUtf8(text));
        EXPECT_EQ(texts[k].from, at) << text;
        EXPECT_EQ(texts[k].fontSize == 9, sizeNine) << text;
    }
}

TEST_F(MenuTest, TrayTypeTogglesInPlaceAndBackAgain) {
    Open({true, true});
    EXPECT_EQ(form->Command5->text(), QStringLiteral("Тарелки колпачковые"));
    QTest::mouseClick(form->Command5, Qt::LeftButton);
    EXPECT_EQ(state.TrayType, "S");
    EXPECT_EQ(form->Command5->text(), QStringLiteral("Тарелки ситчатые"));
    QTest::mouseClick(form->Command5, Qt::LeftButton);
    EXPECT_EQ(state.TrayType, "K");
    EXPECT_EQ(form->Command5->text(), QStringLiteral("Тарелки колпачковые"));
    EXPECT_TRUE(form->isVisible());
    EXPECT_TRUE(navigator.asked.isEmpty());
}

class VariableVolatility : public MenuTest, public ::testing::WithParamInterface<LoadCase> {};

TEST_P(VariableVolatility, AlwaysDisablesTheRecalculation) {
    Open(GetParam().flags);
    ASSERT_TRUE(form->Command13->isEnabled());
    QTest::mouseClick(form->Command7, Qt::LeftButton);
    EXPECT_FALSE(state.ConstantVolatility);
    EXPECT_FALSE(form->Command13->isEnabled());
    EXPECT_EQ(BackOf(form->Command7), kLightGreen);
    EXPECT_EQ(BackOf(form->Command6), kWhite);
    EXPECT_EQ(BackOf(form->Command8), state.AlfaEntered ? kLightCyan : kWhite);
    for (const CommandButton* on : {form->Command6, form->Command9, form->Command10}) {
        EXPECT_TRUE(on->isEnabled()) << on->objectName().toStdString();
    }
    for (const CommandButton* off : {form->Command8, form->Command11, form->Command12}) {
        EXPECT_FALSE(off->isEnabled()) << off->objectName().toStdString();
    }
    // Picking a mixture does not bring it back; constant volatility with an ALFA does.
    QTest::mouseClick(form->Command9, Qt::LeftButton);
    QTest::mouseClick(form->Command10, Qt::LeftButton);
    EXPECT_FALSE(form->Command13->isEnabled());
    QTest::mouseClick(form->Command7, Qt::LeftButton);
    QTest::mouseClick(form->Command6, Qt::LeftButton);
    EXPECT_EQ(form->Command13->isEnabled(), state.AlfaEntered);
    EXPECT_EQ(BackOf(form->Command13), state.AlfaEntered ? kLightGreen : kWhite);
}

INSTANTIATE_TEST_SUITE_P(
    FromEveryState, VariableVolatility,
    ::testing::Values(LoadCase{"constant alfa", {true, true, false, false, true}, {}, {}},
                      LoadCase{"ideal mixture", {false, true, true, true, true}, {}, {}},
                      LoadCase{"points without alfa", {false, false, false, false, true}, {}, {}}),
    [](const auto& info) { return testing::CaseName(info.param.name); });

TEST_F(MenuTest, ConstantVolatilityWithoutAlfaKeepsTheEquilibriumInUse) {
    Open({false, false, false, false, true});
    QTest::mouseClick(form->Command6, Qt::LeftButton);
    EXPECT_TRUE(state.ConstantVolatility);
    EXPECT_FALSE(state.TableMode);
    EXPECT_EQ(state.EquilibriumKind, 15) << "no ALFA to calculate with yet";
    EXPECT_FALSE(form->Command13->isEnabled());
    EXPECT_TRUE(form->Command8->isEnabled());
    EXPECT_EQ(BackOf(form->Command11), kLightCyan);
}

TEST_F(MenuTest, MixtureButtonsEnableOnlyTheirData) {
    Open({false, true, true, true, true});
    QTest::mouseClick(form->Command9, Qt::LeftButton);
    EXPECT_FALSE(state.AntoineMode);
    EXPECT_EQ(BackOf(form->Command9), kLightGreen);
    EXPECT_EQ(BackOf(form->Command10), kWhite);
    EXPECT_EQ(BackOf(form->Command12), kLightCyan);
    EXPECT_TRUE(form->Command11->isEnabled());
    EXPECT_FALSE(form->Command12->isEnabled());
    EXPECT_FALSE(form->Command6->isEnabled());
    EXPECT_FALSE(form->Command13->isEnabled());
    QTest::mouseClick(form->Command10, Qt::LeftButton);
    EXPECT_EQ(BackOf(form->Command10), kLightGreen);
    EXPECT_EQ(BackOf(form->Command11), kLightCyan);
    EXPECT_TRUE(form->Command12->isEnabled());
    EXPECT_FALSE(form->Command11->isEnabled());
}

struct WayOut {
    const char* name;
    Flags flags;
    CommandButton* Form15::*button;
    QStringList asked;
    bool menuStaysLoaded;
};

class MenuWayOut : public MenuTest, public ::testing::WithParamInterface<WayOut> {};

TEST_P(MenuWayOut, AsksForTheNextScreen) {
    const WayOut& c = GetParam();
    Open(c.flags);
    QTest::mouseClick(form->*c.button, Qt::LeftButton);
    testing::DestroyUnloadedWindows();
    EXPECT_EQ(navigator.asked, c.asked);
    EXPECT_EQ(!form.isNull(), c.menuStaysLoaded);
    if (form) {
        EXPECT_FALSE(form->isVisible());
    }
}

INSTANTIATE_TEST_SUITE_P(
    Buttons, MenuWayOut,
    ::testing::Values(WayOut{"general group", {true, true}, &Form15::Command2, {"EditGroup 0"}, true},
                      WayOut{"rectifying group", {true, true}, &Form15::Command3, {"EditGroup 1"}, true},
                      WayOut{"stripping group", {true, true}, &Form15::Command4, {"EditGroup 2"}, true},
                      WayOut{"alfa", {true, true}, &Form15::Command8, {"AskAlfaAndCalculate"}, false},
                      WayOut{"points entered before",
                             {false, false, false, false, true},
                             &Form15::Command11,
                             {"OpenReentryChoice 0"},
                             false},
                      WayOut{"points never entered",
                             {false, false, false, false, false},
                             &Form15::Command11,
                             {"EnterEquilibriumPoints", "OpenGraphEditor"},
                             false},
                      WayOut{"constants entered before",
                             {false, false, true, true},
                             &Form15::Command12,
                             {"OpenReentryChoice 1"},
                             false},
                      WayOut{"constants never entered",
                             {false, false, true, false},
                             &Form15::Command12,
                             {"EnterAntoineConstants"},
                             false},
                      WayOut{"recalculation", {true, true}, &Form15::Command13, {"CalculateAndShow"}, false},
                      WayOut{"end", {true, true}, &Form15::Command1, {"EndProgram"}, false}),
    [](const auto& info) { return testing::CaseName(info.param.name); });

TEST_F(MenuTest, GroupButtonsSetTheirChangeFlag) {
    Open({true, true});
    QTest::mouseClick(form->Command3, Qt::LeftButton);
    EXPECT_TRUE(state.ChangeRectifyingMode);
    EXPECT_FALSE(state.ChangeGeneralMode);
    EXPECT_FALSE(state.ChangeStrippingMode);
}

TEST_F(MenuTest, DataButtonsCommitTheChosenEquilibrium) {
    Open({false, false, true, true, true});
    QTest::mouseClick(form->Command11, Qt::LeftButton); // disabled: Antoine is the chosen branch
    EXPECT_TRUE(navigator.asked.isEmpty());
    QTest::mouseClick(form->Command9, Qt::LeftButton);
    QTest::mouseClick(form->Command11, Qt::LeftButton);
    EXPECT_TRUE(state.TableMode);
    EXPECT_FALSE(state.AntoineMode);
}

TEST_F(MenuTest, ClosingTheWindowEndsTheWorkAsItsEndButtonDoes) {
    Open({true, true});
    form->close();
    EXPECT_EQ(navigator.asked, QStringList{"EndProgram"});
}

TEST_F(MenuTest, ButtonsWithoutTheirWayStayHidden) {
    Open({true, true}, {Intent::CalculateAndShow, Intent::EndProgram});
    for (const CommandButton* hidden :
         {form->Command2, form->Command3, form->Command4, form->Command8, form->Command11, form->Command12}) {
        EXPECT_FALSE(hidden->isVisible()) << hidden->objectName().toStdString();
    }
    EXPECT_TRUE(form->Command13->isVisible());
    EXPECT_TRUE(form->Command5->isVisible());
}

} // namespace
} // namespace radirav
