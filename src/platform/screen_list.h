#pragma once

#include <QString>
#include <QStringList>
#include <vector>

namespace radirav {

class ScreenWindow;

// The screens that exist, in the order they were loaded. A screen joins when it is created and
// leaves when it is unloaded or destroyed. The windows still loaded when the list goes are
// destroyed with it.
class ScreenList {
public:
    ScreenList() = default;
    ScreenList(const ScreenList&) = delete;
    ScreenList& operator=(const ScreenList&) = delete;
    ~ScreenList();

    void Add(ScreenWindow* screen);
    void Remove(ScreenWindow* screen);
    bool Contains(const ScreenWindow* screen) const;
    int Count() const { return static_cast<int>(screens_.size()); }
    const std::vector<ScreenWindow*>& Loaded() const { return screens_; }
    QStringList LoadedNames() const;

    // Unloads the earliest loaded screen while more than one is loaded: the most recently
    // loaded one stays.
    void UnloadOtherForms();

private:
    std::vector<ScreenWindow*> screens_;
};

} // namespace radirav
