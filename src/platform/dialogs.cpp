#include "platform/dialogs.h"

#include "platform/twips.h"

#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QFontMetrics>
#include <QInputDialog>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QStandardPaths>

namespace radirav {

std::optional<QString> QtDialogs::AskInput(const InputBoxRequest& request) {
    QInputDialog dialog;
    dialog.setWindowTitle(request.title);
    dialog.setLabelText(request.prompt);
    dialog.setTextValue(request.defaultText);
    dialog.setOkButtonText(QStringLiteral("OK"));
    dialog.setCancelButtonText(QStringLiteral("Отмена"));
    // Wide enough for its whole title in the title bar (window managers draw it bold), with
    // room for the window buttons. The dialog takes its size from its layout, so the label
    // inside carries the width.
    QFont titleFont = QApplication::font();
    titleFont.setBold(true);
    const int titleWidth = QFontMetrics(titleFont).horizontalAdvance(request.title) * 6 / 5 + 140;
    for (QLabel* label : dialog.findChildren<QLabel*>()) {
        label->setMinimumWidth(titleWidth);
    }
    if (request.positionTwips) {
        // The designed position is that of the frame. Qt keeps it so only while the box is not
        // made yet; laying the box out first keeps the showing from resizing (and so making) it
        // before it is placed.
        dialog.adjustSize();
        dialog.move(TwipsToPixels(*request.positionTwips));
    }
    if (dialog.exec() != QDialog::Accepted) {
        return std::nullopt;
    }
    return dialog.textValue();
}

bool QtDialogs::AskYesNo(const QString& prompt, const QString& title, SafeAnswer safe) {
    QMessageBox box(QMessageBox::Question, title, prompt);
    QPushButton* yes = box.addButton(QStringLiteral("Да"), QMessageBox::YesRole);
    QPushButton* no = box.addButton(QStringLiteral("Нет"), QMessageBox::NoRole);
    // Enter, Escape and the title-bar close keep the student's work.
    QPushButton* kept = safe == SafeAnswer::Yes ? yes : no;
    box.setDefaultButton(kept);
    box.setEscapeButton(kept);
    box.exec();
    return box.clickedButton() == yes;
}

void QtDialogs::ShowMessage(const QString& text, const QString& title) {
    QMessageBox box(QMessageBox::Information, title, text);
    box.exec();
}

void QtDialogs::Beep() {
    QApplication::beep();
}

QString QtDialogs::SaveFileName(const QString& title, const QString& filter, const QString& suggestedName) {
    QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (folder.isEmpty() || !QDir().mkpath(folder))
        folder = QDir::homePath();
    QString chosenFilter;
    QString name = QFileDialog::getSaveFileName(nullptr, title, QDir(folder).filePath(suggestedName), filter,
                                                &chosenFilter);
    // The extension of the chosen type when the student typed none: "*.png)" -> ".png".
    const qsizetype star = chosenFilter.indexOf(QStringLiteral("*."));
    if (!name.isEmpty() && QFileInfo(name).suffix().isEmpty() && star >= 0)
        name += chosenFilter.mid(star + 1, chosenFilter.indexOf(QLatin1Char(')'), star) - star - 1);
    return name;
}

} // namespace radirav
