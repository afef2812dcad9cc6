#pragma once

#include "calc/column.h"
#include "model/case_file.h"
#include "model/program_state.h"

#include <optional>
#include <ostream>
#include <string>
#include <vector>

namespace radirav {

// How a calculation ended, as a word for scripts: ok, tray_limit, input_error, antoine_error.
const char* StopName(CalcStop stop);
// The results screen's message of a stop without its padding; none after a normal end.
std::optional<std::string> StopText(CalcStop stop);

// {"stop", "trays", "feed", "error", "reason", "warnings", "rows", "results" (14 rows x 3 columns),
// "balance"} of one calculation, and with a profile "profile": one object per tray from the
// bottom. After a stop "trays" and "feed" are null, "rows" is empty and "reason" says why;
// "rows" names each result row (symbol, label, unit, shown on the screen) with its values on the
// bottom, feed and top trays.
std::string ResultJson(const ProgramState& state, const ColumnResult& result, bool profile = false);

// The report's documents, one line each, documents separated by a form-feed line; the warnings
// after the table as the printed report carries them.
std::string ReportText(const ProgramState& state, const std::string& dateText,
                       const std::vector<HydraulicWarning>& warnings = {});

// One CSV field (RFC 4180): quoted when it holds a comma, a quote, a line break or outer blanks.
std::string CsvField(const std::string& text);

// The class summary: one CSV row per case file (file, student, system, tray, equilibrium,
// trays, feed, stop, message, reason) after a header; names show control characters as codes. A stopped
// column leaves trays and feed empty and names its stop (as StopName) with the results screen's message and
// why it stopped; a file that cannot be read still gets its row, stop file_error and the reader's message.
// Returns the exit status: 0 all calculated, 1 some calculation stopped, 2 some file unreadable
// or bad.
int WriteSummaryCsv(const std::vector<std::string>& paths, std::ostream& out);

} // namespace radirav
