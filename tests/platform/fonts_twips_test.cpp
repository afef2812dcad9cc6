#include "platform/fonts.h"
#include "platform/twips.h"

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
                                           TwipsCase{10, 1}, TwipsCase{5, 0}));

TEST(Twips, RectangleConvertsEveryEdge) {
    EXPECT_EQ(TwipsRect(2520, 5760, 2775, 375), QRect(168, 384, 185, 25));
    EXPECT_EQ(PixelsToTwips(800), 12000);
}

class DesignedFontFamilies : public ::testing::TestWithParam<const char*> {};

TEST_P(DesignedFontFamilies, ResolveToAnInstalledFamilyThatWritesCyrillic) {
    const QString family = InstalledFamily(QString::fromUtf8(GetParam()));
    EXPECT_TRUE(QFontDatabase::families().contains(family)) << family.toStdString();
    EXPECT_TRUE(QFontDatabase::writingSystems(family).contains(QFontDatabase::Cyrillic))
        << family.toStdString();
    if (QString::fromUtf8(GetParam()).startsWith(QStringLiteral("Courier"))) {
        EXPECT_TRUE(QFontDatabase::isFixedPitch(family)) << family.toStdString();
    }
}

INSTANTIATE_TEST_SUITE_P(OfTheScreensAndTheReport, DesignedFontFamilies,
                         ::testing::Values("Courier", "Courier New Cyr", "Microsoft Sans Serif",
                                           "MS Sans Serif", "Arial"));

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
