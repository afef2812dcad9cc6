#pragma once

#include "calc/column.h"
#include "model/equilibrium_choice.h"
#include "model/program_state.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

// Class variants: individual tasks around one case, each a column that can be built. Every
// value is drawn from the seed by integer arithmetic alone, so a seed gives the same files on
// every machine and standard library.
namespace radirav {

// One varied value, from FROM to TO inclusive, written as in "XF=0.05:0.15". The bounds are
// kept as decimal integers scaled by 10^decimals, so the grid of drawn values is exact.
struct VaryRange {
    int param = 0; // 1..28, or 0 for ALFA
    std::string key;
    long long from = 0, to = 0;
    int decimals = 0;
};

// "CODE=FROM:TO[,CODE=FROM:TO...]": a parameter code or ALFA, each once, bounds as plain decimals
// (a point, no exponent) inside the code's accepted range, FROM <= TO. The grid is refined until
// a range holds at least 100 values (or 9 decimals). Without a value the message says why.
struct VaryList {
    std::vector<VaryRange> ranges;
    std::optional<std::string> error;
};
VaryList ParseVaryList(const std::string& text);

// The equilibrium of every variant, from "alfa", "antoine" or "points".
std::optional<EquilibriumSource> ParseEquilibriumSource(const std::string& text);

struct VariantsOrder {
    int count = 0;
    std::uint64_t seed = 0;
    std::vector<VaryRange> ranges;
    std::optional<EquilibriumSource> equilibrium; // none: the case's own
};

// A column a student can be given: the calculation reached the top without a stop, and every
// tray works inside the usual design window of its type.
bool IsBuildableColumn(const ColumnResult& result);

struct Variant {
    std::string fileName; // "variant-07.case"
    std::string text;     // the case file
};
struct VariantsResult {
    std::vector<Variant> variants; // exactly order.count, or none with an error
    int rejected = 0;              // drawn candidates that failed a check, stopped, or repeated one
    std::optional<std::string> error;
    bool tooFew = false; // the error is that the draws gave fewer than order.count (not the request)
};

// Draws candidates around `base` (a case as read) until order.count distinct buildable ones are
// found, at most 100 draws per variant. Each is written as a case file with a slot for the
// student's name in NAME, read back and calculated exactly as --summary will.
VariantsResult MakeVariants(const ProgramState& base, const VariantsOrder& order);

// Writes the variants into `folder` (made when missing). A folder that already holds case files is
// refused, so an earlier class is never overwritten. The message on failure, none on success.
std::optional<std::string> WriteVariants(const std::vector<Variant>& variants, const std::string& folder);

} // namespace radirav
