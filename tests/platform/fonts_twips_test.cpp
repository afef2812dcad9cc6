#include "platform/fonts.h"
#include "platform/twips.h"
#include "support/test_names.h"

#include <QFontDatabase>
#include <QFontMetricsF>
#include <QList>
#include <QStringList>
#include <gtest/gtest.h>

namespace radirav {
namespace {

struct TwipsCase {
    int twips;
    int pixels;
};
void PrintTo(const TwipsCase& c, std::ostream* out) {
    *out << c.twips << " twips";
}

class TwipsToPixelsAt15 : public ::testing::TestWithParam<TwipsCase> {};

TEST_P(TwipsToPixelsAt15, RoundToTheNearestPixel) {
    EXPECT_EQ(TwipsToPixels(GetParam().twips), GetParam().pixels);
}

INSTANTIATE_TEST_SUITE_P(DesignSizes, TwipsToPixelsAt15,
                         ::testing::Values(TwipsCase{12000, 800}, TwipsCase{9000, 600}, TwipsCase{375, 25},
                                           TwipsCase{2655, 177}, TwipsCase{7, 0}, TwipsCase{8, 1},
                                           TwipsCase{10, 1}, TwipsCase{5, 0}),
                         [](const auto& info) { return std::to_string(info.param.twips) + "Twips"; });

TEST(Twips, RectangleConvertsEveryEdge) {
    EXPECT_EQ(TwipsRect(2520, 5760, 2775, 375), QRect(168, 384, 185, 25));
    EXPECT_EQ(PixelsToTwips(800), 12000);
}

struct DesignedFamily {
    const char* designed;
    const char* metricTwin; // same advance widths, installed by the set-up script
};

class DesignedFontFamilies : public ::testing::TestWithParam<DesignedFamily> {};

TEST_P(DesignedFontFamilies, FallBackToTheirMetricTwinWithCyrillic) {
    const QString designed = QString::fromUtf8(GetParam().designed);
    const QString family = InstalledFamily(designed);
    if (family != designed) {
        EXPECT_EQ(family, QString::fromUtf8(GetParam().metricTwin));
    }
    EXPECT_TRUE(QFontDatabase::writingSystems(family).contains(QFontDatabase::Cyrillic))
        << family.toStdString();
    if (designed.startsWith(QStringLiteral("Courier"))) {
        EXPECT_TRUE(QFontDatabase::isFixedPitch(family)) << family.toStdString();
    }
}

INSTANTIATE_TEST_SUITE_P(OfTheScreensAndTheReport, DesignedFontFamilies,
                         ::testing::Values(DesignedFamily{"Courier", "Liberation Mono"},
                                           DesignedFamily{"Courier New Cyr", "Liberation Mono"},
                                           DesignedFamily{"Times New Roman", "Liberation Serif"},
                                           DesignedFamily{"Microsoft Sans Serif", "Liberation Sans"},
                                           DesignedFamily{"MS Sans Serif", "Liberation Sans"},
                                           DesignedFamily{"Arial", "Liberation Sans"}),
                         [](const auto& info) { return testing::CaseName(info.param.designed); });

TEST(FixedPitchCyrillicFamily, PrintsCyrillicInEqualColumns) {
    QFont font(FixedPitchCyrillicFamily(QStringLiteral("Courier New Cyr")));
    font.setPointSize(10);
    const QFontMetricsF metrics(font);
    EXPECT_DOUBLE_EQ(metrics.horizontalAdvance(QStringLiteral("ЖЖЖЖЖЖЖЖЖЖ")),
                     metrics.horizontalAdvance(QStringLiteral("||||||||||")));
}

TEST(FitFontToWidth, ShrinksUntilTheWidestLineFitsAndNoFurther) {
    const QString text = QStringLiteral(" Для проведения расчётов необходимо изучить описание\n коротко");
    const QFont designed = ScreenFont(QStringLiteral("Courier"), 12);
    const double designedWidth =
        QFontMetricsF(designed).horizontalAdvance(text.section(QLatin1Char('\n'), 0, 0));
    const int width = static_cast<int>(designedWidth * 0.9);
    const QFont fitted = FitFontToWidth(designed, text, width);
    EXPECT_LE(QFontMetricsF(fitted).horizontalAdvance(text.section(QLatin1Char('\n'), 0, 0)), width);
    EXPECT_GT(fitted.pointSizeF(), 12 * 0.8);
    EXPECT_EQ(FitFontToWidth(designed, text, static_cast<int>(designedWidth) + 1).pointSizeF(), 12);
}

} // namespace
} // namespace radirav
