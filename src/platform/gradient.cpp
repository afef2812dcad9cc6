#include "platform/gradient.h"

#include <algorithm>
#include <array>

namespace radirav {
namespace {

using Rgb = std::array<double, 3>;
constexpr Rgb kGreen{0, 255, 0}, kBlue{0, 0, 255}, kRed{255, 0, 0}, kCyan{0, 255, 255};

QRgb Mix(double a, const Rgb& ca, double b, const Rgb& cb, double c, const Rgb& cc) {
    auto channel = [&](std::size_t i) {
        return std::clamp(static_cast<int>(a * ca[i] + b * cb[i] + c * cc[i] + 0.5), 0, 255);
    };
    return qRgb(channel(0), channel(1), channel(2));
}

} // namespace

QImage TriangleGradient(QSize size) {
    QImage image(size, QImage::Format_RGB32);
    if (size.isEmpty()) {
        return image;
    }
    // Pixel centres are mapped so that the corner pixels take the pure corner colours.
    const double spanX = std::max(1, size.width() - 1);
    const double spanY = std::max(1, size.height() - 1);
    for (int y = 0; y < size.height(); ++y) {
        auto* row = reinterpret_cast<QRgb*>(image.scanLine(y));
        const double v = y / spanY;
        for (int x = 0; x < size.width(); ++x) {
            const double u = x / spanX;
            row[x] = v <= u ? Mix(1 - u, kGreen, u - v, kBlue, v, kRed)  // upper-right triangle
                            : Mix(1 - v, kGreen, u, kRed, v - u, kCyan); // lower-left triangle
        }
    }
    return image;
}

} // namespace radirav
