#include "screens/input/form1_title.h"
#include "screens/recording_navigator.h"
#include "screens/screen_test.h"

#include "platform/keyboard_layout.h"

#include <QPointer>
#include <QTest>

namespace radirav {
namespace {

using testing::ScreenTest;

class NextScreen final : public ScreenWindow {
public:
    explicit NextScreen(ScreenList& screens) : ScreenWindow(screens, QStringLiteral("NextScreen")) {}

protected:
    void OnCloseRequested() override {}
};

class Form1Test : public ScreenTest {
protected:
    Form1* Open() {
        navigator.onAsk = [this](const QString& what) {
            if (what == QStringLiteral("ShowNameBackdrop")) {
                events << QStringLiteral("next screen");
                machine.events << QStringLiteral("next screen");
                (new NextScreen(machine.screens))->show();
            } else if (what == QStringLiteral("EnterGroup 0")) {
                machine.events << QStringLiteral("continue entry");
            }
        };
        form = new Form1(state, platform, navigator);
        form->show();
        return form;
    }

    testing::RecordingNavigator navigator;
    QPointer<Form1> form;
    QStringList events;
};

// The window's caption, the buttons' captions, and the texts and places (pixels) the load gives
// the labels: the title, its two shadow bars, the hint.
struct ControlLook {
    const char* name;
    std::optional<QRect> geometry;
    const char* text;
};
void PrintTo(const ControlLook& c, std::ostream* out) {
    *out << c.name;
}

class Form1Look : public Form1Test, public ::testing::WithParamInterface<ControlLook> {};

TEST_P(Form1Look, ShowsTheTitleTextsWhereTheLoadPlacesThem) {
    Open();
    const ControlLook& look = GetParam();
    const QWidget* control = testing::Named(form, look.name);
    ASSERT_NE(control, nullptr);
    EXPECT_TRUE(control->isVisible());
    if (look.geometry) {
        EXPECT_EQ(control->geometry(), *look.geometry);
    }
    if (look.text != nullptr) {
        EXPECT_EQ(testing::TextOf(control), QString::fromUtf8(look.text));
    }
}

INSTANTIATE_TEST_SUITE_P(
    TitleScreen, Form1Look,
    ::testing::Values(ControlLook{"Form1", std::nullopt, "Введение"},
                      ControlLook{"Label1", QRect{120, 40, 540, 177},
                                  "            П Р О Г Р А М М А        R A D I R A V - 9\n\n"
                                  "                                     Р а с ч ё т\n"
                                  "  Бинарной ректификации в колоннах с колпачковыми\n"
                                  "                         и ситчатыми тарелками\n\n"
                                  "             ОПРЕДЕЛЕНИЕ ЧИСЛА ТАРЕЛОК"},
                      ControlLook{"Label2", QRect{600, 500, 153, 25}, nullptr},
                      ControlLook{"Label3", QRect{170, 270, 481, 41},
                                  " Для проведения расчётов необходимо изучить описание\n"
                                  "              и подготовить исходные данные"},
                      // The shadow bars along the right and the bottom edge of the title.
                      ControlLook{"Label4", QRect{660, 50, 5, 172}, ""},
                      ControlLook{"Label5", QRect{130, 217, 535, 5}, ""},
                      ControlLook{"Command1", std::nullopt, "Готовы к работе ?"},
                      ControlLook{"Command2", std::nullopt, "Не готовы к работе ?"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(Form1Test, TheStartButtonIsTheFirstTabStop) {
    Open();
    QWidget* firstTabStop = form->nextInFocusChain();
    while (firstTabStop != form && !(firstTabStop->focusPolicy() & Qt::TabFocus)) {
        firstTabStop = firstTabStop->nextInFocusChain();
    }
    EXPECT_EQ(firstTabStop, form->Command1);
}

TEST_F(Form1Test, PaintsTheGradientUnderItsControls) {
    Open();
    const QImage image = form->grab().toImage();
    const int right = image.width() - 1;
    const int bottom = image.height() - 1;
    EXPECT_EQ(image.pixelColor(0, 0), QColor(0, 255, 0));
    EXPECT_EQ(image.pixelColor(right, 0), QColor(0, 0, 255));
    EXPECT_EQ(image.pixelColor(right, bottom), QColor(255, 0, 0));
    EXPECT_EQ(image.pixelColor(0, bottom), QColor(0, 255, 255));
    EXPECT_EQ(image.pixelColor(125, 210), QColor(128, 255, 128)) << "the title covers the gradient";
}

TEST_F(Form1Test, LoadClearsTheChoices) {
    state.ConstantVolatility = state.AntoineMode = state.TableMode = true;
    state.AlfaEntered = state.PointsEntered = state.AntoineEntered = state.ChangeRectifyingMode = true;
    Open();
    for (bool flag : {state.ConstantVolatility, state.AntoineMode, state.TableMode, state.AlfaEntered,
                      state.PointsEntered, state.AntoineEntered, state.ChangeRectifyingMode}) {
        EXPECT_FALSE(flag);
    }
}

struct NameAnswers {
    const char* name;
    std::optional<QString> student, system;
    std::string studentName, systemName;
};
void PrintTo(const NameAnswers& c, std::ostream* out) {
    *out << c.name;
}

class Form1Start : public Form1Test, public ::testing::WithParamInterface<NameAnswers> {};

TEST_P(Form1Start, StoresBothNamesInProperCaseAndGoesOn) {
    Open();
    state.StudentName = state.SystemName = "прежнее";
    machine.AnswerInputBoxes({GetParam().student, GetParam().system});
    QTest::mouseClick(form->Command1, Qt::LeftButton);
    EXPECT_EQ(state.StudentName, GetParam().studentName);
    EXPECT_EQ(state.SystemName, GetParam().systemName);
    EXPECT_EQ(machine.events.last(), QStringLiteral("continue entry"));
}

INSTANTIATE_TEST_SUITE_P(Answers, Form1Start,
                         ::testing::Values(NameAnswers{"Typed", QStringLiteral("студент и.и. гр. 5-12"),
                                                       QStringLiteral("ЭТАНОЛ-ВОДА"), "Студент И.и. Гр. 5-12",
                                                       "Этанол-вода"},
                                           NameAnswers{"Cancelled", std::nullopt, std::nullopt, "", ""},
                                           NameAnswers{"Empty", QString(), QStringLiteral("бензол\tтолуол"),
                                                       "", "Бензол\tТолуол"}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(Form1Test, StartAsksTheNamesInCyrillicThenSwitchesToLatin) {
    Open();
    machine.AnswerInputBoxes({QStringLiteral("а"), QStringLiteral("б")});
    QTest::mouseClick(form->Command1, Qt::LeftButton);

    EXPECT_EQ(machine.events,
              (QStringList{"next screen", "layout 04190419", "input box ВВОД ФАМИЛИИ",
                           "input box ВВОД НАИМЕНОВАНИЙ КОМПОНЕНТОВ", "layout 04090409", "continue entry"}));
    ASSERT_EQ(machine.inputBoxes.size(), 2u);
    EXPECT_EQ(machine.inputBoxes[0].prompt, QStringLiteral("  ВВЕДИТЕ ФАМИЛИЮ И НОМЕР ГРУППЫ "));
    EXPECT_EQ(machine.inputBoxes[0].positionTwips, QPoint(500, 300));
    EXPECT_EQ(machine.inputBoxes[1].prompt,
              QStringLiteral("  ВВЕДИТЕ ЧЕРЕЗ ТИРЕ НАИМЕНОВАНИЕ КОМПОНЕНТОВ РАЗДЕЛЯЕМОЙ СМЕСИ "));
    EXPECT_EQ(machine.inputBoxes[1].positionTwips, QPoint(500, 500));
    for (const InputBoxRequest& request : machine.inputBoxes) {
        EXPECT_TRUE(request.defaultText.isEmpty());
    }
    EXPECT_EQ(machine.layouts, (std::vector<std::uint32_t>{kRussianLayout, kEnglishUsLayout}));
}

TEST_F(Form1Test, StartLoadsTheSampleAndLeavesOnlyTheNextScreen) {
    Open();
    state.ConstantVolatility = false;
    state.ChangeGeneralMode = state.ChangeRectifyingMode = state.ChangeStrippingMode = true;
    machine.AnswerInputBoxes({QStringLiteral("а"), QStringLiteral("б")});
    QTest::mouseClick(form->Command1, Qt::LeftButton);
    testing::DestroyUnloadedWindows();

    EXPECT_TRUE(form.isNull());
    EXPECT_EQ(machine.screens.LoadedNames(), QStringList{QStringLiteral("NextScreen")});
    EXPECT_EQ(state.EqPointCount, 15);
    EXPECT_EQ(state.InputParams[1].Code, "   F");
    EXPECT_FALSE(state.InputValueTexts[1].empty());
    EXPECT_TRUE(state.ConstantVolatility);
    EXPECT_FALSE(state.ChangeGeneralMode || state.ChangeRectifyingMode || state.ChangeStrippingMode);
    EXPECT_EQ(machine.programEnds, 0);
}

TEST_F(Form1Test, QuitButtonEndsTheProgramWithoutAQuestion) {
    Open();
    QTest::mouseClick(form->Command2, Qt::LeftButton);
    testing::DestroyUnloadedWindows();
    EXPECT_EQ(navigator.asked, QStringList{QStringLiteral("EndProgram")});
    EXPECT_TRUE(machine.inputBoxes.empty());
    EXPECT_TRUE(form.isNull());
    EXPECT_TRUE(machine.yesNoPrompts.empty());
    EXPECT_EQ(machine.screens.Count(), 0);
}

} // namespace
} // namespace radirav
