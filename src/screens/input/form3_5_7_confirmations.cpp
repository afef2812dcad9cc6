#include "screens/input/form3_5_7_confirmations.h"

#include "platform/controls.h"
#include "platform/fonts.h"
#include "platform/twips.h"
#include "screens/input/group_window.h"

#include <QLabel>
#include <QPushButton>
#include <cmath>

namespace radirav {
namespace {

const QString kCaption = QStringLiteral("Внимание !");
const QString kErrorText = QStringLiteral("Ошибка в исходной информации.");
const QString kQuestion = QStringLiteral("Изменяете исходную информацию?");
const QString kYes = QStringLiteral("Да");
const QString kNo = QStringLiteral("Нет");

// Twips.
constexpr int kWidth = 4800, kHeight = 1800;
constexpr int kLabelWidth = 4400, kLabelHeight = 270, kErrorTop = 180, kQuestionTop = 480;
constexpr int kButtonWidth = 1200, kButtonHeight = 495, kButtonTop = 850;

} // namespace

ConfirmationWindow::ConfirmationWindow(GroupWindow& group, Platform platform, const QString& name)
    : ScreenWindow(platform.screens, name), group_(&group), platform_(platform) {
    setWindowTitle(kCaption);
    group.Command3->hide();
    resize(TwipsToPixels(kWidth), TwipsToPixels(kHeight));
    const int inner = width();

    const QFont labelFont = ScreenFont(QStringLiteral("Courier"), 10, true);
    const int labelWidth = TwipsToPixels(kLabelWidth);
    Label1 = MakeLabel(
        this, QStringLiteral("Label1"),
        {CentredLeft(inner, labelWidth), TwipsToPixels(kErrorTop), labelWidth, TwipsToPixels(kLabelHeight)},
        labelFont);
    Label2 = MakeLabel(this, QStringLiteral("Label2"),
                       {CentredLeft(inner, labelWidth), TwipsToPixels(kQuestionTop), labelWidth,
                        TwipsToPixels(kLabelHeight)},
                       labelFont);
    for (auto [label, text] : {std::pair{Label1, kErrorText}, std::pair{Label2, kQuestion}}) {
        label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
        label->setText(text);
        label->setFont(FitFontToWidth(labelFont, text, labelWidth - 4));
    }

    const QFont buttonFont = ScreenFont(QStringLiteral("MS Sans Serif"), 10, true);
    const int buttonWidth = TwipsToPixels(kButtonWidth);
    const int gap = static_cast<int>(std::lround((inner - 2.0 * buttonWidth) / 3.0));
    Command1 =
        MakeButton(this, QStringLiteral("Command1"), kYes,
                   {gap, TwipsToPixels(kButtonTop), buttonWidth, TwipsToPixels(kButtonHeight)}, buttonFont);
    Command2 = MakeButton(
        this, QStringLiteral("Command2"), kNo,
        {gap + buttonWidth + gap, TwipsToPixels(kButtonTop), buttonWidth, TwipsToPixels(kButtonHeight)},
        buttonFont);
    // Enter or Space answers "Да"; "Нет" is never reached by Tab.
    Command1->setAutoDefault(true);
    Command1->setFocusPolicy(Qt::StrongFocus);
    Command2->setFocusPolicy(Qt::ClickFocus);
    Command1->setFocus();

    connect(Command1, &QPushButton::clicked, this, &ConfirmationWindow::Command1Click);
    connect(Command2, &QPushButton::clicked, this, &ConfirmationWindow::Command2Click);
}

void ConfirmationWindow::Command1Click() {
    if (group_) {
        group_->ResumeCorrecting();
    }
    Unload();
}

void ConfirmationWindow::Command2Click() {
    if (group_) {
        group_->Unload();
    }
    Unload();
    platform_.screens.UnloadOtherForms();
    platform_.programEnd.EndProgram();
}

Form3::Form3(GroupWindow& group, Platform platform)
    : ConfirmationWindow(group, platform, QStringLiteral("Form3")) {}

Form5::Form5(GroupWindow& group, Platform platform)
    : ConfirmationWindow(group, platform, QStringLiteral("Form5")) {}

Form7::Form7(GroupWindow& group, Platform platform)
    : ConfirmationWindow(group, platform, QStringLiteral("Form7")) {}

} // namespace radirav
