#include "platform/controls.h"

#include "platform/colors.h"

#include <QLabel>
#include <QListWidget>
#include <QPalette>
#include <QPushButton>
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

} // namespace

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

QPushButton* MakeButton(QWidget* parent, const QString& name, const QString& caption, QRect geometry,
                        const QFont& font) {
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(name);
    button->setGeometry(geometry);
    button->setFont(font);
    return button;
}

void SetListRowHeight(QListWidget* list, int pixels) {
    list->setItemDelegate(new FixedRowHeight(pixels, list));
    list->setUniformItemSizes(true);
}

} // namespace radirav
