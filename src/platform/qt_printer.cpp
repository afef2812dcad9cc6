#include "platform/qt_printer.h"

#include "platform/dialogs.h"
#include "platform/fonts.h"

#include <QDir>
#include <QFileInfo>
#include <QFontMetricsF>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>
#include <QStandardPaths>
#include <algorithm>

namespace radirav {
namespace {

const QString kPrintTitle = QStringLiteral("Печать результатов");

// Lays the documents out line by line from the top of the printable area, every document on a
// new page. A document a few lines too long for a page closes up its lines (down to 85 % of the
// font's height) to stay on one page; a longer one runs on to the next page.
bool Render(QPrinter& printer, const std::vector<QStringList>& documents, const QFont& font) {
    QPainter painter;
    if (!painter.begin(&printer)) {
        return false;
    }
    painter.setFont(font);
    const QFontMetricsF metrics(font, &printer);
    const double pageHeight = printer.pageLayout().paintRectPixels(printer.resolution()).height();
    bool firstPage = true;
    for (const QStringList& document : documents) {
        if (!firstPage && !printer.newPage()) {
            return false;
        }
        firstPage = false;
        const double fitting = document.isEmpty() ? metrics.lineSpacing() : pageHeight / document.size();
        const double pitch = std::min(metrics.lineSpacing(), std::max(fitting, 0.85 * metrics.height()));
        double y = 0;
        for (const QString& line : document) {
            if (y + pitch > pageHeight + 0.5) {
                if (!printer.newPage()) {
                    return false;
                }
                y = 0;
            }
            painter.drawText(QPointF(0, y + metrics.ascent()), line);
            y += pitch;
        }
    }
    return painter.end();
}

} // namespace

QtPrinter::QtPrinter(Dialogs& dialogs, QString pdfFolder)
    : dialogs_(dialogs), pdfFolder_(std::move(pdfFolder)) {}

void QtPrinter::SetFont(const QString& family, int pointSize) {
    family_ = family;
    pointSize_ = pointSize;
}

void QtPrinter::PrintText(const QString& text) {
    openLine_ += text;
}

void QtPrinter::PrintLine(const QString& text) {
    document_ << openLine_ + text;
    openLine_.clear();
}

void QtPrinter::EndDoc() {
    if (!openLine_.isEmpty()) {
        PrintLine({});
    }
    documents_.push_back(document_);
    document_.clear();
}

QString QtPrinter::PdfFileName(const QDateTime& when, int copy) {
    const QString stamp = when.toString(QStringLiteral("'RADIRAV-9 'yyyy-MM-dd HH-mm-ss"));
    return copy > 1 ? QStringLiteral("%1 (%2).pdf").arg(stamp).arg(copy) : stamp + QStringLiteral(".pdf");
}

void QtPrinter::EndReport() {
    if (!document_.isEmpty() || !openLine_.isEmpty()) {
        EndDoc();
    }
    if (documents_.empty()) {
        return;
    }
    if (!QPrinterInfo::defaultPrinter().isNull()) {
        PrintOnSystemPrinter();
    } else {
        WritePdf();
    }
    documents_.clear();
}

bool QtPrinter::PrintOnSystemPrinter() {
    const QPrinterInfo target = QPrinterInfo::defaultPrinter();
    for (const QStringList& document : documents_) {
        QPrinter printer(target, QPrinter::HighResolution);
        printer.setDocName(QStringLiteral("RADIRAV-9"));
        const QFont font = ScreenFont(FixedPitchCyrillicFamily(family_), pointSize_);
        if (!Render(printer, {document}, font) || printer.printerState() == QPrinter::Error) {
            dialogs_.ShowMessage(
                QStringLiteral("Не удалось напечатать отчёт на принтере %1.").arg(target.printerName()),
                kPrintTitle);
            return false;
        }
    }
    return true;
}

bool QtPrinter::WritePdf() {
    QString folder = pdfFolder_;
    if (folder.isEmpty()) {
        folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    }
    // Two reports printed within the same second go to two files.
    QString path = QDir(folder).filePath(PdfFileName(QDateTime::currentDateTime()));
    for (int copy = 2; QFileInfo::exists(path); ++copy) {
        path = QDir(folder).filePath(PdfFileName(QDateTime::currentDateTime(), copy));
    }
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(path);
    printer.setPageSize(QPageSize(QPageSize::A4));
    printer.setPageMargins(QMarginsF(15, 10, 10, 10), QPageLayout::Millimeter);
    const QFont font = ScreenFont(FixedPitchCyrillicFamily(family_), pointSize_);
    const bool written =
        QDir().mkpath(folder) && Render(printer, documents_, font) && QFileInfo(path).size() > 0;
    if (!written) {
        dialogs_.ShowMessage(
            QStringLiteral("Принтер не найден, и отчёт не удалось записать в файл\n%1").arg(path),
            kPrintTitle);
        return false;
    }
    dialogs_.ShowMessage(QStringLiteral("Принтер не найден. Отчёт записан в файл\n%1").arg(path),
                         kPrintTitle);
    return true;
}

} // namespace radirav
