#include "study_output.h"

#include "calc_output.h"
#include "json_number.h"
#include "model/message_text.h"
#include "report/study_text.h"

#include <algorithm>
#include <cctype>
#include <charconv>

namespace radirav {

namespace {

constexpr int kMaxStudyValues = 100000;

std::string Upper(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(), [](unsigned char c) { return std::toupper(c); });
    return text;
}

std::vector<std::string> Split(const std::string& text, char separator) {
    std::vector<std::string> parts;
    std::size_t start = 0;
    for (std::size_t end; (end = text.find(separator, start)) != std::string::npos; start = end + 1)
        parts.push_back(text.substr(start, end - start));
    parts.push_back(text.substr(start));
    return parts;
}

// A whole text read as one number of type T, or none.
template <typename T> std::optional<T> WholeNumber(const std::string& text) {
    T value{};
    const auto [end, fault] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || fault != std::errc() || end != text.data() + text.size())
        return std::nullopt;
    return value;
}

StudyRequest Refused(const std::string& why) {
    return {std::nullopt, why};
}

StudyRequest ParseTrayTypes(const std::string& text, const std::string& list) {
    StudiedRange range{{StudiedKind::TrayType, 0}, "", "", {}};
    for (const std::string& part : Split(list, ',')) {
        const std::string type = Upper(part);
        const bool known = type == "K" || type == "S";
        if (!known || std::count(range.values.begin(), range.values.end(), ValueOfTrayType(type)) > 0)
            return Refused(QuoteForMessage(text) +
                           ": нужно TRAY=K,S (K - колпачковые, S - ситчатые, каждый не "
                           "больше раза)");
        range.values.push_back(ValueOfTrayType(type));
    }
    return {range, std::nullopt};
}

nlohmann::ordered_json JsonValue(StudiedInput input, double value) {
    if (input.kind == StudiedKind::TrayType)
        return TrayTypeOfValue(value);
    if (input.kind == StudiedKind::Alfa)
        return JsonNumber(value);
    return JsonNumber(static_cast<float>(value));
}

bool IsReflux(const InputStudy& study) {
    return study.input == kStudiedReflux;
}

} // namespace

StudyRequest ParseStudyRequest(const std::string& text) {
    const std::size_t equals = text.find('=');
    const std::string key = Upper(text.substr(0, equals));
    const std::optional<StudiedInput> input = StudiedInputOfKey(key);
    if (equals == std::string::npos || !input)
        return Refused(QuoteForMessage(text) + ": исследуется код параметра (F, XF, ... EIS), ALFA или TRAY: "
                                               "КОД=FROM:TO:COUNT или TRAY=K,S");
    const std::string rest = text.substr(equals + 1);
    if (input->kind == StudiedKind::TrayType)
        return ParseTrayTypes(text, rest);
    const std::vector<std::string> parts = Split(rest, ':');
    const auto from = parts.size() == 3 ? WholeNumber<double>(parts[0]) : std::nullopt;
    const auto to = parts.size() == 3 ? WholeNumber<double>(parts[1]) : std::nullopt;
    const auto count = parts.size() == 3 ? WholeNumber<int>(parts[2]) : std::nullopt;
    if (!from || !to || !count || *count < 1 || *count > kMaxStudyValues)
        return Refused("диапазон " + QuoteForMessage(text) + " не читается; нужно " + key +
                       "=FROM:TO:COUNT (числа с десятичной точкой, COUNT от 1 до 100000)");
    return {StudiedRange{*input, parts[0], parts[1], EvenValues(*from, *to, *count)}, std::nullopt};
}

std::optional<std::string> StudyRequestFault(const ProgramState& state, const StudiedRange& range) {
    if (range.input.kind == StudiedKind::TrayType)
        return std::nullopt;
    if (!IsStudiedInputRead(state, range.input))
        return AlfaNotStudiedText(state);
    if (auto fault = StudyValueFault(state, range.input, range.values.front(), range.from))
        return fault;
    return StudyValueFault(state, range.input, range.values.back(), range.to);
}

