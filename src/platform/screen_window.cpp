#include "platform/screen_window.h"

#include "platform/screen_list.h"
#include "platform/twips.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>
#include <QWindow>
#include <algorithm>

namespace radirav {

ScreenWindow::ScreenWindow(ScreenList& screens, const QString& name) : screens_(&screens) {
    setObjectName(name);
    surface_.SetChanged([this] { update(); });
    screens_->Add(this);
}

ScreenWindow::~ScreenWindow() {
    if (screens_ != nullptr) {
        screens_->Remove(this);
    }
}

void ScreenWindow::Unload() {
    if (unloading_) {
        return;
    }
    unloading_ = true;
    if (screens_ != nullptr) {
        screens_->Remove(this);
    }
    hide();
    deleteLater();
}

void ScreenWindow::closeEvent(QCloseEvent* event) {
    if (unloading_) {
        event->accept();
        return;
    }
    event->ignore();
    OnCloseRequested();
}

void ScreenWindow::SetOuterSizeTwips(int width, int height) {
    outerSize_ = QSize(TwipsToPixels(width), TwipsToPixels(height));
    PlaceFrame();
}

void ScreenWindow::SetOuterGeometryTwips(int left, int top, int width, int height) {
    SetOuterGeometry(
        QRect(TwipsToPixels(left), TwipsToPixels(top), TwipsToPixels(width), TwipsToPixels(height)));
}

void ScreenWindow::SetOuterGeometry(const QRect& pixels) {
    outerSize_ = pixels.size();
    outerTopLeft_ = pixels.topLeft();
    PlaceFrame();
}

void ScreenWindow::MoveOuter(QPoint pixels) {
    outerTopLeft_ = pixels;
    PlaceFrame();
}

void ScreenWindow::PlaceFrame() {
    const QMargins frame = screens_ != nullptr ? screens_->Frame() : QMargins();
    placedWithFrame_ = frame;
    const QScreen* where = screen() != nullptr ? screen() : QGuiApplication::primaryScreen();
    const QRect area = where != nullptr ? where->availableGeometry() : QRect();
    const QSize frameSize(frame.left() + frame.right(), frame.top() + frame.bottom());
    if (!outerSize_.isEmpty()) {
        // A design larger than the area is cut down to end at the area's far edge from its
        // designed place (a scaled screen); one that fits keeps its size.
        QSize outer = outerSize_;
        const QPoint from = outerTopLeft_ && area.contains(*outerTopLeft_) ? *outerTopLeft_ : area.topLeft();
        if (!area.isEmpty() && outer.width() > area.width())
            outer.setWidth(area.x() + area.width() - from.x());
        if (!area.isEmpty() && outer.height() > area.height())
            outer.setHeight(area.y() + area.height() - from.y());
        resize(outer - frameSize);
    }
    if (!outerTopLeft_) {
        return;
    }
    QPoint topLeft = *outerTopLeft_;
    // Qt places a window by its frame until the window is made, and after that by its inside
    // until it has seen the frame the window manager put round it.
    if (testAttribute(Qt::WA_WState_Created) && windowHandle() != nullptr &&
        windowHandle()->frameMargins().isNull()) {
        topLeft += QPoint(frame.left(), frame.top());
    }
    move(topLeft);
}

void ScreenWindow::LearnFrameOnceFramed() {
    if (screens_ == nullptr || windowHandle() == nullptr || !isVisible()) {
        return;
    }
    const QMargins frame = windowHandle()->frameMargins();
    if (frame.isNull() || frame == screens_->Frame()) {
        PlaceForKnownFrame();
        return;
    }
    screens_->LearnFrame(frame);
    // Windows placed before the frame was known may show no move of their own once framed.
    for (ScreenWindow* screen : screens_->Loaded()) {
        screen->PlaceForKnownFrame();
    }
}

void ScreenWindow::PlaceForKnownFrame() {
    // A maximised window has the frame of that state; the designed one comes back with it.
    if (screens_ == nullptr || placedWithFrame_ == screens_->Frame() ||
        (windowState() & (Qt::WindowMaximized | Qt::WindowFullScreen | Qt::WindowMinimized))) {
        return;
    }
    PlaceFrame();
}

void ScreenWindow::MoveFocusToVisibleControl() {
    QWidget* focus = focusWidget();
    if (focus != nullptr && focus->isEnabled() && focus->isVisibleTo(this)) {
        return;
    }
    // Walk the focus chain from the window itself.
    for (QWidget* next = nextInFocusChain(); next != nullptr && next != this;
         next = next->nextInFocusChain()) {
        if (next->window() == this && next->isEnabled() && next->isVisibleTo(this) &&
            (next->focusPolicy() & Qt::TabFocus) == Qt::TabFocus) {
            next->setFocus(Qt::OtherFocusReason);
            return;
        }
    }
    if (focus != nullptr) {
        setFocus(Qt::OtherFocusReason);
    }
}

bool ScreenWindow::event(QEvent* event) {
    const bool handled = QWidget::event(event);
    if (event->type() == QEvent::WindowActivate || event->type() == QEvent::Show) {
        MoveFocusToVisibleControl();
    }
    // The window manager's frame shows as a move of the inside once the window is framed, or
    // by the time it is active; platforms that frame at once know it when the window shows.
    if (event->type() == QEvent::Move || event->type() == QEvent::Show ||
        event->type() == QEvent::WindowActivate) {
        LearnFrameOnceFramed();
    }
    return handled;
}

void ScreenWindow::OnMouseDown(QPointF, Qt::MouseButton) {}

void ScreenWindow::mousePressEvent(QMouseEvent* event) {
    // The surface draws in the window's pixels, so a pixel position is a drawing position.
    OnMouseDown(event->position(), event->button());
    event->accept();
}

void ScreenWindow::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    surface_.Paint(painter, rect());
}

} // namespace radirav
