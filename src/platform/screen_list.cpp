#include "platform/screen_list.h"

#include "platform/screen_window.h"

#include <algorithm>

namespace radirav {

ScreenList::~ScreenList() {
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

} // namespace radirav
