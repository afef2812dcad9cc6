#pragma once

#include <QColor>
#include <cstdint>

namespace radirav {

// Colours of the design are written 0xBBGGRR: blue in the high byte, red in the low one.
inline QColor BgrColor(std::uint32_t bgr) {
    return QColor(static_cast<int>(bgr & 0xFFu), static_cast<int>((bgr >> 8) & 0xFFu),
                  static_cast<int>((bgr >> 16) & 0xFFu));
}

// The pure colours the windows use for checks and highlights: a red accept button reports a
// range error, a green one a passed check.
inline constexpr std::uint32_t kBgrRed = 0x0000FF, kBgrGreen = 0x00FF00, kBgrBlue = 0xFF0000,
                               kBgrYellow = 0x00FFFF;

} // namespace radirav
