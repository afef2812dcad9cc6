#include "screens/results/print_report.h"

#include "platform/clock.h"
#include "platform/printer.h"
#include "platform/regional_format.h"
#include "report/report_text.h"

namespace radirav {

void PrintReport(const ProgramState& state, const std::vector<HydraulicWarning>& warnings, Printer& printer,
                 Clock& clock) {
    const std::string date = FormatRussianDate(clock.Now());
    printer.SetFont(QString::fromUtf8(kReportFontName), kReportFontSize);
    for (const ReportDocument& document :
         ReportDocuments(state, date, RegionalDecimalSeparator(), warnings)) {
        for (const std::string& line : document) {
            printer.PrintLine(QString::fromStdString(line));
        }
        printer.EndDoc();
    }
    printer.EndReport();
}

} // namespace radirav
