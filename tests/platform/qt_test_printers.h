#pragma once

#include <QColor>
#include <QPointF>
#include <QRect>
#include <QString>
#include <QStringList>
#include <ostream>

// Readable Qt texts in test failure messages.
inline void PrintTo(const QString& text, std::ostream* out) {
    *out << '"' << text.toStdString() << '"';
}

inline void PrintTo(const QStringList& texts, std::ostream* out) {
    *out << '{';
    for (qsizetype i = 0; i < texts.size(); ++i) {
        *out << (i == 0 ? "" : ", ");
        PrintTo(texts[i], out);
    }
    *out << '}';
}

inline void PrintTo(const QRect& r, std::ostream* out) {
    *out << "QRect(" << r.x() << ", " << r.y() << ", " << r.width() << ", " << r.height() << ')';
}
inline void PrintTo(const QPoint& p, std::ostream* out) {
    *out << "QPoint(" << p.x() << ", " << p.y() << ')';
}
inline void PrintTo(const QPointF& p, std::ostream* out) {
    *out << "QPointF(" << p.x() << ", " << p.y() << ')';
}
inline void PrintTo(const QColor& c, std::ostream* out) {
    *out << "rgb(" << c.red() << ", " << c.green() << ", " << c.blue() << ')';
}
