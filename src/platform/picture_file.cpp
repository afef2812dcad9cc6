#include "platform/picture_file.h"

#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSaveFile>
#include <QScreen>
#include <QSvgGenerator>

namespace radirav {
namespace {

// The surface's text is sized in points and measured on the screen; the picture takes the
// screen's resolution so that its text keeps the proportion to the drawing seen on the screen.
int ScreenDotsPerInch() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen != nullptr ? qRound(screen->logicalDotsPerInchY()) : 96;
}

} // namespace

bool SavePicture(const DrawingSurface& surface, QSize size, const QString& path) {
    const QRect area({0, 0}, size);
    if (path.endsWith(QStringLiteral(".svg"), Qt::CaseInsensitive)) {
        QSvgGenerator svg;
        svg.setFileName(path);
        svg.setSize(size);
        svg.setViewBox(area);
        svg.setResolution(ScreenDotsPerInch());
        svg.setTitle(QStringLiteral("RADIRAV-9"));
        QPainter painter;
        if (!painter.begin(&svg))
            return false;
        surface.Paint(painter, area);
        return painter.end() && QFile::exists(path);
    }
    QImage image(size, QImage::Format_RGB32);
    const int dotsPerMetre = qRound(ScreenDotsPerInch() / 0.0254);
    image.setDotsPerMeterX(dotsPerMetre);
    image.setDotsPerMeterY(dotsPerMetre);
    image.fill(Qt::white);
    {
        QPainter painter(&image);
        surface.Paint(painter, area);
    }
    return image.save(path, "PNG");
}

bool WriteTextFile(const QString& path, const std::string& text) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    const auto size = static_cast<qint64>(text.size());
    return file.write(text.data(), size) == size && file.commit();
}

} // namespace radirav
