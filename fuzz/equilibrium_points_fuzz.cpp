// Fuzz target: 0..25 arbitrary typed (x, y) answers entered as equilibrium points (the table
// holds 20; more are refused at entry), sorted with their ALFA, re-read and checked like the
// check screen does; an accepted table of 8..20 points is calculated. Sorting keeps texts with
// their numbers, an accepted table obeys every rule, and no result is ever a non-finite number.

#include "fuzz_checks.h"

#include "calc/column.h"
#include "model/equilibrium_points.h"
#include "model/point_entry.h"
#include "model/sample_data.h"
#include "model/text.h"
#include "model/val.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <algorithm>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace {

using radirav::ProgramState;
using radirav::fuzz::CheckPhysicalTrays;
using radirav::fuzz::CodePoints;
using radirav::fuzz::IsValidUtf8;
using radirav::fuzz::Require;

bool Outside01(float value) {
    return value > 1.0f || value < 0.0f;
}

void CheckSorted(const ProgramState& state, bool typedValidUtf8) {
    const int n = state.EqPointCount;
    for (int i = 1; i <= n; ++i) {
        Require(i == 1 || state.EqX[i - 1] <= state.EqX[i], "points sorted by ascending x");
        for (const auto& [text, value] :
             {std::pair{state.EqXText[i], state.EqX[i]}, {state.EqYText[i], state.EqY[i]}}) {
            if (Outside01(value))
                Require(text == radirav::kOutOfRangeMarker, "a coordinate outside 0..1 shows the marker");
            else
                Require(radirav::ToSingle(radirav::Val(text)) == value, "a text moves with its number");
            Require(!typedValidUtf8 || IsValidUtf8(text), "point texts stay valid UTF-8");
        }
        const bool noAlfa = std::fabs(state.EqY[i] - 1.0f) <= 1e-11f || std::fabs(state.EqX[i]) <= 1e-11f;
        if (noAlfa)
            Require(state.EqAlfaText[i] == radirav::kNoAlfaMarker, "x = 0 or y = 1 has no ALFA");
        else
            Require(state.EqAlfaText[i] == radirav::FormatShortSingle(state.EqAlfa[i]),
                    "the ALFA text shows the point's ALFA");
    }
}

// The text of `line` from code point `skip` on.
std::string_view FromCodePoint(std::string_view line, std::size_t skip) {
    std::size_t at = 0;
    for (std::size_t seen = 0; at < line.size(); ++at) {
        if ((static_cast<unsigned char>(line[at]) & 0xC0U) != 0x80U && seen++ == skip)
            break;
    }
    return line.substr(at);
}

// The typing list and the check screen rows: valid text, columns where they are promised.
void CheckPointLines(const ProgramState& state, bool typedValidUtf8) {
    for (int i = 1; i <= state.EqPointCount; ++i) {
        const std::string number = std::to_string(i);
        const std::string list = radirav::PointListLine(state, i);
        const std::string row = radirav::PointCheckRow(state, i);
        if (!typedValidUtf8)
            continue;
        Require(IsValidUtf8(list) && IsValidUtf8(row), "point lines are valid UTF-8");
        if (CodePoints(state.EqXText[i]) <= 50)
            Require(FromCodePoint(list, 5 + number.size() + 2 + 50).starts_with("Y[" + number + "]="),
                    "the typing list puts y in its column");
        const std::size_t sx = 5 + number.size() + 5 + CodePoints(state.EqXText[i]);
        const std::size_t sy = 5 + number.size() + 5 + CodePoints(state.EqYText[i]);
        if (sx <= 20)
            Require(FromCodePoint(row, 30).starts_with(" Y [ " + number + " ] = "),
                    "y starts at character 31");
        if (sx <= 20 && sy <= 20)
            Require(FromCodePoint(row, 60).starts_with(" ALFA [ " + number + " ] = "),
                    "ALFA starts at character 61");
    }
}

void CheckCount(const std::string& answer) {
    const std::optional<int> count = radirav::PointCountFromAnswer(answer);
    if (!count)
        return;
    Require(*count >= 8 && *count <= 20, "an accepted point count is 8..20");
    const double typed = radirav::Val(radirav::NormalizeDecimalText(answer));
    Require(std::fabs(typed - *count) <= 0.5, "the count is the typed number rounded");
}

