#pragma once

#include <QRect>

namespace radirav {

// The desktop the windows are placed on.
class ScreenGeometry {
public:
    virtual ~ScreenGeometry() = default;
    // The primary screen less the desktop's panels, in pixels.
    virtual QRect Available() = 0;
};

class QtScreenGeometry final : public ScreenGeometry {
public:
    QRect Available() override;
};

} // namespace radirav
