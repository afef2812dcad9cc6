#include "report/study_text.h"

#include "model/checks.h"
#include "model/message_text.h"
#include "model/param_codes.h"
#include "model/text.h"
#include "report/report_text.h"
#include "report/stop_message.h"
#include "report/stop_text.h"

#include <charconv>
#include <cmath>
#include <cstdio>

namespace radirav {

namespace {

// The shortest decimal that reads back to the same value of its own precision, without an
// exponent over the magnitudes a study's values take: 100000 rather than 1e+05.
template <typename Real> std::string Shortest(Real value) {
    char text[64];
    const Real magnitude = std::fabs(value);
    const bool plain = magnitude == 0 || (magnitude >= Real(1e-9) && magnitude < Real(1e12));
    const auto end = plain ? std::to_chars(text, text + sizeof text, value, std::chars_format::fixed).ptr
                           : std::to_chars(text, text + sizeof text, value).ptr;
    return {text, end};
}

// "значение", "значения" or "значений" after `count`.
std::string ValuesWord(std::size_t count) {
    const std::size_t tens = count % 100, units = count % 10;
    if (tens < 11 || tens > 14) {
        if (units == 1)
            return "значение";
        if (units >= 2 && units <= 4)
            return "значения";
    }
    return "значений";
}

const char* TrayAdjective(double value) {
    return value == kSieveValue ? "ситчатыми" : "колпачковыми";
}

// A bound of a working piece: as its row shows it when it is one, else to four digits.
std::string BoundText(const InputStudy& study, double value) {
    for (const StudyRow& row : study.rows) {
        if (row.value == value)
            return StudyValueText(study.input, value);
    }
    return FourDigits(value);
}

std::string JoinedWithAnd(const std::vector<std::string>& parts) {
    std::string text;
    for (std::size_t i = 0; i < parts.size(); ++i)
        text += (i == 0 ? "" : i + 1 == parts.size() ? " и " : ", ") + parts[i];
    return text;
}

std::string TrayWorkingText(const InputStudy& study) {
    std::vector<std::string> working, failing;
    for (const StudyRow& row : study.rows)
        (row.Works() ? working : failing).push_back(TrayAdjective(row.value));
    if (working.empty() && failing.size() > 1)
        return "колонна не работает ни с " + failing[0] + ", ни с " + failing[1] + " тарелками";
    if (working.empty())
        return "колонна не работает с " + JoinedWithAnd(failing) + " тарелками";
    return std::string("колонна работает ") + (failing.empty() ? "с " : "только с ") +
           JoinedWithAnd(working) + " тарелками";
}

// The range of the input described with the values it is held against: "0 < XF < 1, XW < XF <=
// XP (XW = 0.0006, XP = 0.95)".
std::string RangeWithOrder(const ProgramState& state, int index) {
    using namespace param;
    const auto typed = [&](int i) {
        return std::string(ParamKey(i)) + " = " + ShortenForMessage(state.InputValueTexts[i]);
    };
    const std::string range = DescribeParamRange(index);
    if (index == kXF)
        return range + ", XW < XF <= XP (" + typed(kXW) + ", " + typed(kXP) + ")";
    if (index == kXW || index == kXP)
        return range + " (" + typed(kXF) + ")";
    return range;
}

} // namespace

std::string StudiedInputLabel(const ProgramState& state, StudiedInput input) {
    switch (input.kind) {
    case StudiedKind::Alfa:
        return "ОТНОСИТЕЛЬНАЯ ЛЕТУЧЕСТЬ ALFA";
    case StudiedKind::TrayType:
        return "ТИП ТАРЕЛОК (K - колпачковые, S - ситчатые)";
    case StudiedKind::Parameter:
        break;
    }
    const std::string label = TrimBlanks(state.InputParams[input.index].Label);
    if (input.index >= param::kFirstStripping)
        return label + " (исчерпывающая часть)";
    if (input.index >= param::kFirstRectifying)
        return label + " (укрепляющая часть)";
    return label;
}

std::string StudyValueText(StudiedInput input, double value) {
    switch (input.kind) {
    case StudiedKind::Alfa:
        return Shortest(value);
    case StudiedKind::TrayType:
        return TrayTypeOfValue(value);
    case StudiedKind::Parameter:
        break;
    }
    return Shortest(static_cast<float>(value));
}

std::string FourDigits(double value) {
    if (value == 0.0 || !std::isfinite(value))
        return Shortest(value);
    const int decimals = std::max(0, 3 - static_cast<int>(std::floor(std::log10(std::fabs(value)))));
    char text[64];
    std::snprintf(text, sizeof text, "%.*f", decimals, value);
    std::string result = text;
    if (result.find('.') != std::string::npos) {
        result.erase(result.find_last_not_of('0') + 1);
        if (result.back() == '.')
            result.pop_back();
    }
    return result;
}

std::optional<std::string> StudyValueFault(const ProgramState& state, StudiedInput input, double value,
                                           std::string_view typed) {
    if (PassesInputCheck(state, input, value))
        return std::nullopt;
    const std::string key(KeyOfStudiedInput(input));
    std::string range;
    if (input.kind == StudiedKind::Alfa)
        range = kAlfaRangeText;
    else if (input.kind == StudiedKind::TrayType)
        return key + ": " + QuoteForMessage(typed) + ": нужно K (колпачковые) или S (ситчатые)";
    else if (IsParamInRange(input.index, static_cast<float>(value)))
        range = RangeWithOrder(state, input.index);
    else
        range = DescribeParamRange(input.index);
    if (!std::isfinite(value))
        return key + ": " + QuoteForMessage(typed) + " не число; допустимо " + range;
    return key + ": " + OutOfRangeText(typed, range);
}

std::string AlfaNotStudiedText(const ProgramState& state) {
    const int kind = state.EquilibriumKind.value_or(0);
    const std::string given =
        kind == kKindAntoine ? "константами Антуана" : std::to_string(kind) + " равновесными точками";
    return "ALFA: в варианте летучесть не постоянна (равновесие задано " + given +
           "); ALFA исследуется в варианте с ALFA = a";
}

std::string StudyTitle(const ProgramState& state, const InputStudy& study) {
    const StudiedInput input = study.input;
    std::string text = "исследование " + std::string(KeyOfStudiedInput(input)) + " - " +
                       StudiedInputLabel(state, input) + ": ";
    if (input.kind == StudiedKind::TrayType) {
        for (std::size_t i = 0; i < study.rows.size(); ++i)
            text += (i == 0 ? "" : ", ") + StudyValueText(input, study.rows[i].value);
    } else if (study.rows.size() == 1) {
        text += "1 значение: " + StudyValueText(input, study.rows.front().value);
    } else if (!study.rows.empty()) {
        text += std::to_string(study.rows.size()) + " " + ValuesWord(study.rows.size()) + " от " +
                StudyValueText(input, study.rows.front().value) + " до " +
                StudyValueText(input, study.rows.back().value);
    }
    return text + "; в варианте " + StudyValueText(input, study.studentValue);
}

std::string WorkingText(const InputStudy& study) {
    if (study.input.kind == StudiedKind::TrayType)
        return TrayWorkingText(study);
    const std::string key(KeyOfStudiedInput(study.input));
    const ValueRange searched = study.searched;
    std::string text;
    if (study.working.empty()) {
        text = "колонна не работает ни при одном значении " + key + " от " + BoundText(study, searched.from) +
               " до " + BoundText(study, searched.to);
        return text;
    }
    std::vector<std::string> pieces;
    for (const ValueRange& piece : study.working) {
        pieces.push_back(piece.from == piece.to
                             ? "= " + BoundText(study, piece.from)
                             : "от " + BoundText(study, piece.from) + " до " + BoundText(study, piece.to));
    }
    text = "колонна работает при " + key + " " + JoinedWithAnd(pieces);
    const ValueRange rows = {study.rows.empty() ? searched.from : study.rows.front().value,
                             study.rows.empty() ? searched.to : study.rows.back().value};
    if (searched.from < std::min(rows.from, rows.to) || searched.to > std::max(rows.from, rows.to))
        text += " (поиск от " + FourDigits(searched.from) + " до " + FourDigits(searched.to) + ")";
    return text;
}

std::string MinimumRefluxText(double minimumReflux) {
    return "минимальное флегмовое число " + FourDigits(minimumReflux) + " (асимптота числа тарелок)";
}

std::string OptimumText(const RefluxOptimum& optimum) {
    std::string text = "оптимальное флегмовое число " + FourDigits(optimum.R) +
                       " (наименьшее N·(R + 1) = " + FourDigits(optimum.traysTimesRefluxPlusOne) +
                       " при N = " + std::to_string(optimum.trays) + ")";
    if (optimum.ratioToMinimum)
        text += ", R/Rmin = " + FourDigits(*optimum.ratioToMinimum);
    return text;
}

std::string StudentRefluxText(double studentR, const RefluxOptimum& optimum) {
    const std::string own = "R варианта " + StudyValueText(kStudiedReflux, studentR);
    const double ratio = studentR / optimum.R;
    if (ratio >= 2.0)
        return own + " больше оптимального, R/Rопт = " + FourDigits(ratio);
    const long percent = std::lround(100.0 * std::fabs(ratio - 1.0));
    if (percent == 0)
        return own + " равно оптимальному";
    return own + " на " + std::to_string(percent) + " % " + (ratio > 1.0 ? "больше" : "меньше") +
           " оптимального";
}

std::string StudyChoiceText(const ProgramState& state, StudiedInput input) {
    return std::string(KeyOfStudiedInput(input)) + " — " + StudiedInputLabel(state, input);
}

std::string StudyValueMark(StudiedInput input, double value) {
    if (input.kind == StudiedKind::TrayType)
        return std::string("тарелки ") + (value == kSieveValue ? "ситчатые" : "колпачковые");
    return std::string(KeyOfStudiedInput(input)) + " = " + StudyValueText(input, value);
}

std::vector<std::string> StudyWords(const InputStudy& study) {
    if (study.input == kStudiedReflux && study.optimum)
        return {StudentRefluxText(study.studentValue, *study.optimum), OptimumText(*study.optimum)};
    return {WorkingText(study)};
}

std::vector<std::string> StudyColumnText(StudiedInput input, double value, const ColumnResult& column) {
    // A value between round ones reads to four digits; the student's own as typed.
    std::string mark = StudyValueMark(input, value);
    if (const std::string shown = StudyValueText(input, value);
        input.kind != StudiedKind::TrayType && shown.size() > 7)
        mark = std::string(KeyOfStudiedInput(input)) + " = " + FourDigits(value);
    mark += ": ";
    if (const std::optional<std::string> message = StopMessage(column.stop)) {
        std::vector<std::string> lines{mark + TrimBlanks(*message)};
        if (const std::string reason = StopReasonText(column.reason); !reason.empty())
            lines.push_back(reason);
        return lines;
    }
    const std::string feed =
        column.feedTray > 0 ? "питание на тарелке " + std::to_string(column.feedTray) : "тарелки питания нет";
    std::vector<std::string> lines{mark + "тарелок " + std::to_string(column.requiredTrays) + ", " + feed};
    const std::vector<std::string> warnings = WarningSentences(column.warnings);
    if (warnings.empty())
        lines.emplace_back("Замечаний по режиму тарелок нет.");
    lines.insert(lines.end(), warnings.begin(), warnings.end());
    return lines;
}

} // namespace radirav
