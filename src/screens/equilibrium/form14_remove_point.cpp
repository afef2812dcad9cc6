#include "screens/equilibrium/form14_remove_point.h"

#include "model/text.h"

#include <QKeyEvent>

namespace radirav {
namespace {

YesNoDesign RemovalQuestion(int row) {
    return {QStringLiteral("Form14"), QStringLiteral("ВНИМАНИЕ !!!"), QStringLiteral("Убираете "),
            QString::fromStdString(FormatShortSingle(static_cast<float>(row))) +
                QStringLiteral(" пару равновесной зависимости?")};
}

} // namespace

Form14::Form14(ScreenList& screens, int row, std::function<void()> yes, std::function<void()> no)
    : YesNoWindow(screens, RemovalQuestion(row), std::move(yes), std::move(no)) {}

void Form14::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape) {
        Command2Click();
        return;
    }
    YesNoWindow::keyPressEvent(event);
}

} // namespace radirav
