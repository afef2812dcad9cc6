#include "screens/common/yes_no_window.h"

#include "platform/fonts.h"
#include "platform/twips.h"

#include <QKeyEvent>
#include <QLabel>
#include <QWindow>
#include <cmath>

namespace radirav {
namespace {

const QString kYes = QStringLiteral("Да");
const QString kNo = QStringLiteral("Нет");

// Twips.
constexpr int kWidth = 4800, kHeight = 1800;
constexpr int kLabelWidth = 4400, kLabelHeight = 270, kLine1Top = 180, kLine2Top = 480;
constexpr int kButtonWidth = 1200, kButtonHeight = 495, kButtonTop = 850;

} // namespace

YesNoDesign InputErrorQuestion(const QString& name, const QString& caption, bool bothTabStops) {
    return {name, caption, QStringLiteral("Ошибка в исходной информации."),
            QStringLiteral("Изменяете исходную информацию?"), bothTabStops};
}

YesNoWindow::YesNoWindow(ScreenList& screens, const YesNoDesign& design, std::function<void()> yes,
                         std::function<void()> no)
    : ScreenWindow(screens, design.name), yes_(std::move(yes)), no_(std::move(no)),
      cancelAnswersYes_(design.cancelAnswersYes) {
    setWindowTitle(design.caption);
    SetOuterSizeTwips(kWidth, kHeight);
    const int inner = width();

    const QFont labelFont = ScreenFont(QStringLiteral("Courier"), 10, true);
    const int labelWidth = TwipsToPixels(kLabelWidth);
    Label1 = MakeLabel(
        this, QStringLiteral("Label1"),
        {CentredLeft(inner, labelWidth), TwipsToPixels(kLine1Top), labelWidth, TwipsToPixels(kLabelHeight)},
        labelFont);
    Label2 = MakeLabel(
        this, QStringLiteral("Label2"),
        {CentredLeft(inner, labelWidth), TwipsToPixels(kLine2Top), labelWidth, TwipsToPixels(kLabelHeight)},
        labelFont);
    for (auto [label, text] : {std::pair{Label1, design.line1}, std::pair{Label2, design.line2}}) {
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
    Command1->setFocusPolicy(Qt::StrongFocus);
    Command2->setFocusPolicy(design.bothTabStops ? Qt::StrongFocus : Qt::ClickFocus);
    Command1->setFocus();

    Command1->OnClick([this] { Command1Click(); });
    Command2->OnClick([this] { Command2Click(); });
}

void YesNoWindow::Command1Click() {
    // The answer may unload this window; keep the handler alive while it runs.
    const std::function<void()> yes = yes_;
    Unload();
    if (yes) {
        yes();
    }
}

void YesNoWindow::Command2Click() {
    const std::function<void()> no = no_;
    Unload();
    if (no) {
        no();
    }
}

void YesNoWindow::Cancel() {
    if (cancelAnswersYes_) {
        Command1Click();
    } else {
        Command2Click();
    }
}

void YesNoWindow::KeepAbove(ScreenWindow& owner) {
    // Window managers keep a dialog above the window it belongs to.
    setWindowFlags((windowFlags() & ~Qt::WindowType_Mask) | Qt::Dialog);
    winId(); // the native windows exist from here on, so the manager learns whose question it is
    if (owner.windowHandle() == nullptr) {
        owner.winId();
    }
    windowHandle()->setTransientParent(owner.windowHandle());
}

void YesNoWindow::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape) {
        Cancel();
        return;
    }
    ScreenWindow::keyPressEvent(event);
}

} // namespace radirav