void WriteStudyCsv(const ProgramState& state, const InputStudy& study, std::ostream& out) {
    out << "# " << StudyTitle(state, study) << "\n# " << WorkingText(study) << "\n";
    const bool reflux = IsReflux(study);
    if (reflux && study.minimumReflux)
        out << "# " << MinimumRefluxText(*study.minimumReflux) << "\n";
    if (reflux && study.optimum) {
        out << "# " << OptimumText(*study.optimum) << "\n# "
            << StudentRefluxText(study.studentValue, *study.optimum) << "\n";
    }
    out << KeyOfStudiedInput(study.input) << ",trays,feed,Ea_feed,warnings,stop" << (reflux ? ",N*(R+1)" : "")
        << "\n";
    for (const StudyRow& row : study.rows) {
        out << StudyValueText(study.input, row.value) << ',';
        if (row.Works()) {
            out << row.trays << ',' << row.feed << ','
                << (row.feedEfficiency ? ShortNumber(*row.feedEfficiency) : "") << ',' << row.warnings;
        } else {
            out << ",,,";
        }
        out << ',' << StopName(row.stop);
        if (reflux)
            out << ',' << (row.Works() ? ShortNumber(static_cast<float>(TraysTimesRefluxPlusOne(row))) : "");
        out << "\n";
    }
}

std::string StudyJson(const ProgramState& state, const InputStudy& study) {
    using Json = nlohmann::ordered_json;
    const StudiedInput input = study.input;
    const bool reflux = IsReflux(study);
    Json json;
    json["input"] = KeyOfStudiedInput(input);
    json["label"] = StudiedInputLabel(state, input);
    json["student_value"] = JsonValue(input, study.studentValue);
    Json rows = Json::array();
    for (const StudyRow& row : study.rows) {
        const bool works = row.Works();
        Json item{{"value", JsonValue(input, row.value)},
                  {"trays", works ? Json(row.trays) : Json(nullptr)},
                  {"feed", works ? Json(row.feed) : Json(nullptr)},
                  {"Ea_feed", row.feedEfficiency ? JsonNumber(*row.feedEfficiency) : Json(nullptr)},
                  {"warnings", works ? Json(row.warnings) : Json(nullptr)},
                  {"stop", StopName(row.stop)}};
        if (reflux)
            item["N_R_plus_1"] =
                works ? JsonNumber(static_cast<float>(TraysTimesRefluxPlusOne(row))) : nullptr;
        rows.push_back(item);
    }
    json["rows"] = rows;
    Json working = Json::array();
    for (const ValueRange& piece : study.working) {
        if (input.kind == StudiedKind::TrayType)
            working.push_back(JsonValue(input, piece.from));
        else
            working.push_back(Json::array({JsonValue(input, piece.from), JsonValue(input, piece.to)}));
    }
    json["working"] = working;
    if (reflux) {
        json["minimum_reflux"] = study.minimumReflux ? JsonNumber(*study.minimumReflux) : Json(nullptr);
        Json optimum(nullptr);
        if (const auto& best = study.optimum) {
            optimum = {{"R", JsonNumber(static_cast<float>(best->R))},
                       {"trays", best->trays},
                       {"N_R_plus_1", JsonNumber(static_cast<float>(best->traysTimesRefluxPlusOne))},
                       {"ratio_to_minimum",
                        best->ratioToMinimum ? JsonNumber(*best->ratioToMinimum) : Json(nullptr)}};
        }
        json["optimum"] = optimum;
    }
    return json.dump(2);
}

int StudyExitStatus(const InputStudy& study) {
    return std::any_of(study.rows.begin(), study.rows.end(), [](const StudyRow& row) { return row.Works(); })
               ? 0
               : 1;
}

} // namespace radirav
