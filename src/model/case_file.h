#pragma once

#include "model/program_state.h"

#include <istream>
#include <optional>
#include <string>

namespace radirav {

// A case file describes one column in "KEY = value" lines: the 28 parameter codes, TRAY,
// NAME, SYSTEM and one equilibrium (ALFA, ANTOINE or 8 to 20 POINT lines). Absent keys keep
// the ethanol-water sample values; values pass the same normalisation and checks as typed ones.
// `#` starts a comment; a value in double quotes is taken literally up to the last quote of
// its line, comment signs and outer blanks included. A UTF-8 byte-order mark is skipped.
struct CaseFileResult {
    ProgramState state;
    std::optional<std::string> error; // one line: "FILE:LINE: KEY: what is wrong"
};

CaseFileResult ReadCaseFile(std::istream& in, const std::string& fileName);
CaseFileResult ReadCaseText(const std::string& text, const std::string& fileName);

// The whole input of `state` as case-file text: names, the 28 values as typed, the tray type
// and the chosen equilibrium (none when no kind is chosen yet, which reads back as the sample's
// points). Reading it back gives the same calculation.
std::string FormatCaseFile(const ProgramState& state);

} // namespace radirav
