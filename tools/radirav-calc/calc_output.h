#pragma once

#include "calc/column.h"
#include "model/program_state.h"

#include <string>

namespace radirav {

// {"trays", "feed", "error", "results" (14 rows x 3 columns), "balance"} of one calculation.
std::string ResultJson(const ProgramState& state, const ColumnResult& result);

// The report's documents, one line each, documents separated by a form-feed line.
std::string ReportText(const ProgramState& state, const std::string& dateText);

} // namespace radirav
