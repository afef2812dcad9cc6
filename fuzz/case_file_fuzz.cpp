// Fuzz target: a case file from arbitrary bytes, read and checked, calculated, and written as
// the report text, the JSON summary and the diagram's lines. A read file passes the checks; a calculation
// ends in one of its stops with its results finite; the JSON parses back; no number reads nan or inf.

#include "fuzz_checks.h"

#include "calc/column.h"
#include "calc_output.h"
#include "model/case_file.h"
#include "model/checks.h"
#include "report/column_diagram.h"
#include "report/results_text.h"
#include "report/stop_text.h"

#include <nlohmann/json.hpp>

#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <set>
#include <sstream>
#include <string>
#include <vector>

namespace {

using radirav::fuzz::CheckPhysicalTrays;
using radirav::fuzz::IsValidUtf8;
using radirav::fuzz::Require;
using radirav::fuzz::SpellsNonFinite;

// Rows of TrayResults (w, F, q, h, tau, lambda, Pe, Sc, NL, NG, NOG, EOG, EMV, Ea) and what a
// physical tray allows for each; a value outside is accepted by the model but looks absurd.
// (Negative transfer units and efficiencies are no longer accepted: they are checked below.)
struct PhysicalBound {
    int row;
    const char* what;
    bool (*allowed)(float);
};
constexpr PhysicalBound kBounds[] = {
    {1, "vapour velocity w <= 0", [](float v) { return v > 0; }},
    {3, "weir load q <= 0", [](float v) { return v > 0; }},
    {4, "clear liquid height h <= 0", [](float v) { return v > 0; }},
    {4, "clear liquid height h below 1 mm", [](float v) { return v >= 0.001f; }},
    {5, "residence time tau <= 0", [](float v) { return v > 0; }},
    {8, "Schmidt number Sc <= 0", [](float v) { return v > 0; }},
    {13, "Murphree efficiency EMV > 1", [](float v) { return v <= 1; }},
    {14, "efficiency with entrainment Ea > 1", [](float v) { return v <= 1; }},
};

// With RADIRAV_FUZZ_ABSURD=dir set, the first input of each kind of absurd-but-accepted result
// is written there, to be judged by hand.
void RecordAbsurd(const radirav::ProgramState& state, const std::string& input) {
    const char* dir = std::getenv("RADIRAV_FUZZ_ABSURD");
    if (dir == nullptr)
        return;
    static std::set<std::string> seen; // one input per kind is enough
    for (const PhysicalBound& bound : kBounds) {
        for (int column = 1; column <= radirav::kResultColumns; ++column) {
            const float value = state.TrayResults(bound.row, column);
            if (bound.allowed(value) || (value == 0 && column == 2 && state.FeedTray == 0))
                continue;
            if (seen.insert(bound.what).second) {
                std::ofstream(std::string(dir) + "/" + std::to_string(bound.row) + "-" +
                              std::to_string(seen.size()) + ".case")
                    << input;
                std::fprintf(stderr, "absurd but accepted: %s (%g in column %d)\n", bound.what,
                             static_cast<double>(value), column);
            }
        }
    }
}

void CheckJson(const std::string& text, radirav::CalcStop stop) {
    Require(!SpellsNonFinite(text), "the JSON never reads nan or inf");
    const auto json = nlohmann::json::parse(text, nullptr, false);
    Require(!json.is_discarded(), "the JSON parses back");
    Require(json.at("results").size() == radirav::kResultRows, "fourteen result rows");
    for (const auto& row : json.at("results")) {
        Require(row.size() == radirav::kResultColumns, "three result columns");
        for (const auto& cell : row)
            Require(stop != radirav::CalcStop::None || cell.is_number(),
                    "a finished column has every number");
    }
    Require(json.at("error").is_null() == (stop == radirav::CalcStop::None),
            "error null exactly after a normal end");
}

// The diagram window's lines of a finished column: every point finite, a step pair per tray.
void CheckDiagram(const radirav::ProgramState& state, const radirav::ColumnResult& result) {
    const std::vector<radirav::TrayRecord>& profile = result.trays;
    Require(profile.size() == static_cast<std::size_t>(state.RequiredTrays), "a profile record per tray");
    const radirav::ColumnDiagram d = radirav::BuildColumnDiagram(state, result);
    for (const radirav::Polyline* line : {&d.equilibrium, &d.tablePoints, &d.pseudoEquilibrium,
                                          &d.rectifyingLine, &d.strippingLine, &d.feedLine, &d.steps})
        for (const radirav::PlotPoint& p : *line)
            Require(std::isfinite(p.x) && std::isfinite(p.y), "every point of the diagram is finite");
    Require(d.steps.size() == 2 * profile.size(), "the steps turn twice per tray");
    Require(d.feedStep.has_value() == (state.FeedTray > 0), "the feed step marks the feed tray");
}

void CheckCalculation(radirav::ProgramState& state, const std::string& input) {
    using radirav::CalcStop;
    const radirav::ColumnResult result = radirav::CalculateAndStore(state);
    Require((result.stop == CalcStop::None) == radirav::StopReasonText(result.reason).empty(),
            "every stop and only a stop says why");
    Require(state.InputError == (result.stop != CalcStop::None), "InputError after every stop, only then");
    Require(result.stop != CalcStop::TrayLimit || state.RequiredTrays == radirav::kMaxTrays,
            "the tray limit reports 300 trays");
    CheckJson(radirav::ResultJson(state, result), result.stop);
    if (result.stop != CalcStop::None)
        return;
    CheckPhysicalTrays(result.trays);

    Require(state.RequiredTrays >= 1 && state.RequiredTrays < radirav::kMaxTrays,
            "a finished column has 1..299 trays");
    Require(state.FeedTray >= 0 && state.FeedTray < state.RequiredTrays, "the feed tray lies below the top");
    for (int i = 1; i <= radirav::kResultRows; ++i)
        for (int j = 1; j <= radirav::kResultColumns; ++j)
            Require(std::isfinite(state.TrayResults(i, j)), "a finished column has finite results");
    for (int j = 1; j <= radirav::kResultColumns; ++j) {
        if (j == 2 && state.FeedTray == 0)
            continue; // no feed tray: its column stays empty
        // lambda = alpha V / L k^2 is positive exactly when the volatility is.
        Require(state.TrayResults(6, j) > 0, "every shown tray has a positive volatility");
        Require(state.TrayResults(1, j) > 0, "every shown column holds a tray with vapour flow");
        for (const int row : {9, 10, 11, 12, 13}) // NL, NG, NOG, EOG, EMV
            Require(state.TrayResults(row, j) >= 0, "transfer units and efficiencies are not negative");
        Require(state.TrayResults(12, j) <= 1, "the point efficiency is at most 1");
    }
    const radirav::MaterialBalance& mb = result.balance;
    for (const float v : {mb.P, mb.W, mb.xP, mb.xW, mb.b, mb.ys})
        Require(std::isfinite(v), "a finished column has a finite balance");

    for (const std::string& line : radirav::ResultsTableLines(state))
        Require(!SpellsNonFinite(line) && IsValidUtf8(line), "the results table shows numbers");
    const std::string report = radirav::ReportText(state, "07 декабря 2026г.        14:35:12");
    Require(!IsValidUtf8(input) || IsValidUtf8(report), "a report of a valid UTF-8 file is valid UTF-8");
    CheckDiagram(state, result);
    RecordAbsurd(state, input);
}

// The state written as case text reads back to the same input.
void CheckWrittenBack(const radirav::ProgramState& state) {
    const radirav::CaseFileResult again = radirav::ReadCaseText(radirav::FormatCaseFile(state), "again.case");
    Require(!again.error, "a written case reads back");
    const radirav::ProgramState& back = again.state;
    for (int i = 1; i <= radirav::param::kCount; ++i)
        Require(back.InputParams[i].Value == state.InputParams[i].Value, "every value reads back");
    Require(back.TrayType == state.TrayType && back.EquilibriumKind == state.EquilibriumKind,
            "tray type and equilibrium kind read back");
    Require(back.StudentName == state.StudentName && back.SystemName == state.SystemName, "names read back");
    Require(back.Alfa == state.Alfa && back.AntoineValues == state.AntoineValues,
            "ALFA and Antoine read back");
    Require(back.EqPointCount == state.EqPointCount, "the point count reads back");
    for (int i = 1; i <= state.EqPointCount; ++i)
        Require(back.EqX[i] == state.EqX[i] && back.EqY[i] == state.EqY[i] &&
                    back.EqAlfa[i] == state.EqAlfa[i],
                "every point reads back");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string input(reinterpret_cast<const char*>(data), size);
    std::istringstream in(input);
    radirav::CaseFileResult loaded = radirav::ReadCaseFile(in, "fuzz.case");
    if (loaded.error) {
        Require(loaded.error->starts_with("fuzz.case"), "a fault names the file");
        Require(loaded.error->find('\n') == std::string::npos, "a fault is one line");
        return 0;
    }
    radirav::ProgramState& state = loaded.state;
    CheckWrittenBack(state);
    Require(radirav::CheckGeneralParams(state) == 0 && radirav::CheckRectifyingParams(state) == 0 &&
                radirav::CheckStrippingParams(state) == 0,
            "a read case passes the parameter checks");
    Require(state.TrayType == "K" || state.TrayType == "S", "a read case has a tray type");
    CheckCalculation(state, input);
    return 0;
}
