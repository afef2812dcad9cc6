#include "screens/menu/form15_change_menu.h"

#include "model/equilibrium_choice.h"
#include "platform/colors.h"
#include "platform/fonts.h"
#include "platform/twips.h"
#include "screens/common/end_question.h"

#include <QGuiApplication>
#include <QLabel>
#include <cmath>

namespace radirav {
namespace {

const QString kCaption = QStringLiteral("Изменение исходной информации");
const QString kBubbleCapCaption = QStringLiteral("Тарелки колпачковые");
const QString kSieveCaption = QStringLiteral("Тарелки ситчатые");

constexpr std::uint32_t kLightRed = 0x8080FF;

// Twips. The widths are the design's; the rows and columns follow from the screen size.
constexpr int kButtonHeight = 500;
constexpr int kGroupWidth = 7500, kTrayWidth = 4500, kEndWidth = 4500, kRecalcWidth = 4500;
constexpr int kVolatilityWidth = 3600, kAlfaWidth = 3000, kMixtureWidth = 2700;
constexpr int kLabelWidth = 9000, kLabelHeight = 700;
// The screen height less this, shared out as 20 vertical units.
constexpr int kReservedHeight = 4000;
constexpr int kLineWidth = 2;

// Legend boxes and texts (twips from the window's top-left corner).
constexpr double kLegendFirstFontSize = 8.25, kLegendFontSize = 9;

struct MenuButton {
    const char* name;
    const char* caption;
    int widthTwips;
};

constexpr MenuButton kButtons[] = {
    {"Command1", "Окончание работы с программой", kEndWidth},
    {"Command2", "Общие физико-химические параметры (для всей колонны)", kGroupWidth},
    {"Command3", "Параметры укрепляющей части колонны", kGroupWidth},
    {"Command4", "Параметры исчерпывающей части колонны", kGroupWidth},
    {"Command5", "", kTrayWidth},
    {"Command6", "Летучесть постоянна", kVolatilityWidth},
    {"Command7", "Летучесть не постоянна", kVolatilityWidth},
    {"Command8", "коэффициент A l f a", kAlfaWidth},
    {"Command9", "Смесь не идеальна", kMixtureWidth},
    {"Command10", "Смесь идеальна", kMixtureWidth},
    {"Command11", "Равновесные данные", kMixtureWidth},
    {"Command12", "Константы Антуана", kMixtureWidth},
    {"Command13", "Расчёт с изменёнными данными", kRecalcWidth},
};

QPointF FromTwips(double x, double y) {
    return {x / kTwipsPerPixel, y / kTwipsPerPixel};
}

std::uint32_t Bgr(const QColor& color) {
    return static_cast<std::uint32_t>(color.red()) | static_cast<std::uint32_t>(color.green()) << 8 |
           static_cast<std::uint32_t>(color.blue()) << 16;
}

} // namespace

Form15::Form15(ProgramState& state, Platform platform, Navigator& navigator)
    : ScreenWindow(platform.screens, QStringLiteral("Form15")), state_(state), platform_(platform),
      navigator_(navigator) {
    setWindowTitle(kCaption);
    const QFont buttonFont = ScreenFont(QStringLiteral("MS Sans Serif"), 9.75, true);
    CommandButton** buttons[] = {&Command1,  &Command2,  &Command3, &Command4, &Command5,
                                 &Command6,  &Command7,  &Command8, &Command9, &Command10,
                                 &Command11, &Command12, &Command13};
    for (std::size_t k = 0; k < std::size(kButtons); ++k) {
        const MenuButton& button = kButtons[k];
        *buttons[k] = MakeButton(this, QString::fromUtf8(button.name), QString::fromUtf8(button.caption),
                                 TwipsRect(0, 0, button.widthTwips, kButtonHeight), buttonFont);
    }
    Label1 = MakeLabel(this, QStringLiteral("Label1"), TwipsRect(0, 0, kLabelWidth, kLabelHeight),
                       ScreenFont(QStringLiteral("Times New Roman"), 18, true));
    Label1->setAlignment(Qt::AlignCenter);
    Label1->setText(kCaption);

    PaintControl(Command1, kLightRed);
    for (CommandButton* button : {Command2, Command3, Command4, Command5}) {
        PaintControl(button, kEnteredColor);
    }

    Command1->OnClick([this] { Command1Click(); });
    Command2->OnClick([this] { Command2Click(); });
    Command3->OnClick([this] { Command3Click(); });
    Command4->OnClick([this] { Command4Click(); });
    Command5->OnClick([this] { Command5Click(); });
    Command6->OnClick([this] { Command6Click(); });
    Command7->OnClick([this] { Command7Click(); });
    Command8->OnClick([this] { Command8Click(); });
    Command9->OnClick([this] { Command9Click(); });
    Command10->OnClick([this] { Command10Click(); });
    Command11->OnClick([this] { Command11Click(); });
    Command12->OnClick([this] { Command12Click(); });
    Command13->OnClick([this] { Command13Click(); });

    // Tab goes down the tree and reaches the end of the work last; the window opens on the
    // first group, so an Enter never ends the program by accident.
    QWidget* previous = Command2;
    for (CommandButton* button : {Command3, Command4, Command5, Command6, Command7, Command8, Command9,
                                  Command10, Command11, Command12, Command13, Command1}) {
        setTabOrder(previous, button);
        previous = button;
    }
    Command2->setFocus();

    Load();
}

void Form15::Load() {
    Command5->setText(state_.TrayType == "K" ? kBubbleCapCaption : kSieveCaption);
    SetOuterGeometry(platform_.screen.Available());
    PlaceControls();
    DrawConnectingLines();
    DrawLegend();
    pick_ = Pick::AsLoaded;
    recalculation_ = ReadyEquilibrium(state_);
    ShowChoice();
}

void Form15::PlaceControls() {
    // The window's designed size is the whole screen, frame included.
    const int formWidth = PixelsToTwips(geometry().width() + platform_.screens.Frame().left() +
                                        platform_.screens.Frame().right());
    const int formHeight = PixelsToTwips(geometry().height() + platform_.screens.Frame().top() +
                                         platform_.screens.Frame().bottom());
    const int v = static_cast<int>(std::lround((formHeight - kReservedHeight) / 20.0));
    const int g = static_cast<int>(std::lround((formWidth - kVolatilityWidth - kVolatilityWidth) / 3.0));
    auto centred = [formWidth](int width) { return (formWidth - width) / 2; };
    auto place = [](QWidget* control, int left, int top, int width, int height) {
        control->setGeometry(TwipsRect(left, top, width, height));
    };

    place(Label1, centred(kLabelWidth), 2 * v, kLabelWidth, kLabelHeight);
    const int rowStep = kButtonHeight + v;
    int top = 4 * v;
    for (CommandButton* button : {Command2, Command3, Command4, Command5}) {
        const int width = PixelsToTwips(button->width());
        place(button, centred(width), top, width, kButtonHeight);
        top += rowStep;
    }
    const int left6 = g, left7 = g + kVolatilityWidth + g;
    place(Command6, left6, top, kVolatilityWidth, kButtonHeight);
    place(Command7, left7, top, kVolatilityWidth, kButtonHeight);
    top += rowStep;
    const int left9 = left7 + kVolatilityWidth / 3 - kMixtureWidth;
    const int left10 = left7 + kVolatilityWidth - kVolatilityWidth / 3;
    place(Command8, left6 + (kVolatilityWidth - kAlfaWidth) / 2, top, kAlfaWidth, kButtonHeight);
    place(Command9, left9, top, kMixtureWidth, kButtonHeight);
    place(Command10, left10, top, kMixtureWidth, kButtonHeight);
    top += rowStep;
    place(Command11, left9, top, kMixtureWidth, kButtonHeight);
    place(Command12, left10, top, kMixtureWidth, kButtonHeight);
    top += rowStep;
    place(Command13, centred(kRecalcWidth), top, kRecalcWidth, kButtonHeight);
    top += rowStep;
    place(Command1, centred(kEndWidth), top, kEndWidth, kButtonHeight);

    for (CommandButton* button : {Command1, Command2, Command3, Command4, Command5, Command6, Command7,
                                  Command8, Command9, Command10, Command11, Command12, Command13}) {
        button->setFont(FitFontToWidth(button->font(), button->text(), button->width() - 8));
    }
    Label1->setFont(FitFontToWidth(Label1->font(), Label1->text(), Label1->width() - 4));
}

void Form15::DrawConnectingLines() {
    DrawingSurface& surface = Surface();
    surface.Cls();
    const QColor lineColor = surface.ForeColor();
    // From the lower edge of `upper`, `fraction` of its width from its left, to the middle of the
    // upper edge of `lower`.
    auto connect = [&](const QWidget* upper, double fraction, const QWidget* lower) {
        const QRect a = upper->geometry(), b = lower->geometry();
        surface.Line({a.x() + a.width() * fraction, double(a.y() + a.height())},
                     {b.x() + b.width() / 2.0, double(b.y())}, lineColor, kLineWidth);
    };
    connect(Command2, 0.5, Command3);
    connect(Command3, 0.5, Command4);
    connect(Command4, 0.5, Command5);
    connect(Command5, 1.0 / 3, Command6);
    connect(Command5, 2.0 / 3, Command7);
    connect(Command6, 0.5, Command8);
    connect(Command7, 1.0 / 3, Command9);
    connect(Command7, 2.0 / 3, Command10);
    connect(Command9, 0.5, Command11);
    connect(Command10, 0.5, Command12);
    connect(Command8, 0.5, Command13);
    connect(Command11, 0.5, Command13);
    connect(Command12, 0.5, Command13);
    connect(Command13, 0.5, Command1);
}

void Form15::DrawLegend() {
    DrawingSurface& surface = Surface();
    surface.SetFontFamily(InstalledFamily(QStringLiteral("MS Sans Serif")));
    surface.SetFontSize(kLegendFirstFontSize);
    auto box = [&](double x1, double y1, double x2, double y2, std::uint32_t color) {
        surface.Rectangle(FromTwips(x1, y1), FromTwips(x2, y2), BgrColor(color), true);
    };
    auto text = [&](double x, double y, const QString& line) {
        const QPointF at = FromTwips(x, y);
        surface.SetCurrentX(at.x());
        surface.SetCurrentY(at.y());
        surface.Print(line);
    };
    box(100, 1600, 2000, 1800, kEnteredColor);
    text(300, 1600, QStringLiteral("Данные введены"));
    box(100, 2000, 2000, 2200, kNotEnteredColor);
    surface.SetFontSize(kLegendFontSize);
    text(150, 2000, QStringLiteral("Данные не введены"));
    box(100, 2400, 2000, 3000, kNotInCalcColor);
    text(100, 2400, QStringLiteral("Данные введены, но"));
    text(600, 2600, QStringLiteral("в расчёте"));
    text(400, 2800, QStringLiteral("не участвуют"));
}

void Form15::ShowChoice() {
    const bool constant = state_.ConstantVolatility;
    for (CommandButton* button : {Command6, Command7, Command9, Command10}) {
        PaintControl(button, kNotEnteredColor);
    }
    PaintControl(Command8, state_.AlfaEntered ? kNotInCalcColor : kNotEnteredColor);
    PaintControl(Command11, state_.PointsEntered ? kNotInCalcColor : kNotEnteredColor);
    PaintControl(Command12, state_.AntoineEntered ? kNotInCalcColor : kNotEnteredColor);
    PaintControl(constant ? Command6 : Command7, kEnteredColor);

    // The mixture branch as loaded from the flags, or as picked since; none right after the
    // volatility was switched, until the student picks it.
    const bool ideal = pick_ == Pick::Ideal || (pick_ == Pick::AsLoaded && state_.AntoineMode);
    const bool nonIdeal = pick_ == Pick::NonIdeal || (pick_ == Pick::AsLoaded && !state_.AntoineMode);
    if (!constant && (ideal || nonIdeal)) {
        PaintControl(ideal ? Command10 : Command9, kEnteredColor);
    }
    Command6->setEnabled(constant || pick_ == Pick::AsLoaded || pick_ == Pick::Variable);
    Command8->setEnabled(constant);
    Command9->setEnabled(!constant);
    Command10->setEnabled(!constant);
    Command11->setEnabled(!constant && nonIdeal);
    Command12->setEnabled(!constant && ideal);

    if (recalculation_) {
        const EquilibriumSource model = *recalculation_;
        PaintControl(model == EquilibriumSource::ConstantAlfa ? Command8
                     : model == EquilibriumSource::Antoine    ? Command12
                                                              : Command11,
                     kEnteredColor);
        PaintControl(Command13, kEnteredColor);
    } else if (pick_ == Pick::AsLoaded) {
        // Nothing to calculate with: the button as designed, disabled.
        PaintControl(Command13, Bgr(QGuiApplication::palette().color(QPalette::Button)));
    } else {
        PaintControl(Command13, kNotEnteredColor);
    }
    Command13->setEnabled(recalculation_.has_value());
}

void Form15::ShowAgain() {
    show();
    raise();
    activateWindow();
}

void Form15::Leave() {
    Unload();
    platform_.screens.UnloadOtherForms();
}

void Form15::OnCloseRequested() {
    if (ConfirmEndOfWork(platform_.dialogs)) {
        Command1Click();
    }
}

void Form15::Command1Click() {
    Leave();
    navigator_.EndProgram();
}

void Form15::EditGroup(bool ProgramState::*changeFlag, ParamGroup group) {
    state_.*changeFlag = true;
    // The menu stays loaded, hidden, and comes back as it is left.
    hide();
    platform_.screens.UnloadOtherForms();
    navigator_.EditGroup(group);
}

void Form15::Command5Click() {
    const bool bubbleCap = state_.TrayType == "K";
    state_.TrayType = bubbleCap ? "S" : "K";
    Command5->setText(bubbleCap ? kSieveCaption : kBubbleCapCaption);
}

void Form15::Command6Click() {
    ChooseConstantVolatility(state_);
    pick_ = Pick::Constant;
    recalculation_ = state_.AlfaEntered ? std::optional(EquilibriumSource::ConstantAlfa) : std::nullopt;
    ShowChoice();
}

void Form15::Command7Click() {
    ChooseVariableVolatility(state_);
    pick_ = Pick::Variable;
    recalculation_.reset();
    ShowChoice();
}

void Form15::Command8Click() {
    ChooseConstantAlfa(state_);
    Leave();
    navigator_.AskAlfaAndCalculate();
}

void Form15::Command9Click() {
    state_.AntoineMode = false;
    pick_ = Pick::NonIdeal;
    // Only points already in use stay ready to calculate with.
    if (!state_.TableMode || recalculation_ != EquilibriumSource::Points) {
        recalculation_.reset();
    }
    ShowChoice();
}

void Form15::Command10Click() {
    pick_ = Pick::Ideal;
    // Only constants already in use stay ready to calculate with.
    if (!state_.AntoineMode || recalculation_ != EquilibriumSource::Antoine) {
        recalculation_.reset();
    }
    ShowChoice();
}

void Form15::Command11Click() {
    Leave();
    ChooseTabulatedPoints(state_);
    if (state_.PointsEntered) {
        navigator_.OpenReentryChoice(EquilibriumData::Points);
        return;
    }
    navigator_.ReenterEquilibriumPoints();
}

void Form15::Command12Click() {
    Leave();
    ChooseAntoineConstants(state_);
    if (state_.AntoineEntered) {
        navigator_.OpenReentryChoice(EquilibriumData::Antoine);
        return;
    }
    navigator_.EnterAntoineConstants();
}

void Form15::Command13Click() {
    // The calculation uses the equilibrium the menu shows as ready, whatever way the flags came.
    if (!recalculation_) {
        return;
    }
    ApplyEquilibrium(state_, *recalculation_);
    Leave();
    navigator_.CalculateAndShow();
}

} // namespace radirav
