#pragma once

#include <QColor>
#include <QImage>
#include <QPointF>
#include <QRect>
#include <QString>
#include <functional>
#include <vector>

class QPainter;

namespace radirav {

// One thing drawn on a window. Coordinates are the window's drawing units (pixels).
struct DrawOp {
    enum class Kind { Text, Line, Rectangle, Circle, Picture };
    Kind kind = Kind::Text;
    QPointF from{};    // text: top-left; line and rectangle: first corner; circle: centre
    QPointF to{};      // line and rectangle: second corner
    double radius = 0; // circle
    QString text{};
    QString fontFamily{};
    double fontSize = 0; // points
    QColor color{};
    int penWidth = 1;
    bool filled = false;
    QImage picture{};
};

// What a window has printed and drawn, with the pen state that the next operation starts from
// (current position, font size, colours). The window replays the list when it paints, so the
// list is the truth tests read.
class DrawingSurface {
public:
    DrawingSurface();

    // Forgets every operation and returns the current position to the top-left corner.
    void Cls();

    double CurrentX() const { return currentX_; }
    double CurrentY() const { return currentY_; }
    void SetCurrentX(double x) { currentX_ = x; }
    void SetCurrentY(double y) { currentY_ = y; }

    void SetFontFamily(const QString& family) { fontFamily_ = family; }
    const QString& FontFamily() const { return fontFamily_; }
    void SetFontSize(double points) { fontSize_ = points; }
    double FontSize() const { return fontSize_; }

    void SetForeColor(const QColor& color) { foreColor_ = color; }
    const QColor& ForeColor() const { return foreColor_; }
    // The colour the whole window is filled with before the operations are replayed.
    void SetBackColor(const QColor& color);
    const QColor& BackColor() const { return backColor_; }

    // Prints at the current position and ends the line: back to the left edge, one text line down.
    void Print(const QString& text);
    // Prints at the current position and stays on the line, just after the text.
    void PrintText(const QString& text);
    void Line(QPointF from, QPointF to, const QColor& color, int penWidth = 1);
    void Rectangle(QPointF from, QPointF to, const QColor& color, bool filled);
    void Circle(QPointF centre, double radius, const QColor& color, int penWidth = 1);
    // A picture covering the window from its top-left corner.
    void Picture(const QImage& picture);

    double TextHeight() const;
    double TextWidth(const QString& text) const;

    const std::vector<DrawOp>& Ops() const { return ops_; }
    // Texts of the text operations, in drawing order.
    std::vector<QString> Texts() const;

    void Paint(QPainter& painter, const QRect& area) const;
    void SetChanged(std::function<void()> changed) { changed_ = std::move(changed); }

private:
    void Add(DrawOp op);
    void AddShape(DrawOp op, QPointF lastPoint);

    std::vector<DrawOp> ops_;
    double currentX_ = 0, currentY_ = 0;
    QString fontFamily_;
    double fontSize_ = 10;
    QColor foreColor_{Qt::black};
    QColor backColor_;
    std::function<void()> changed_;
};

} // namespace radirav
