#pragma once

#include "platform/drawing_surface.h"

#include <QWidget>

namespace radirav {

class ScreenList;

// A top-level window of the program. Creating it loads it into the list of screens; Unload
// hides it, takes it off the list and destroys it once its handlers have returned. Whatever is
// printed or drawn on it lives in Surface and is repainted from there.
class ScreenWindow : public QWidget {
    Q_OBJECT
public:
    ScreenWindow(ScreenList& screens, const QString& name);
    ~ScreenWindow() override;

    void Unload();
    bool IsUnloading() const { return unloading_; }
    DrawingSurface& Surface() { return surface_; }
    const DrawingSurface& Surface() const { return surface_; }

    // The list is going away and deletes the window itself.
    void Detach() { screens_ = nullptr; }

protected:
    // What the window's own end button does; the title-bar close button runs it too, so no
    // hidden window is left with the program still running.
    virtual void OnCloseRequested() = 0;

    void closeEvent(QCloseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    ScreenList* screens_;
    DrawingSurface surface_;
    bool unloading_ = false;
};

} // namespace radirav
