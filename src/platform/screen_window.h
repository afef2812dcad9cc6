#pragma once

#include "platform/drawing_surface.h"

#include <QWidget>
#include <optional>

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

    // Size (and position) of the whole window with its frame, as the design gives them; the
    // inside is what is left within the frame. A design larger than the available area of the
    // screen is cut down to end at the area's edges.
    void SetOuterSizeTwips(int width, int height);
    void SetOuterGeometryTwips(int left, int top, int width, int height);
    void SetOuterGeometry(const QRect& pixels);
    // Puts the top-left corner of the frame at `pixels`, whether or not the window is shown yet.
    void MoveOuter(QPoint pixels);

    // Gives the keyboard focus to the first visible, enabled control in tab order when the one
    // holding it is hidden or disabled.
    void MoveFocusToVisibleControl();

    // The list is going away and deletes the window itself.
    void Detach() { screens_ = nullptr; }

protected:
    // A mouse button pressed on the window itself (not on a control), at `where` in the drawing
    // units of its surface.
    virtual void OnMouseDown(QPointF where, Qt::MouseButton button);

    // What the window's own end button does; the title-bar close button runs it too, so no
    // hidden window is left with the program still running.
    virtual void OnCloseRequested() = 0;

    void closeEvent(QCloseEvent* event) override;
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    // Sizes and moves the window so that its frame has the designed size and position.
    void PlaceFrame();
    // Once the window manager has framed the window, its frame is known: the design is applied
    // again with it when it differs from the frame assumed so far.
    void LearnFrameOnceFramed();
    // Placed again when the frame known now is not the one it was placed for.
    void PlaceForKnownFrame();

    ScreenList* screens_;
    DrawingSurface surface_;
    bool unloading_ = false;
    QSize outerSize_;                    // pixels; empty when the design sets none
    std::optional<QPoint> outerTopLeft_; // pixels; unset when the design sets none
    QMargins placedWithFrame_;           // the frame the window was last placed for
};

} // namespace radirav
