#pragma once

#include "model/program_state.h"
#include "report/date_time.h"

#include <string>
#include <vector>

namespace radirav {

// "07 декабря 2026г.        14:35:12": two-digit day, the month in the genitive, the year,
// eight blanks, the time.
std::string FormatRussianDate(const DateTimeParts& when);

// One print document is a list of lines. The report is one document, or two when the
// equilibrium is tabulated (the point list fills the first page).
using ReportDocument = std::vector<std::string>;
// The table's numbers use `decimalSeparator`, as on the results screen.
std::vector<ReportDocument> ReportDocuments(const ProgramState& state, const std::string& dateText,
                                            char decimalSeparator = '.');

// Name and size of the report's fixed-pitch font.
inline constexpr const char* kReportFontName = "Courier New Cyr";
inline constexpr int kReportFontSize = 10;

} // namespace radirav
