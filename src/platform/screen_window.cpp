#include "platform/screen_window.h"

#include "platform/screen_list.h"

#include <QCloseEvent>
#include <QPainter>

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

void ScreenWindow::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    surface_.Paint(painter, rect());
}

} // namespace radirav
