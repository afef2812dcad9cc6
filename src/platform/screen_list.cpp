#include "platform/screen_list.h"

#include "platform/screen_window.h"

#include <QApplication>
#include <QEvent>
#include <algorithm>

namespace radirav {

bool HiddenControlGuard::eventFilter(QObject* watched, QEvent* event) {
    const QEvent::Type type = event->type();
    if (type != QEvent::KeyPress && type != QEvent::KeyRelease && type != QEvent::ShortcutOverride) {
        return false;
    }
    auto* control = qobject_cast<QWidget*>(watched);
    if (control == nullptr || control->isWindow()) {
        return false;
    }
    auto* screen = qobject_cast<ScreenWindow*>(control->window());
    if (screen == nullptr || !screens_.Contains(screen)) {
        return false;
    }
    if (control->isEnabled() && control->isVisibleTo(screen)) {
        return false;
    }
    if (type == QEvent::KeyPress) {
        screen->MoveFocusToVisibleControl();
    }
    return true;
}

ScreenList::ScreenList() {
    if (QCoreApplication::instance() != nullptr) {
        QCoreApplication::instance()->installEventFilter(&guard_);
    }
}

ScreenList::~ScreenList() {
    if (QCoreApplication::instance() != nullptr) {
        QCoreApplication::instance()->removeEventFilter(&guard_);
    }
    while (!screens_.empty()) {
        ScreenWindow* screen = screens_.back();
        screens_.pop_back();
        screen->Detach();
        delete screen;
    }
}

void ScreenList::Add(ScreenWindow* screen) {
    if (!Contains(screen)) {
        screens_.push_back(screen);
    }
}

void ScreenList::Remove(ScreenWindow* screen) {
    std::erase(screens_, screen);
}

bool ScreenList::Contains(const ScreenWindow* screen) const {
    return std::find(screens_.begin(), screens_.end(), screen) != screens_.end();
}

QStringList ScreenList::LoadedNames() const {
    QStringList names;
    for (const ScreenWindow* screen : screens_) {
        names << screen->objectName();
    }
    return names;
}

void ScreenList::UnloadOtherForms() {
    while (screens_.size() > 1) {
        ScreenWindow* first = screens_.front();
        first->Unload();
        Remove(first); // even if the screen forgot to leave, the loop must end
    }
}

void ScreenList::UnloadAllBut(std::initializer_list<const ScreenWindow*> kept) {
    const std::vector<ScreenWindow*> loaded = screens_;
    for (ScreenWindow* screen : loaded) {
        if (std::find(kept.begin(), kept.end(), screen) == kept.end()) {
            screen->Unload();
            Remove(screen);
        }
    }
}

} // namespace radirav
