#pragma once

#include "calc/hydraulics.h"
#include "model/program_state.h"
#include "report/date_time.h"

#include <string>
#include <vector>

namespace radirav {

// "07 декабря 2026г.        14:35:12": two-digit day, the month in the genitive, the year,
// eight blanks, the time.
std::string FormatRussianDate(const DateTimeParts& when);

// What a saved picture of the calculation carries under it: the student, the system and the
// date, "Петров П.П. гр. 5-12 · Этанол-Вода · 07 декабря 2026г. 14:35:12"; a name not given is
// left out.
std::string PictureSignature(const ProgramState& state, const DateTimeParts& when);

// A file name for what the student saves, built from the student and the system, without the
// extension: "Петров П.П. гр. 5-12 - Этанол-Вода". Characters no file system takes in a name
// become "_"; without either name, "radirav".
std::string SavedFileBaseName(const ProgramState& state);

// The hydraulic warnings of a finished column as the results window and the report give them:
// one "Внимание! ..." sentence each.
std::vector<std::string> WarningSentences(const std::vector<HydraulicWarning>& warnings);

// One print document is a list of lines. The report is one document, or two when the
// equilibrium is tabulated (the point list fills the first page). The table's numbers use
// `decimalSeparator`, as on the results screen. The warnings follow the table, each broken
// between words into lines no wider than the table; without warnings the report ends with it.
using ReportDocument = std::vector<std::string>;
std::vector<ReportDocument> ReportDocuments(const ProgramState& state, const std::string& dateText,
                                            char decimalSeparator = '.',
                                            const std::vector<HydraulicWarning>& warnings = {});

// Name and size of the report's fixed-pitch font.
inline constexpr const char* kReportFontName = "Courier New Cyr";
inline constexpr int kReportFontSize = 10;

} // namespace radirav
