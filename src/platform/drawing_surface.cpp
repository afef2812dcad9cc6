#include "platform/drawing_surface.h"

#include <QFont>
#include <QFontMetricsF>
#include <QPainter>

namespace radirav {
namespace {

QFont SurfaceFont(const QString& family, double points) {
    QFont font(family);
    font.setPointSizeF(points);
    return font;
}

} // namespace

DrawingSurface::DrawingSurface() : backColor_(QColor(240, 240, 240)) {}

void DrawingSurface::Cls() {
    ops_.clear();
    currentX_ = 0;
    currentY_ = 0;
    if (changed_) {
        changed_();
    }
}

void DrawingSurface::SetBackColor(const QColor& color) {
    backColor_ = color;
    if (changed_) {
        changed_();
    }
}

double DrawingSurface::TextHeight() const {
    return QFontMetricsF(SurfaceFont(fontFamily_, fontSize_)).height();
}

double DrawingSurface::TextWidth(const QString& text) const {
    return QFontMetricsF(SurfaceFont(fontFamily_, fontSize_)).horizontalAdvance(text);
}

void DrawingSurface::PrintText(const QString& text) {
    DrawOp op;
    op.kind = DrawOp::Kind::Text;
    op.from = {currentX_, currentY_};
    op.text = text;
    op.fontFamily = fontFamily_;
    op.fontSize = fontSize_;
    op.color = foreColor_;
    currentX_ += TextWidth(text);
    Add(std::move(op));
}

void DrawingSurface::Print(const QString& text) {
    if (!text.isEmpty()) {
        PrintText(text);
    }
    currentX_ = 0;
    currentY_ += TextHeight();
}

void DrawingSurface::Line(QPointF from, QPointF to, const QColor& color, int penWidth) {
    AddShape({.kind = DrawOp::Kind::Line, .from = from, .to = to, .color = color, .penWidth = penWidth}, to);
}

void DrawingSurface::Rectangle(QPointF from, QPointF to, const QColor& color, bool filled) {
    AddShape({.kind = DrawOp::Kind::Rectangle, .from = from, .to = to, .color = color, .filled = filled}, to);
}

void DrawingSurface::Circle(QPointF centre, double radius, const QColor& color, int penWidth) {
    AddShape({.kind = DrawOp::Kind::Circle,
              .from = centre,
              .radius = radius,
              .color = color,
              .penWidth = penWidth},
             centre);
}

// A shape leaves the current position at its last point (a circle: its centre).
void DrawingSurface::AddShape(DrawOp op, QPointF lastPoint) {
    currentX_ = lastPoint.x();
    currentY_ = lastPoint.y();
    Add(std::move(op));
}

void DrawingSurface::Picture(const QImage& picture) {
    DrawOp op;
    op.kind = DrawOp::Kind::Picture;
    op.picture = picture;
    Add(std::move(op));
}

std::vector<QString> DrawingSurface::Texts() const {
    std::vector<QString> texts;
    for (const DrawOp& op : ops_) {
        if (op.kind == DrawOp::Kind::Text) {
            texts.push_back(op.text);
        }
    }
    return texts;
}

void DrawingSurface::Add(DrawOp op) {
    ops_.push_back(std::move(op));
    if (changed_) {
        changed_();
    }
}

void DrawingSurface::Paint(QPainter& painter, const QRect& area) const {
    painter.fillRect(area, backColor_);
    for (const DrawOp& op : ops_) {
        switch (op.kind) {
        case DrawOp::Kind::Text: {
            const QFont font = SurfaceFont(op.fontFamily, op.fontSize);
            painter.setFont(font);
            painter.setPen(op.color);
            painter.drawText(QPointF(op.from.x(), op.from.y() + QFontMetricsF(font).ascent()), op.text);
            break;
        }
        case DrawOp::Kind::Line:
            painter.setPen(QPen(op.color, op.penWidth));
            painter.drawLine(op.from, op.to);
            break;
        case DrawOp::Kind::Rectangle: {
            const QRectF box = QRectF(op.from, op.to).normalized();
            if (op.filled) {
                painter.fillRect(box, op.color);
            } else {
                painter.setPen(QPen(op.color, 1));
                painter.setBrush(Qt::NoBrush);
                painter.drawRect(box);
            }
            break;
        }
        case DrawOp::Kind::Circle:
            painter.setPen(QPen(op.color, op.penWidth));
            painter.setBrush(Qt::NoBrush);
            painter.drawEllipse(op.from, op.radius, op.radius);
            break;
        case DrawOp::Kind::Picture:
            painter.drawImage(QPointF(0, 0), op.picture);
            break;
        }
    }
}

} // namespace radirav
