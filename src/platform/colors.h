#pragma once

#include <QColor>
#include <cstdint>

namespace radirav {

// Colours of the design are written 0xBBGGRR: blue in the high byte, red in the low one.
inline QColor BgrColor(std::uint32_t bgr) {
    return QColor(static_cast<int>(bgr & 0xFFu), static_cast<int>((bgr >> 8) & 0xFFu),
                  static_cast<int>((bgr >> 16) & 0xFFu));
}

} // namespace radirav
