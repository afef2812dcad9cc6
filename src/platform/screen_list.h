#pragma once

#include <QMargins>
#include <QObject>
#include <QString>
#include <QStringList>
#include <initializer_list>
#include <vector>

namespace radirav {

class ScreenList;
class ScreenWindow;

// Keeps the keyboard off controls the student cannot see: a key that reaches a hidden or
// disabled control of a screen is swallowed and the focus moves on to a visible one.
class HiddenControlGuard final : public QObject {
public:
    explicit HiddenControlGuard(const ScreenList& screens) : screens_(screens) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    const ScreenList& screens_;
};

// The screens that exist, in the order they were loaded. A screen joins when it is created and
// leaves when it is unloaded or destroyed. The windows still loaded when the list goes are
// destroyed with it.
class ScreenList {
public:
    ScreenList();
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
    // Unloads every screen, as the program does before it ends.
    void UnloadAll() { UnloadAllBut({}); }
    // Unloads, in load order, every screen but those in `kept` (null entries keep nothing).
    void UnloadAllBut(std::initializer_list<const ScreenWindow*> kept);

    // The window manager's frame around a screen, as last seen on a shown window: the designed
    // sizes of the windows include it.
    const QMargins& Frame() const { return frame_; }
    void LearnFrame(const QMargins& frame) { frame_ = frame; }

private:
    std::vector<ScreenWindow*> screens_;
    HiddenControlGuard guard_{*this};
    QMargins frame_;
};

} // namespace radirav
