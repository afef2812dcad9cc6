#include "platform/gradient.h"
#include "support/test_names.h"

#include <gtest/gtest.h>

namespace radirav {
namespace {

struct PixelCase {
    const char* where;
    double u, v; // fraction of width and height
    QColor expected;
};
void PrintTo(const PixelCase& c, std::ostream* out) {
    *out << c.where;
}

class TriangleGradientPixels : public ::testing::TestWithParam<PixelCase> {};

TEST_P(TriangleGradientPixels, MixTheCornerColoursOfTheirTriangle) {
    const QSize size(801, 601);
    const QImage image = TriangleGradient(size);
    const int x = static_cast<int>(GetParam().u * (size.width() - 1) + 0.5);
    const int y = static_cast<int>(GetParam().v * (size.height() - 1) + 0.5);
    const QColor got = image.pixelColor(x, y);
    // One step of rounding per channel.
    EXPECT_NEAR(got.red(), GetParam().expected.red(), 1) << GetParam().where;
    EXPECT_NEAR(got.green(), GetParam().expected.green(), 1) << GetParam().where;
    EXPECT_NEAR(got.blue(), GetParam().expected.blue(), 1) << GetParam().where;
}

INSTANTIATE_TEST_SUITE_P(
    Corners, TriangleGradientPixels,
    ::testing::Values(PixelCase{"top left green", 0, 0, QColor(0, 255, 0)},
                      PixelCase{"top right blue", 1, 0, QColor(0, 0, 255)},
                      PixelCase{"bottom right red", 1, 1, QColor(255, 0, 0)},
                      PixelCase{"bottom left cyan", 0, 1, QColor(0, 255, 255)},
                      // The diagonal belongs to both triangles: green and red only.
                      PixelCase{"centre", 0.5, 0.5, QColor(128, 128, 0)},
                      // Middle of the top edge: half green, half blue; of the left edge: green to cyan.
                      PixelCase{"top middle", 0.5, 0, QColor(0, 128, 128)},
                      PixelCase{"left middle", 0, 0.5, QColor(0, 255, 128)},
                      // Centroids: a third of each corner colour.
                      PixelCase{"upper-right centroid", 2.0 / 3, 1.0 / 3, QColor(85, 85, 85)},
                      PixelCase{"lower-left centroid", 1.0 / 3, 2.0 / 3, QColor(85, 170, 85)}),
    [](const auto& info) { return testing::CaseName(info.param.where); });

TEST(TriangleGradient, CoversTheWholeSize) {
    EXPECT_EQ(TriangleGradient(QSize(800, 1024)).size(), QSize(800, 1024));
    EXPECT_TRUE(TriangleGradient(QSize(0, 0)).isNull());
}

} // namespace
} // namespace radirav
