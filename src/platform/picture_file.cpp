#include "platform/picture_file.h"

#include <QFile>
#include <QImage>
#include <QPainter>
#include <QSaveFile>
#include <QSvgGenerator>

namespace radirav {

bool SavePicture(const DrawingSurface& surface, QSize size, const QString& path) {
    const QRect area({0, 0}, size);
    if (path.endsWith(QStringLiteral(".svg"), Qt::CaseInsensitive)) {
        QSvgGenerator svg;
        svg.setFileName(path);
        svg.setSize(size);
        svg.setViewBox(area);
        svg.setTitle(QStringLiteral("RADIRAV-9"));
        QPainter painter;
        if (!painter.begin(&svg))
            return false;
        surface.Paint(painter, area);
        return painter.end() && QFile::exists(path);
    }
    QImage image(size, QImage::Format_RGB32);
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
