#include "platform/qt_application.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QPainter>
#include <QProxyStyle>
#include <QStyleOption>
#include <QTranslator>

namespace radirav {
namespace {

// Width of the frame the coloured buttons' style sheet draws round a focused button.
constexpr int kFocusFrameWidth = 2;

class FocusFrameStyle final : public QProxyStyle {
public:
    void drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                     const QWidget* widget) const override {
        QProxyStyle::drawControl(element, option, painter, widget);
        // Buttons with a style sheet draw their own frame.
        if (element != CE_PushButton || !(option->state & State_HasFocus) ||
            (widget != nullptr && !widget->styleSheet().isEmpty()))
            return;
        painter->save();
        painter->setPen(QPen(Qt::black, kFocusFrameWidth));
        painter->setBrush(Qt::NoBrush);
        const int inset = kFocusFrameWidth / 2;
        painter->drawRect(QRectF(option->rect).adjusted(inset, inset, -inset, -inset));
        painter->restore();
    }
};

} // namespace

QTranslator* InstallQtRussianTexts(QCoreApplication& app) {
    auto* translator = new QTranslator(&app);
    if (!translator->load(QLocale(QLocale::Russian, QLocale::Russia), QStringLiteral("qtbase"),
                          QStringLiteral("_"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)) ||
        !QCoreApplication::installTranslator(translator)) {
        delete translator;
        return nullptr;
    }
    return translator;
}

QStyle* MakeFocusFrameStyle() {
    return new FocusFrameStyle;
}

void PrepareQtApplication(QApplication& app) {
    InstallQtRussianTexts(app);
    QApplication::setStyle(MakeFocusFrameStyle());
}

} // namespace radirav
