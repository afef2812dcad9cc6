#pragma once

#include "platform/printer.h"

#include <QDateTime>
#include <QStringList>
#include <vector>

namespace radirav {

class Dialogs;

// Prints on the system default printer, one job per document. Without a printer the report's
// documents become the pages of one PDF file in the documents folder, and the student is told
// its path. Failures are shown to the student.
class QtPrinter final : public Printer {
public:
    // `pdfFolder` empty: the user's documents folder.
    explicit QtPrinter(Dialogs& dialogs, QString pdfFolder = {});

    void SetFont(const QString& family, int pointSize) override;
    void PrintText(const QString& text) override;
    void PrintLine(const QString& text) override;
    void EndDoc() override;
    void EndReport() override;

    // "RADIRAV-9 2026-12-07 14-35-12.pdf"
    // The report file of `when`; later copies within the same second are numbered from 2.
    static QString PdfFileName(const QDateTime& when, int copy = 1);

private:
    bool PrintOnSystemPrinter();
    bool WritePdf();

    Dialogs& dialogs_;
    QString pdfFolder_;
    QString family_;
    int pointSize_ = 10;
    QString openLine_;
    QStringList document_;
    std::vector<QStringList> documents_;
};

} // namespace radirav
