#pragma once

#include "model/program_state.h"

#include <cstdint>
#include <string>
#include <string_view>

// The tabulated equilibrium: points (x, y) of liquid and vapour mole fractions of the more
// volatile component, their relative volatilities and the rules an accepted table obeys.
// Invariant: a coordinate's number equals Val of its text, except that a coordinate outside
// 0..1 shows the out-of-range marker while keeping its typed number until the texts are re-read.
namespace radirav {

// A coordinate outside 0..1 shows as this marker; re-read, it counts as 0.
inline constexpr const char* kOutOfRangeMarker = "   ???";
// The ALFA of a point with x = 0 or y = 1, where the relative volatility has no value.
inline constexpr const char* kNoAlfaMarker = " ???";

// The two coordinate columns of the point table (0: no column).
enum class PointColumn : std::uint8_t { None = 0, X = 1, Y = 2 };

// Point `index` from a typed answer: NormalizeDecimalText, Val, the marker outside 0..1.
void EnterPointX(ProgramState& state, int index, std::string_view answer);
void EnterPointY(ProgramState& state, int index, std::string_view answer);

// Relative volatility alpha = (1 - x) y / x / (1 - y) of point `index` into EqAlfa/EqAlfaText;
// kNoAlfaMarker when x = 0 or y = 1 (EqAlfa then unchanged).
void ComputePointAlfa(ProgramState& state, int index);

// Exchange sort of the points by ascending x (texts move with numbers), then every point's
// ALFA afresh and the out-of-range marker on coordinates outside 0..1.
void SortPointsAndComputeAlfa(ProgramState& state);

// Re-reads EqX/EqY from their texts, as the check screen does (a marked coordinate counts as 0).
void RereadPointTexts(ProgramState& state);

struct PointCheck {
    std::uint8_t point = 0; // failing point number, 0 when all rules pass
    int rule = 0;           // 1..5, see the captions
    std::string caption;    // the message line of the check screen
};

// The table rules, first failure wins: a point without ALFA, or a first point with a coordinate
// outside 0..1, fails rule 5; then for each later point, x and y strictly increasing (1, 2),
// y not below x (3), both below 1 (4). Sets or clears InputError; changes no data.
PointCheck CheckEquilibriumPoints(ProgramState& state);

// The editor's "add a point": point N + 1 from the typed x and y (normalised, no marker yet; the
// next sort places and marks it) with its ALFA. False, and nothing changed, at kMaxEqPoints.
bool InsertPoint(ProgramState& state, std::string_view xAnswer, std::string_view yAnswer);

// Removes point `index`: the points after it move down one place and the count drops by one.
// Nothing happens for an index outside 1..N; keeping at least 8 points is the caller's rule.
void RemovePoint(ProgramState& state, int index);

// Stores a picked cell of the editor table: text into EqXText/EqYText, its Val into EqX/EqY.
// `normalize` passes the text through NormalizeDecimalText first (Enter does, a click does not).
// False, and nothing stored, for a row outside 1..N or no column.
bool StorePointCell(ProgramState& state, int row, PointColumn column, std::string_view text, bool normalize);

} // namespace radirav
