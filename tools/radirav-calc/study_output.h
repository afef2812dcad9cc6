#pragma once

#include "calc/input_study.h"
#include "model/program_state.h"

#include <optional>
#include <ostream>
#include <string>
#include <vector>

// The batch calculator's study of one input: the request read from the command line, its check
// against the case, and the rows as CSV or JSON.
namespace radirav {

// "CODE=FROM:TO:COUNT" for a parameter code or ALFA (COUNT from 1 to 100000 values spread evenly,
// both ends included; numbers with a decimal point), or "TRAY=K,S" (K, S or both, in the order
// given). The key may be written in lower case.
struct StudiedRange {
    StudiedInput input;
    std::string from, to; // the ends as written
    std::vector<double> values;
};
struct StudyRequest {
    std::optional<StudiedRange> range;
    std::optional<std::string> error; // why the text cannot be read
};
StudyRequest ParseStudyRequest(const std::string& text);

// Why the case cannot be studied so: ALFA on a case whose volatility is not constant, or an end
// of the range that a case file would refuse, in the reader's words; none when it can.
std::optional<std::string> StudyRequestFault(const ProgramState& state, const StudiedRange& range);

// The study as CSV: comment lines with what is studied, where the columns work (all pieces),
// and for R the minimum reflux, the optimum and the student's R against it; then the header
// "KEY,trays,feed,Ea_feed,warnings,stop" (and ",N*(R+1)" for R) and one row per value. A
// stopped row leaves trays, feed, Ea_feed and warnings empty.
void WriteStudyCsv(const ProgramState& state, const InputStudy& study, std::ostream& out);

// One JSON object: "input", "label", "student_value", "rows" (each "value", "trays", "feed",
// "Ea_feed", "warnings", "stop", and for R "N_R_plus_1"), "working" ([from, to] pairs; for the
// tray type the types that work), and for R "minimum_reflux" and "optimum" ("R", "trays",
// "N_R_plus_1", "ratio_to_minimum").
std::string StudyJson(const ProgramState& state, const InputStudy& study);

// 0 when some row calculates, else 1.
int StudyExitStatus(const InputStudy& study);

} // namespace radirav
