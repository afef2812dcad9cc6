#include "screens/menu/form16_reentry_choice.h"

#include "model/equilibrium_choice.h"
#include "platform/fonts.h"
#include "platform/twips.h"

#include <QKeyEvent>

namespace radirav {
namespace {

const QString kNewPointsCaption = QStringLiteral("Вводите новые равновесные данные ?");
const QString kCorrectPointsCaption = QStringLiteral("Корректируете уже введённые данные ?");
const QString kNewAntoineCaption = QStringLiteral("Вводите новые значения констант Антуана ?");
const QString kCorrectAntoineCaption = QStringLiteral("Корректируете уже введённые константы ?");

// Twips.
constexpr int kFormLeft = 10, kFormTop = 5, kFormWidth = 12000, kFormHeight = 9000;
constexpr int kButtonWidth = 6600, kButtonHeight = 600, kFirstTop = 2000, kSecondTop = 3000;

} // namespace

Form16::Form16(ProgramState& state, Platform platform, Navigator& navigator, EquilibriumData data)
    : ScreenWindow(platform.screens, QStringLiteral("Form16")), state_(state), platform_(platform),
      navigator_(navigator) {
    // No title: an empty one would make the window manager show the program's name instead.
    setWindowTitle(QStringLiteral(" "));
    const QFont font = ScreenFont(QStringLiteral("Courier"), 12, true);
    setFont(font);
    Surface().SetFontFamily(font.family());
    SetOuterGeometryTwips(kFormLeft, kFormTop, kFormWidth, kFormHeight);

    // Each pair takes the same two places, centred on the window.
    const int left = kFormWidth / 2 + kFormLeft - kButtonWidth / 2;
    Command1 = MakeButton(this, QStringLiteral("Command1"), kNewPointsCaption,
                          TwipsRect(left, kFirstTop, kButtonWidth, kButtonHeight), font);
    Command2 = MakeButton(this, QStringLiteral("Command2"), kCorrectPointsCaption,
                          TwipsRect(left, kSecondTop, kButtonWidth, kButtonHeight), font);
    Command3 = MakeButton(this, QStringLiteral("Command3"), kNewAntoineCaption,
                          TwipsRect(left, kFirstTop, kButtonWidth, kButtonHeight), font);
    Command4 = MakeButton(this, QStringLiteral("Command4"), kCorrectAntoineCaption,
                          TwipsRect(left, kSecondTop, kButtonWidth, kButtonHeight), font);
    for (CommandButton* button : {Command1, Command2, Command3, Command4}) {
        button->setFont(FitFontToWidth(font, button->text(), button->width() - 8));
    }

    const bool points = data == EquilibriumData::Points;
    Command1->setVisible(points);
    Command2->setVisible(points);
    Command3->setVisible(!points);
    Command4->setVisible(!points);

    Command1->OnClick([this] { Command1Click(); });
    Command2->OnClick([this] { Command2Click(); });
    Command3->OnClick([this] { Command3Click(); });
    Command4->OnClick([this] { Command4Click(); });
}

void Form16::Leave() {
    // A one-shot choice: no hidden copy stays behind.
    Unload();
    platform_.screens.UnloadOtherForms();
}

void Form16::Command1Click() {
    Leave();
    navigator_.ReenterEquilibriumPoints();
}

void Form16::Command2Click() {
    Leave();
    // The check is drawn by the editor itself, the only screen the student sees next.
    navigator_.OpenGraphEditor();
}

void Form16::Command3Click() {
    ChooseAntoineConstants(state_);
    Leave();
    navigator_.EnterAntoineConstants();
}

void Form16::Command4Click() {
    Leave();
    navigator_.CorrectAntoineConstants();
}

void Form16::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape) {
        OnCloseRequested();
        return;
    }
    ScreenWindow::keyPressEvent(event);
}

void Form16::OnCloseRequested() {
    Leave();
    navigator_.OpenChangeMenu();
}

} // namespace radirav
