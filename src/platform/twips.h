#pragma once

#include <QPoint>
#include <QRect>

namespace radirav {

// Window positions and sizes are designed in twips; the screens draw in pixels.
inline constexpr int kTwipsPerPixel = 15;

constexpr int TwipsToPixels(int twips) {
    return (twips >= 0 ? twips + kTwipsPerPixel / 2 : twips - kTwipsPerPixel / 2) / kTwipsPerPixel;
}
constexpr int PixelsToTwips(int pixels) {
    return pixels * kTwipsPerPixel;
}

inline QPoint TwipsToPixels(QPoint twips) {
    return {TwipsToPixels(twips.x()), TwipsToPixels(twips.y())};
}

// Left, top, width, height in twips.
inline QRect TwipsRect(int left, int top, int width, int height) {
    return {TwipsToPixels(left), TwipsToPixels(top), TwipsToPixels(width), TwipsToPixels(height)};
}

} // namespace radirav
