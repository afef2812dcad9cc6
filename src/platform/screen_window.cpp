#include "platform/screen_window.h"

#include "platform/screen_list.h"
#include "platform/twips.h"

#include <QCloseEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QTimer>
#include <QWindow>

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
    FitInsideFrame();
}

void ScreenWindow::SetOuterGeometryTwips(int left, int top, int width, int height) {
    SetOuterGeometry(
        QRect(TwipsToPixels(left), TwipsToPixels(top), TwipsToPixels(width), TwipsToPixels(height)));
}

void ScreenWindow::SetOuterGeometry(const QRect& pixels) {
    move(pixels.topLeft()); // a window's position is that of its frame
    outerSize_ = pixels.size();
    FitInsideFrame();
}

void ScreenWindow::FitInsideFrame() {
    if (outerSize_.isEmpty() || screens_ == nullptr) {
        return;
    }
    const QMargins& frame = screens_->Frame();
    resize(outerSize_.width() - frame.left() - frame.right(),
           outerSize_.height() - frame.top() - frame.bottom());
}

void ScreenWindow::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    // The frame is known once the window manager has put it around the window.
    QTimer::singleShot(0, this, [this] {
        if (screens_ == nullptr || windowHandle() == nullptr) {
            return;
        }
        const QMargins frame = windowHandle()->frameMargins();
        if (frame != screens_->Frame()) {
            screens_->LearnFrame(frame);
            FitInsideFrame();
        }
    });
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
