#pragma once

#include "calc/column.h"
#include "calc/reflux_sweep.h"
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

// "R=FROM:TO:COUNT": reflux ratios FROM to TO (not negative), COUNT of them (1 to 100000).
struct SweepSpec {
    double from = 0, to = 0;
    int count = 0;
};
std::optional<SweepSpec> ParseSweepSpec(const std::string& text);

// Why a reflux range cannot be studied: an end outside the reflux ratio's own check, in the words
// a case file with that R would get; none when both ends pass.
std::optional<std::string> SweepRangeFault(const SweepSpec& spec);

// The reflux study as CSV: a comment line with the minimum reflux, or in words that no reflux
// reaches the distillate, the header "R,trays,feed,stop", then one row per point (stop: ok,
// tray_limit, input_error, antoine_error).
void WriteSweepCsv(const std::vector<RefluxPoint>& points, const RefluxStudyPlan& plan, std::ostream& out);

inline constexpr const char* kNoRefluxReachesText =
    "ни одно флегмовое число не доводит колонну до состава дистиллята за 300 тарелок";

// The class summary: one CSV row per case file (file, student, system, tray, equilibrium,
// trays, feed, stop, message, reason) after a header; names show control characters as codes. A stopped
// column leaves trays and feed empty and names its stop (as StopName) with the results screen's message and
// why it stopped; a file that cannot be read still gets its row, stop file_error and the reader's message.
// Returns the exit status: 0 all calculated, 1 some calculation stopped, 2 some file unreadable
// or bad.
int WriteSummaryCsv(const std::vector<std::string>& paths, std::ostream& out);

} // namespace radirav
