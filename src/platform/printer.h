#pragma once

#include <QString>

namespace radirav {

// A line printer: text goes down the page line by line in one font; a document is one print job.
class Printer {
public:
    virtual ~Printer() = default;
    virtual void SetFont(const QString& family, int pointSize) = 0;
    // Prints without ending the line; the next text continues it.
    virtual void PrintText(const QString& text) = 0;
    virtual void PrintLine(const QString& text) = 0;
    virtual void EndDoc() = 0;
    // Every document of one report has been ended: deliver them and say where they went.
    virtual void EndReport() = 0;
};

} // namespace radirav
