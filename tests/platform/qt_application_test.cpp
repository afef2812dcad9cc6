#include "platform/qt_application.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QImage>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QTest>
#include <QTranslator>
#include <gtest/gtest.h>
#include <memory>

namespace radirav {
namespace {

QStringList FileDialogWords() {
    QFileDialog dialog(nullptr, QStringLiteral("Сохранить рисунок…"));
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    QStringList words;
    for (const QLabel* label : dialog.findChildren<QLabel*>())
        words << label->text();
    for (const QPushButton* button : dialog.findChild<QDialogButtonBox*>()->findChildren<QPushButton*>())
        words << button->text();
    return words;
}

// The save dialogs of the diagram window said "Look in", "File name", "Save" and "Cancel".
TEST(QtRussianTexts, TheFileDialogSpeaksRussianOnceLoaded) {
    ASSERT_TRUE(FileDialogWords().join(' ').contains(QStringLiteral("Save")));
    QTranslator* translator = InstallQtRussianTexts(*QCoreApplication::instance());
    ASSERT_NE(translator, nullptr) << "Qt's Russian translation (qt6-translations-l10n) is not installed";
    const QString words = FileDialogWords().join(' ');
    QCoreApplication::removeTranslator(translator);
    delete translator;
    EXPECT_TRUE(words.contains(QStringLiteral("Сохранить"))) << words.toStdString();
    EXPECT_TRUE(words.contains(QStringLiteral("Отмена"))) << words.toStdString();
    EXPECT_TRUE(words.contains(QStringLiteral("Имя файла"))) << words.toStdString();
    EXPECT_FALSE(words.contains(QStringLiteral("Cancel"))) << words.toStdString();
}

// Darkness of the button's edge two pixels in from the middle of each side.
bool HasDarkFrame(const QImage& image) {
    const int w = image.width(), h = image.height();
    for (const QPoint p : {QPoint(1, h / 2), QPoint(w - 2, h / 2), QPoint(w / 2, 1), QPoint(w / 2, h - 2)}) {
        const QColor c = image.pixelColor(p);
        if (c.red() > 40 || c.green() > 40 || c.blue() > 40)
            return false;
    }
    return true;
}

// The grey buttons showed the focus as a thin outline, and only after Tab had been pressed.
TEST(FocusFrameStyle, AFocusedButtonHasTheHeavyFrameWithoutAnyTabPressed) {
    const std::unique_ptr<QStyle> style(MakeFocusFrameStyle());
    QWidget window;
    window.resize(300, 120);
    auto* focused = new QPushButton(QStringLiteral("  Тарелки колпачковые"), &window);
    auto* other = new QPushButton(QStringLiteral("   Тарелки   ситчатые"), &window);
    focused->setGeometry(10, 10, 200, 34);
    other->setGeometry(10, 60, 200, 34);
    for (QPushButton* button : {focused, other})
        button->setStyle(style.get());
    window.show();
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    focused->setFocus(Qt::OtherFocusReason);
    ASSERT_TRUE(focused->hasFocus());
    EXPECT_FALSE(window.testAttribute(Qt::WA_KeyboardFocusChange));
    EXPECT_TRUE(HasDarkFrame(focused->grab().toImage()));
    EXPECT_FALSE(HasDarkFrame(other->grab().toImage()));
}

} // namespace
} // namespace radirav
