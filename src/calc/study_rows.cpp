#include "calc/study_rows.h"

#include "model/checks.h"
#include "model/param_codes.h"

#include <algorithm>
#include <cmath>
#include <numeric>

namespace radirav {

namespace {

// Where the results table keeps Ea, the Murphree efficiency with entrainment, of the feed tray.
constexpr int kEaRow = 14, kFeedColumn = 2;

// An edge between a working and a failing value is halved this many times: 2^-14, a
// ten-thousandth of the distance between the rows.
constexpr int kEdgeBisections = 14;

// The value as the state holds it: parameters in single precision.
double Applied(StudiedInput input, double value) {
    return input.kind == StudiedKind::Parameter ? static_cast<double>(static_cast<float>(value)) : value;
}

ColumnOptions StudyOptions() {
    ColumnOptions options;
    options.explainTrayLimit = false; // a row names its stop, not the minimum reflux behind it
    return options;
}

StudyRow RowOf(double value, const ColumnResult& result) {
    StudyRow row;
    row.value = value;
    row.stop = result.stop;
    row.cause = result.reason.cause;
    if (!row.Works())
        return row;
    row.trays = result.requiredTrays;
    row.feed = result.feedTray;
    if (row.feed > 0)
        row.feedEfficiency = result.trayResults(kEaRow, kFeedColumn);
    row.warnings = static_cast<int>(result.warnings.size());
    return row;
}

// Calculates columns of one case with the input set, on a copy of the state made once.
class StudyColumns {
public:
    StudyColumns(const ProgramState& state, StudiedInput input) : copy_(state), input_(input) {}

    StudyRow Row(double value) {
        SetStudiedValue(copy_, input_, value);
        return RowOf(value, CalculateColumn(copy_, options_));
    }

    // The working value nearest the failing one, by bisection between them.
    double Edge(double working, double failing) {
        for (int i = 0; i < kEdgeBisections; ++i) {
            const double middle = 0.5 * (working + failing);
            if (Applied(input_, middle) == Applied(input_, working) ||
                Applied(input_, middle) == Applied(input_, failing))
                break; // no value left between them
            (Row(middle).Works() ? working : failing) = middle;
        }
        return working;
    }

private:
    ProgramState copy_;
    StudiedInput input_;
    ColumnOptions options_ = StudyOptions();
};

} // namespace

const char* TrayTypeOfValue(double value) {
    return value == kSieveValue ? "S" : "K";
}

double ValueOfTrayType(std::string_view trayType) {
    return trayType == "S" ? kSieveValue : kBubbleCapValue;
}

std::optional<StudiedInput> StudiedInputOfKey(std::string_view key) {
    if (key == "ALFA")
        return StudiedInput{StudiedKind::Alfa, 0};
    if (key == "TRAY")
        return StudiedInput{StudiedKind::TrayType, 0};
    if (const int index = ParamIndexOfKey(key); index > 0)
        return StudiedInput{StudiedKind::Parameter, index};
    return std::nullopt;
}

std::string_view KeyOfStudiedInput(StudiedInput input) {
    switch (input.kind) {
    case StudiedKind::Alfa:
        return "ALFA";
    case StudiedKind::TrayType:
        return "TRAY";
    case StudiedKind::Parameter:
        break;
    }
    return ParamKey(input.index);
}

bool IsStudiedInputRead(const ProgramState& state, StudiedInput input) {
    return input.kind != StudiedKind::Alfa || state.EquilibriumKind == kKindConstantAlfa;
}

double StudentValue(const ProgramState& state, StudiedInput input) {
    switch (input.kind) {
    case StudiedKind::Alfa:
        return state.Alfa.value_or(0.0);
    case StudiedKind::TrayType:
        return ValueOfTrayType(state.TrayType);
    case StudiedKind::Parameter:
        break;
    }
    return state.InputParams[input.index].Value;
}

void SetStudiedValue(ProgramState& state, StudiedInput input, double value) {
    switch (input.kind) {
    case StudiedKind::Alfa:
        state.Alfa = value;
        return;
    case StudiedKind::TrayType:
        state.TrayType = TrayTypeOfValue(value);
        return;
    case StudiedKind::Parameter:
        state.InputParams[input.index].Value = static_cast<float>(value);
        return;
    }
}

bool PassesInputCheck(const ProgramState& state, StudiedInput input, double value) {
    switch (input.kind) {
    case StudiedKind::Alfa:
        return IsAlfaInRange(value);
    case StudiedKind::TrayType:
        return value == kBubbleCapValue || value == kSieveValue;
    case StudiedKind::Parameter:
        break;
    }
    ProgramState copy = state;
    SetStudiedValue(copy, input, value);
    return CheckGroupOf(copy, input.index) == 0;
}

std::vector<double> EvenValues(double from, double to, int count) {
    std::vector<double> values;
    for (int i = 0; i < count; ++i)
        values.push_back(i == 0 ? from : i == count - 1 ? to : from + (to - from) * i / (count - 1));
    return values;
}

std::vector<double> LogValues(double from, double to, int count) {
    std::vector<double> values = EvenValues(std::log(from), std::log(to), count);
    for (std::size_t i = 0; i < values.size(); ++i)
        values[i] = i == 0 ? from : i + 1 == values.size() ? to : std::exp(values[i]);
    return values;
}

ColumnResult CalculateWith(const ProgramState& state, StudiedInput input, double value) {
    ProgramState copy = state;
    SetStudiedValue(copy, input, value);
    return CalculateColumn(copy);
}

std::vector<StudyRow> StudyRows(const ProgramState& state, StudiedInput input,
                                const std::vector<double>& values) {
    StudyColumns columns(state, input);
    std::vector<StudyRow> rows;
    rows.reserve(values.size());
    for (const double value : values)
        rows.push_back(columns.Row(value));
    return rows;
}

std::vector<ValueRange> FindWorkingRanges(const ProgramState& state, StudiedInput input,
                                          const std::vector<StudyRow>& rows) {
    std::vector<std::size_t> order(rows.size());
    std::iota(order.begin(), order.end(), std::size_t{0});
    std::stable_sort(order.begin(), order.end(),
                     [&](std::size_t a, std::size_t b) { return rows[a].value < rows[b].value; });
    std::vector<ValueRange> pieces;
    if (input.kind == StudiedKind::TrayType) {
        for (const std::size_t i : order) {
            if (rows[i].Works() && (pieces.empty() || pieces.back().to != rows[i].value))
                pieces.push_back({rows[i].value, rows[i].value});
        }
        return pieces;
    }
    StudyColumns columns(state, input);
    const StudyRow* previous = nullptr;
    bool open = false;
    for (const std::size_t i : order) {
        const StudyRow& row = rows[i];
        if (row.Works() && !open) {
            const bool edge = previous != nullptr && previous->value < row.value;
            pieces.push_back({edge ? columns.Edge(row.value, previous->value) : row.value, row.value});
            open = true;
        } else if (row.Works()) {
            pieces.back().to = row.value;
        } else if (open) {
            if (pieces.back().to < row.value)
                pieces.back().to = columns.Edge(pieces.back().to, row.value);
            open = false;
        }
        previous = &row;
    }
    return pieces;
}

} // namespace radirav
