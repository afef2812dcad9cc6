#include "platform/drawing_surface.h"

#include <QImage>
#include <QPainter>
#include <gtest/gtest.h>

namespace radirav {
namespace {

TEST(DrawingSurface, PrintEndsTheLineAtTheLeftEdgeOneTextLineDown) {
    DrawingSurface surface;
    surface.SetFontSize(10);
    surface.SetCurrentX(30);
    surface.SetCurrentY(20);
    surface.Print(QStringLiteral("первая"));
    surface.Print(QStringLiteral("вторая"));

    ASSERT_EQ(surface.Ops().size(), 2u);
    EXPECT_EQ(surface.Ops()[0].from, QPointF(30, 20));
    EXPECT_EQ(surface.Ops()[1].from, QPointF(0, 20 + surface.TextHeight()));
    EXPECT_GT(surface.TextHeight(), 10.0); // a 10-point line is taller than 10 pixels at 96 dpi
    EXPECT_DOUBLE_EQ(surface.CurrentY(), 20 + 2 * surface.TextHeight());
    EXPECT_DOUBLE_EQ(surface.CurrentX(), 0);
}

TEST(DrawingSurface, PrintTextStaysOnTheLineJustAfterTheText) {
    DrawingSurface surface;
    surface.SetCurrentY(40);
    surface.PrintText(QStringLiteral("X("));
    surface.Print(QStringLiteral("1)"));
    ASSERT_EQ(surface.Ops().size(), 2u);
    EXPECT_DOUBLE_EQ(surface.Ops()[1].from.x(), surface.TextWidth(QStringLiteral("X(")));
    EXPECT_DOUBLE_EQ(surface.Ops()[1].from.y(), 40);
}

TEST(DrawingSurface, EmptyPrintOnlyMovesDown) {
    DrawingSurface surface;
    surface.Print({});
    EXPECT_TRUE(surface.Ops().empty());
    EXPECT_DOUBLE_EQ(surface.CurrentY(), surface.TextHeight());
}

TEST(DrawingSurface, TextKeepsThePenStateItWasPrintedWith) {
    DrawingSurface surface;
    surface.SetFontSize(11);
    surface.SetForeColor(Qt::darkGreen);
    surface.Print(QStringLiteral("a"));
    surface.SetFontSize(10);
    surface.SetForeColor(Qt::blue);
    surface.Print(QStringLiteral("b"));
    ASSERT_EQ(surface.Ops().size(), 2u);
    EXPECT_EQ(surface.Ops()[0].fontSize, 11);
    EXPECT_EQ(surface.Ops()[0].color, QColor(Qt::darkGreen));
    EXPECT_EQ(surface.Ops()[1].fontSize, 10);
    EXPECT_EQ(surface.Ops()[1].color, QColor(Qt::blue));
}

TEST(DrawingSurface, ClsForgetsEverythingAndReturnsToTheCorner) {
    DrawingSurface surface;
    surface.Line({0, 0}, {50, 60}, Qt::red, 2);
    surface.Print(QStringLiteral("текст"));
    surface.Cls();
    EXPECT_TRUE(surface.Ops().empty());
    EXPECT_EQ(QPointF(surface.CurrentX(), surface.CurrentY()), QPointF(0, 0));
}

TEST(DrawingSurface, ShapesLeaveTheCurrentPositionAtTheirLastPoint) {
    DrawingSurface surface;
    surface.Line({1, 2}, {30, 40}, Qt::red, 3);
    EXPECT_EQ(QPointF(surface.CurrentX(), surface.CurrentY()), QPointF(30, 40));
    surface.Circle({70, 80}, 5, Qt::blue);
    EXPECT_EQ(QPointF(surface.CurrentX(), surface.CurrentY()), QPointF(70, 80));
    EXPECT_EQ(surface.Ops()[0].penWidth, 3);
}

TEST(DrawingSurface, PaintsTheBackgroundThenTheOperations) {
    DrawingSurface surface;
    surface.SetBackColor(QColor(255, 192, 192));
    surface.Rectangle({10, 10}, {20, 20}, QColor(0, 0, 255), true);
    surface.Rectangle({40, 10}, {60, 30}, QColor(0, 128, 0), false);
    surface.Line({0, 50}, {99, 50}, QColor(255, 0, 0), 3);
    QImage image(100, 100, QImage::Format_RGB32);
    image.fill(Qt::black);
    QPainter painter(&image);
    surface.Paint(painter, image.rect());
    painter.end();

    EXPECT_EQ(image.pixelColor(90, 90), QColor(255, 192, 192));
    EXPECT_EQ(image.pixelColor(15, 15), QColor(0, 0, 255));
    EXPECT_EQ(image.pixelColor(40, 20), QColor(0, 128, 0));     // outline
    EXPECT_EQ(image.pixelColor(50, 20), QColor(255, 192, 192)); // inside an outline stays clear
    EXPECT_EQ(image.pixelColor(50, 51), QColor(255, 0, 0));     // three pixels thick
}

} // namespace
} // namespace radirav
