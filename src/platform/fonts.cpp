#include "platform/fonts.h"

#include <QFontDatabase>
#include <QFontMetricsF>
#include <QStringList>
#include <algorithm>

namespace radirav {
namespace {

bool Installed(const QString& family) {
    return QFontDatabase::families().contains(family);
}

bool WritesCyrillic(const QString& family) {
    return QFontDatabase::writingSystems(family).contains(QFontDatabase::Cyrillic);
}

bool IsFixedPitchDesign(const QString& family) {
    return family.startsWith(QStringLiteral("Courier"));
}

// The metric-compatible free family of each designed Windows family: same advance widths, so
// texts fill their labels and columns as designed.
QString MetricTwin(const QString& designed) {
    if (designed.startsWith(QStringLiteral("Courier"))) {
        return QStringLiteral("Liberation Mono");
    }
    if (designed.startsWith(QStringLiteral("Times"))) {
        return QStringLiteral("Liberation Serif");
    }
    return QStringLiteral("Liberation Sans"); // Arial, MS Sans Serif, Microsoft Sans Serif
}

QString FirstInstalled(const QStringList& candidates, bool fixedPitch) {
    for (const QString& family : candidates) {
        if (Installed(family) && WritesCyrillic(family)) {
            return family;
        }
    }
    for (const QString& family : QFontDatabase::families(QFontDatabase::Cyrillic)) {
        if (!fixedPitch || QFontDatabase::isFixedPitch(family)) {
            return family;
        }
    }
    return QFontDatabase::systemFont(fixedPitch ? QFontDatabase::FixedFont : QFontDatabase::GeneralFont)
        .family();
}

} // namespace

QString FixedPitchCyrillicFamily(const QString& designed) {
    if (Installed(designed) && WritesCyrillic(designed)) {
        return designed;
    }
    return FirstInstalled({QStringLiteral("Courier New"), MetricTwin(designed),
                           QStringLiteral("DejaVu Sans Mono"), QStringLiteral("Noto Sans Mono")},
                          true);
}

QString InstalledFamily(const QString& designed) {
    if (IsFixedPitchDesign(designed)) {
        return FixedPitchCyrillicFamily(designed);
    }
    if (Installed(designed) && WritesCyrillic(designed)) {
        return designed;
    }
    return FirstInstalled({MetricTwin(designed), QStringLiteral("Arial"), QStringLiteral("Liberation Sans"),
                           QStringLiteral("DejaVu Sans")},
                          false);
}

QFont ScreenFont(const QString& designed, double points, bool bold, bool italic) {
    QFont font(InstalledFamily(designed));
    font.setPointSizeF(points);
    font.setBold(bold);
    font.setItalic(italic);
    return font;
}

QFont FitFontToWidth(QFont font, const QString& text, int width) {
    const QStringList lines = text.split(QLatin1Char('\n'));
    auto widest = [&lines](const QFont& candidate) {
        const QFontMetricsF metrics(candidate);
        double widest = 0;
        for (const QString& line : lines) {
            widest = std::max(widest, metrics.horizontalAdvance(line));
        }
        return widest;
    };
    while (font.pointSizeF() > 6 && widest(font) > width) {
        font.setPointSizeF(font.pointSizeF() - 0.25);
    }
    return font;
}

} // namespace radirav
