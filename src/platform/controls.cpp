#include "platform/controls.h"

#include "platform/colors.h"
#include "platform/screen_window.h"

#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QMouseEvent>
#include <QPalette>
#include <QPointer>
#include <QStyledItemDelegate>

namespace radirav {
namespace {

class FixedRowHeight final : public QStyledItemDelegate {
public:
    FixedRowHeight(int pixels, QObject* parent) : QStyledItemDelegate(parent), pixels_(pixels) {}

    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override {
        return {QStyledItemDelegate::sizeHint(option, index).width(), pixels_};
    }

private:
    int pixels_;
};

// Enter on a list chooses its current row, as a click does.
class ListEnterKey final : public QObject {
public:
    ListEnterKey(QListWidget* list, std::function<void(int)> handler)
        : QObject(list), list_(list), handler_(std::move(handler)) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::KeyPress) {
            const int key = static_cast<QKeyEvent*>(event)->key();
            if ((key == Qt::Key_Return || key == Qt::Key_Enter) && list_->currentRow() >= 0 &&
                list_->isEnabled()) {
                handler_(list_->currentRow() + 1);
                return true;
            }
        }
        return QObject::eventFilter(watched, event);
    }

private:
    QListWidget* list_;
    std::function<void(int)> handler_;
};

QString Rgb(const QColor& color) {
    return QStringLiteral("rgb(%1, %2, %3)").arg(color.red()).arg(color.green()).arg(color.blue());
}

} // namespace

CommandButton::CommandButton(const QString& caption, QWidget* parent) : QPushButton(caption, parent) {}

bool CommandButton::CanAct() const {
    return isEnabled() && isVisibleTo(window());
}

void CommandButton::OnClick(std::function<void()> handler) {
    connect(this, &QPushButton::clicked, this, [this, handler = std::move(handler)] {
        if (!CanAct()) {
            return;
        }
        // The handler may hide this button, and the keyboard must not stay on a hidden one.
        const QPointer<ScreenWindow> screen = qobject_cast<ScreenWindow*>(window());
        handler();
        if (screen && !screen->IsUnloading()) {
            screen->MoveFocusToVisibleControl();
        }
    });
}

void CommandButton::keyPressEvent(QKeyEvent* event) {
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) && event->modifiers() == 0) {
        if (CanAct()) {
            click();
        }
        return;
    }
    QPushButton::keyPressEvent(event);
}

TextBox::TextBox(QWidget* parent) : QLineEdit(parent) {}

void TextBox::keyPressEvent(QKeyEvent* event) {
    if (keyPress && keyPress(event->key())) {
        event->accept();
        return;
    }
    QLineEdit::keyPressEvent(event);
}

void TextBox::mousePressEvent(QMouseEvent* event) {
    QLineEdit::mousePressEvent(event);
    if (mouseDown) {
        mouseDown(event->position(), event->button());
    }
}

void TextBox::mouseReleaseEvent(QMouseEvent* event) {
    QLineEdit::mouseReleaseEvent(event);
    if (click && rect().contains(event->position().toPoint())) {
        click();
    }
}

void PaintControl(QWidget* widget, std::uint32_t back, std::optional<std::uint32_t> fore) {
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, BgrColor(back));
    palette.setColor(QPalette::Button, BgrColor(back));
    palette.setColor(QPalette::Base, BgrColor(back));
    if (fore) {
        palette.setColor(QPalette::WindowText, BgrColor(*fore));
        palette.setColor(QPalette::ButtonText, BgrColor(*fore));
        palette.setColor(QPalette::Text, BgrColor(*fore));
    }
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
    if (qobject_cast<QPushButton*>(widget) != nullptr) {
        // A solid face with a frame that thickens while the button has the keyboard focus.
        // The active text colour: a button painted while disabled must not keep the grey once enabled.
        const QString text = Rgb(palette.color(QPalette::Active, QPalette::ButtonText));
        widget->setStyleSheet(QStringLiteral("QPushButton { background-color: %1; color: %2; "
                                             "border: 1px solid rgb(64, 64, 64); padding: 1px; }"
                                             "QPushButton:focus { border: 2px solid rgb(0, 0, 0); }"
                                             "QPushButton:pressed { border: 2px inset rgb(64, 64, 64); }"
                                             "QPushButton:disabled { color: rgb(128, 128, 128); }")
                                  .arg(Rgb(BgrColor(back)), text));
    }
}

QLabel* MakeLabel(QWidget* parent, const QString& name, QRect geometry, const QFont& font) {
    auto* label = new QLabel(parent);
    label->setObjectName(name);
    label->setTextFormat(Qt::PlainText);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label->setGeometry(geometry);
    label->setFont(font);
    return label;
}

CommandButton* MakeButton(QWidget* parent, const QString& name, const QString& caption, QRect geometry,
                          const QFont& font) {
    auto* button = new CommandButton(caption, parent);
    button->setObjectName(name);
    button->setGeometry(geometry);
    button->setFont(font);
    return button;
}

void SetListRowHeight(QListWidget* list, int pixels) {
    list->setItemDelegate(new FixedRowHeight(pixels, list));
    list->setUniformItemSizes(true);
}

void OnListRowChosen(QListWidget* list, std::function<void(int row)> handler) {
    QObject::connect(list, &QListWidget::itemClicked, list, [list, handler](QListWidgetItem* item) {
        if (list->isEnabled() && list->isVisibleTo(list->window())) {
            handler(list->row(item) + 1);
        }
    });
    list->installEventFilter(new ListEnterKey(list, std::move(handler)));
}

} // namespace radirav
