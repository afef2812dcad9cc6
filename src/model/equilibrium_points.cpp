#include "model/equilibrium_points.h"

#include "model/text.h"
#include "model/val.h"

#include <cmath>
#include <utility>

namespace radirav {

namespace {

bool OutsideUnitRange(float value) {
    return value > 1.0f || value < 0.0f;
}

void EnterCoordinate(std::string& text, float& value, std::string_view answer) {
    text = NormalizeDecimalText(answer);
    value = ToSingle(Val(text));
    if (OutsideUnitRange(value))
        text = kOutOfRangeMarker;
}

// The single-precision constant nearest 1e-11: x or 1 - y this small has no relative volatility.
bool NearZero(float value) {
    return std::fabs(value) <= 1e-11f;
}

bool HasMarkedCoordinate(const ProgramState& state, int i) {
    return state.EqXText[i] == kOutOfRangeMarker || state.EqYText[i] == kOutOfRangeMarker ||
           OutsideUnitRange(state.EqX[i]) || OutsideUnitRange(state.EqY[i]);
}

std::string Caption(int rule, int point) {
    const std::string i = std::to_string(point);
    const std::string before = std::to_string(point - 1);
    switch (rule) {
    case 1:
        return " ОШИБКА :     X[" + i + "] < X[" + before + "] или X[" + i + "] = 0";
    case 2:
        return " ОШИБКА :     Y[" + i + "] < Y[" + before + "] или Y[" + i + "] = 0";
    case 3:
        return " ОШИБКА :      Y[" + i + "] < X[" + i + "]";
    case 4:
        return " ОШИБКА :     X[" + i + "] >= 1 или Y[" + i + "] > = 1";
    default:
        return " ОШИБКА :     X[" + i + "] = 0 или Y[" + i + "] = 1";
    }
}

void MovePoint(ProgramState& state, int from, int to) {
    state.EqX[to] = state.EqX[from];
    state.EqY[to] = state.EqY[from];
    state.EqXText[to] = state.EqXText[from];
    state.EqYText[to] = state.EqYText[from];
    state.EqAlfa[to] = state.EqAlfa[from];
    state.EqAlfaText[to] = state.EqAlfaText[from];
}

} // namespace

void EnterPointX(ProgramState& state, int index, std::string_view answer) {
    EnterCoordinate(state.EqXText[index], state.EqX[index], answer);
}

void EnterPointY(ProgramState& state, int index, std::string_view answer) {
    EnterCoordinate(state.EqYText[index], state.EqY[index], answer);
}

void ComputePointAlfa(ProgramState& state, int i) {
    const float x = state.EqX[i];
    const float y = state.EqY[i];
    if (NearZero(y - 1.0f) || NearZero(x)) {
        state.EqAlfaText[i] = kNoAlfaMarker;
        return;
    }
    // alpha = (1 - x) y / x / (1 - y), stored in single precision
    const double xd = x, yd = y;
    state.EqAlfa[i] = ToSingle((1.0 - xd) * yd / xd / (1.0 - yd));
    state.EqAlfaText[i] = FormatShortSingle(state.EqAlfa[i]);
}

void SortPointsAndComputeAlfa(ProgramState& state) {
    const int n = state.EqPointCount;
    for (int i = 1; i <= n; ++i) {
        for (int j = i; j <= n; ++j) {
            if (!(state.EqX[j] >= state.EqX[i])) {
                std::swap(state.EqX[i], state.EqX[j]);
                std::swap(state.EqY[i], state.EqY[j]);
                std::swap(state.EqXText[i], state.EqXText[j]);
                std::swap(state.EqYText[i], state.EqYText[j]);
            }
        }
    }
    for (int i = 1; i <= n; ++i) {
        ComputePointAlfa(state, i);
        if (OutsideUnitRange(state.EqX[i]))
            state.EqXText[i] = kOutOfRangeMarker;
        if (OutsideUnitRange(state.EqY[i]))
            state.EqYText[i] = kOutOfRangeMarker;
    }
}

void RereadPointTexts(ProgramState& state) {
    for (int i = 1; i <= state.EqPointCount; ++i) {
        state.EqX[i] = ToSingle(Val(state.EqXText[i]));
        state.EqY[i] = ToSingle(Val(state.EqYText[i]));
    }
}

PointCheck CheckEquilibriumPoints(ProgramState& state) {
    state.InputError = false;
    const int n = state.EqPointCount;
    auto fail = [&state](int point, int rule) {
        state.InputError = true;
        return PointCheck{static_cast<std::uint8_t>(point), rule, Caption(rule, point)};
    };
    // The ordering rules start at point 2 and a marked coordinate re-reads as 0, so a first point
    // outside 0..1 would pass them with an ALFA computed from its typed number: it fails here.
    for (int i = 1; i <= n; ++i) {
        if (state.EqAlfaText[i] == kNoAlfaMarker || (i == 1 && HasMarkedCoordinate(state, 1)))
            return fail(i, 5);
    }
    // The vapour of the first point is held to y >= x as every other one's is: a first point
    // under the diagonal would give a volatility below 1 at the bottom of the column.
    if (n >= 1 && state.EqY[1] < state.EqX[1])
        return fail(1, 3);
    for (int i = 2; i <= n; ++i) {
        if (!(state.EqX[i] > state.EqX[i - 1]))
            return fail(i, 1);
        if (!(state.EqY[i] > state.EqY[i - 1]))
            return fail(i, 2);
        if (state.EqY[i] < state.EqX[i])
            return fail(i, 3);
        if (!(state.EqX[i] < 1.0f && state.EqY[i] < 1.0f))
            return fail(i, 4);
    }
    return {};
}

bool InsertPoint(ProgramState& state, std::string_view xAnswer, std::string_view yAnswer) {
    if (state.EqPointCount >= kMaxEqPoints)
        return false;
    const int n = ++state.EqPointCount;
    StorePointCell(state, n, PointColumn::X, xAnswer, true);
    StorePointCell(state, n, PointColumn::Y, yAnswer, true);
    ComputePointAlfa(state, n);
    return true;
}

void RemovePoint(ProgramState& state, int index) {
    const int n = state.EqPointCount;
    if (index < 1 || index > n)
        return;
    for (int i = index; i < n; ++i)
        MovePoint(state, i + 1, i);
    state.EqPointCount = n - 1;
}

bool StorePointCell(ProgramState& state, int row, PointColumn column, std::string_view text, bool normalize) {
    if (row < 1 || row > state.EqPointCount || column == PointColumn::None)
        return false;
    std::string& target = column == PointColumn::X ? state.EqXText[row] : state.EqYText[row];
    float& value = column == PointColumn::X ? state.EqX[row] : state.EqY[row];
    target = normalize ? NormalizeDecimalText(text) : std::string(text);
    value = ToSingle(Val(target));
    return true;
}

} // namespace radirav