void CheckAccepted(const ProgramState& state) {
    const int n = state.EqPointCount;
    Require(!state.InputError, "an accepted table clears InputError");
    for (int i = 1; i <= n; ++i) {
        Require(state.EqAlfaText[i] != radirav::kNoAlfaMarker, "every accepted point has an ALFA");
        Require(state.EqX[i] >= 0.0f && state.EqY[i] >= 0.0f, "accepted points are not negative");
        Require(state.EqXText[i] != radirav::kOutOfRangeMarker &&
                    state.EqYText[i] != radirav::kOutOfRangeMarker,
                "no accepted coordinate was typed outside 0..1");
        if (i == 1)
            continue;
        Require(state.EqX[i] > state.EqX[i - 1] && state.EqY[i] > state.EqY[i - 1],
                "x and y strictly increase");
        Require(state.EqY[i] >= state.EqX[i], "y is not below x");
        Require(state.EqX[i] < 1.0f && state.EqY[i] < 1.0f, "x and y stay below 1");
    }
}

void CheckCalculation(ProgramState& state) {
    const radirav::ColumnResult result = radirav::CalculateAndStore(state);
    Require(state.InputError == (result.stop != radirav::CalcStop::None),
            "InputError after every stop, only then");
    for (int i = 1; i <= radirav::kResultRows; ++i)
        for (int j = 1; j <= radirav::kResultColumns; ++j)
            Require(std::isfinite(state.TrayResults(i, j)), "never a non-finite number in a result");
    if (result.stop != radirav::CalcStop::None)
        return;
    Require(state.RequiredTrays >= 1 && state.RequiredTrays < radirav::kMaxTrays,
            "a finished column has 1..299 trays");
    Require(state.FeedTray >= 0 && state.FeedTray < state.RequiredTrays, "the feed tray lies below the top");
    CheckPhysicalTrays(result.trays);
    Require(state.Alfa && std::isfinite(*state.Alfa) && *state.Alfa > 0,
            "the last tray's volatility is positive");
    for (int j = 1; j <= radirav::kResultColumns; ++j) {
        if (j == 2 && state.FeedTray == 0)
            continue;
        Require(state.TrayResults(6, j) > 0, "every shown tray has a positive volatility");
        for (const int row : {9, 10, 11, 12, 13}) // NL, NG, NOG, EOG, EMV
            Require(state.TrayResults(row, j) >= 0, "transfer units and efficiencies are not negative");
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider in(data, size);
    ProgramState state;
    radirav::LoadSampleData(state);
    state.TrayType = in.ConsumeBool() ? "K" : "S";
    const int typed = in.ConsumeIntegralInRange<int>(0, 25);
    const int n = std::min(typed, radirav::kMaxEqPoints);
    bool validUtf8 = true;
    for (int i = 1; i <= typed; ++i) {
        const std::string x = in.ConsumeRandomLengthString(40);
        const std::string y = in.ConsumeRandomLengthString(40);
        validUtf8 = validUtf8 && IsValidUtf8(x) && IsValidUtf8(y);
        if (i == 1)
            CheckCount(x); // any answer, also as the count of pairs
        if (i > n)
            continue;
        radirav::EnterPointX(state, i, x);
        radirav::EnterPointY(state, i, y);
        radirav::ComputePointAlfa(state, i);
    }
    state.EqPointCount = n;

    radirav::SortPointsAndComputeAlfa(state);
    CheckSorted(state, validUtf8);
    CheckPointLines(state, validUtf8);
    radirav::RereadPointTexts(state);
    const radirav::PointCheck check = radirav::CheckEquilibriumPoints(state);
    if (check.point != 0) {
        Require(state.InputError && check.point <= n && check.rule >= 1 && check.rule <= 5,
                "a failed check names a point and a rule");
        Require(IsValidUtf8(check.caption), "the check caption is valid UTF-8");
        return 0;
    }
    CheckAccepted(state);
    if (n < 8)
        return 0; // entry accepts 8 to 20 points
    state.EquilibriumKind = n;
    state.TableMode = state.PointsEntered = true;
    CheckCalculation(state);
    return 0;
}
