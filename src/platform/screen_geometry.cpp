#include "platform/screen_geometry.h"

#include <QGuiApplication>
#include <QScreen>

namespace radirav {

QRect QtScreenGeometry::Available() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    // Without a screen (none attached yet) the smallest desktop the windows are designed for.
    return screen != nullptr ? screen->availableGeometry() : QRect(0, 0, 800, 600);
}

} // namespace radirav
