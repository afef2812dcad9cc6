#pragma once

#include "model/program_state.h"

#include <istream>
#include <optional>
#include <string>

namespace radirav {

// A case file describes one column in "KEY = value" lines: the 28 parameter codes, TRAY,
// NAME, SYSTEM and one equilibrium (ALFA, ANTOINE or 8 to 20 POINT lines). Absent keys keep
// the ethanol-water sample values; values pass the same normalisation and checks as typed ones.
struct CaseFileResult {
    ProgramState state;
    std::optional<std::string> error; // one line: "FILE:LINE: KEY: what is wrong"
};

CaseFileResult ReadCaseFile(std::istream& in, const std::string& fileName);

} // namespace radirav
