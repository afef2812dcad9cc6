#pragma once

#include "calc/reflux_sweep.h"
#include "calc/study_rows.h"
#include "model/program_state.h"

#include <optional>
#include <vector>

// The study of one input of the student's case as a screen draws it or the batch calculator
// lists it: the columns over a range of the input, where they work, the student's own value,
// and for the reflux ratio the minimum reflux and the optimum. Every function works on its own
// copy of the input, so a study may run beside the window that asked for it.
namespace radirav {

struct InputStudy {
    StudiedInput input;
    double studentValue = 0;
    std::vector<StudyRow> rows;
    std::vector<ValueRange> working;
    // Where the working pieces were looked for: the rows' values, or for the default reflux study
    // the scan of the whole check of R.
    ValueRange searched;
    // A reflux study only: the asymptote of the tray count (given when some row works and it is
    // above zero) and the row of least N (R + 1).
    std::optional<double> minimumReflux;
    std::optional<RefluxOptimum> optimum;
};

// The rows of the study at `values`, then its working pieces among them.
InputStudy StudyInput(const ProgramState& state, StudiedInput input, const std::vector<double>& values);

// Values a study starts with. The reflux ratio: the plan of its study (kDefaultRefluxPoints
// values). The tray type: K and S. Any other input: half its value either side of the student's
// (a hundredth of the check's upper bound either side of a zero), each end drawn back towards
// the student's value until a case file would accept it.
std::vector<double> DefaultStudyValues(const ProgramState& state, StudiedInput input);
inline constexpr int kDefaultStudyPoints = 200;

// The study of the default values; for R its working pieces are those of the scan of the whole
// check.
InputStudy DefaultStudy(const ProgramState& state, StudiedInput input);

// The inputs a study of the case may vary, in the order of the parameter table: the 28
// parameters, ALFA when the case has constant volatility, and the tray type.
std::vector<StudiedInput> StudiableInputs(const ProgramState& state);

} // namespace radirav
