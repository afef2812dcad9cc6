#include "calc_output.h"

#include "json_number.h"

#include "model/checks.h"
#include "model/message_text.h"
#include "model/text.h"
#include "report/report_text.h"
#include "report/stop_message.h"
#include "report/stop_text.h"

#include <nlohmann/json.hpp>

#include <array>
#include <charconv>
#include <cmath>

namespace radirav {

namespace {

nlohmann::ordered_json Number(float value) {
    return JsonNumber(value);
}

// The fourteen rows of TrayResults by name: the symbol, the quantity and its unit (empty for a
// number without dimension). Rows 6 and 7 are calculated but not shown on the results screen.
struct NamedRow {
    const char* symbol;
    const char* label;
    const char* unit;
};
constexpr std::array<NamedRow, kResultRows> kNamedRows{{
    {"w", "скорость пара", "м/с"},
    {"F", "F-фактор", "кг^1/2 м^-1/2 с^-1"},
    {"q", "расход жидкости на единицу длины перелива", "м^3/(м·с)"},
    {"h", "высота светлого слоя жидкости", "м"},
    {"tau", "время пребывания жидкости на тарелке", "с"},
    {"lambda", "фактор массопередачи mG/L", ""},
    {"Pe", "критерий Пекле (продольное перемешивание в жидкости)", ""},
    {"Sc", "критерий Прандтля (Шмидта) для пара", ""},
    {"NL", "число единиц переноса для жидкой фазы", ""},
    {"NG", "число единиц переноса для пара", ""},
    {"NOG", "общее число единиц переноса по паровой фазе", ""},
    {"EOG", "локальная эффективность", ""},
    {"EMV", "эффективность по Мэрфри по паровой фазе", ""},
    {"Ea", "эффективность по Мэрфри с учётом уноса", ""},
}};

bool IsShownRow(int row) {
    return row != 6 && row != 7;
}

// The named rows of a column that ended normally; a column without a feed tray has no feed values.
nlohmann::ordered_json NamedRows(const ProgramState& state) {
    auto rows = nlohmann::ordered_json::array();
    for (int i = 1; i <= kResultRows; ++i) {
        const NamedRow& named = kNamedRows[static_cast<std::size_t>(i - 1)];
        const auto feed =
            state.FeedTray > 0 ? Number(state.TrayResults(i, 2)) : nlohmann::ordered_json(nullptr);
        rows.push_back({{"symbol", named.symbol},
                        {"label", named.label},
                        {"unit", named.unit},
                        {"shown", IsShownRow(i)},
                        {"bottom", Number(state.TrayResults(i, 1))},
                        {"feed", feed},
                        {"top", Number(state.TrayResults(i, 3))}});
    }
    return rows;
}

} // namespace

const char* StopName(CalcStop stop) {
    switch (stop) {
    case CalcStop::None:
        return "ok";
    case CalcStop::TrayLimit:
        return "tray_limit";
    case CalcStop::InputDataError:
        return "input_error";
    case CalcStop::AntoineError:
        return "antoine_error";
    }
    return "";
}

std::optional<std::string> StopText(CalcStop stop) {
    const std::optional<std::string> message = StopMessage(stop);
    return message ? std::optional<std::string>(TrimBlanks(*message)) : std::nullopt;
}

std::string ResultJson(const ProgramState& state, const ColumnResult& result, bool profile) {
    nlohmann::ordered_json json;
    const bool finished = result.stop == CalcStop::None;
    json["stop"] = StopName(result.stop);
    json["trays"] = finished ? nlohmann::ordered_json(state.RequiredTrays) : nlohmann::ordered_json(nullptr);
    json["feed"] = finished ? nlohmann::ordered_json(state.FeedTray) : nlohmann::ordered_json(nullptr);
    const auto message = StopText(result.stop);
    json["error"] = message ? nlohmann::ordered_json(*message) : nlohmann::ordered_json(nullptr);
    const std::string reason = StopReasonText(result.reason);
    json["reason"] = reason.empty() ? nlohmann::ordered_json(nullptr) : nlohmann::ordered_json(reason);
    auto warnings = nlohmann::ordered_json::array();
    for (const HydraulicWarning& warning : result.warnings)
        warnings.push_back(WarningText(warning));
    json["warnings"] = warnings;
    json["rows"] = finished ? NamedRows(state) : nlohmann::ordered_json::array();
    auto rows = nlohmann::ordered_json::array();
    for (int i = 1; i <= kResultRows; ++i) {
        auto row = nlohmann::ordered_json::array();
        for (int j = 1; j <= kResultColumns; ++j)
            row.push_back(Number(state.TrayResults(i, j)));
        rows.push_back(row);
    }
    json["results"] = rows;
    const MaterialBalance& mb = result.balance;
    json["balance"] = {{"P", Number(mb.P)},   {"W", Number(mb.W)}, {"xP", Number(mb.xP)},
                       {"xW", Number(mb.xW)}, {"b", Number(mb.b)}, {"ys", Number(mb.ys)}};
    if (profile) {
        auto trays = nlohmann::ordered_json::array();
        for (const TrayRecord& tray : result.trays) {
            trays.push_back(
                {{"tray", tray.number},
                 {"section", tray.section == ColumnSection::Stripping ? "stripping" : "rectifying"},
                 {"x", Number(tray.x)},
                 {"y", Number(tray.yOut)},
                 {"yStar", Number(tray.yStar)},
                 {"EMV", Number(tray.EMV)},
                 {"Ea", Number(tray.Ea)},
                 {"w", Number(tray.w)},
                 {"F", Number(tray.F)},
                 {"h", Number(tray.h)}});
        }
        json["profile"] = trays;
    }
    return json.dump(2);
}

std::string ReportText(const ProgramState& state, const std::string& dateText,
                       const std::vector<HydraulicWarning>& warnings) {
    std::string text;
    bool first = true;
    for (const ReportDocument& document : ReportDocuments(state, dateText, '.', warnings)) {
        if (!first)
            text += "\f\n";
        first = false;
        for (const std::string& line : document)
            text += line + "\n";
    }
    return text;
}

std::string CsvField(const std::string& text) {
    const bool plain = text.find_first_of(",\"\r\n") == std::string::npos && TrimBlanks(text) == text;
    if (plain)
        return text;
    std::string quoted = "\"";
    for (const char c : text)
        quoted += c == '"' ? std::string("\"\"") : std::string(1, c);
    return quoted + "\"";
}

namespace {

const char* EquilibriumName(const ProgramState& state) {
    const int kind = state.EquilibriumKind.value_or(0);
    return kind == kKindConstantAlfa ? "alfa" : kind == kKindAntoine ? "antoine" : "points";
}

} // namespace

int WriteSummaryCsv(const std::vector<std::string>& paths, std::ostream& out) {
    out << "file,student,system,tray,equilibrium,trays,feed,stop,message,reason\n";
    int status = 0;
    for (const std::string& path : paths) {
        CaseFileResult loaded = ReadCaseFromPath(path);
        out << CsvField(EscapeForMessage(path)) << ',';
        if (loaded.error) {
            out << ",,,,,,file_error," << CsvField(*loaded.error) << ",\n";
            status = 2;
            continue;
        }
        ProgramState& state = loaded.state;
        const ColumnResult result = CalculateAndStore(state);
        const bool finished = result.stop == CalcStop::None;
        out << CsvField(EscapeForMessage(TrimBlanks(state.StudentName))) << ','
            << CsvField(EscapeForMessage(TrimBlanks(state.SystemName))) << ',' << state.TrayType << ','
            << EquilibriumName(state) << ',';
        // A stopped column has no tray count and no feed tray to show, only the stop and why.
        if (finished)
            out << state.RequiredTrays << ',' << state.FeedTray;
        else
            out << ',';
        out << ',' << StopName(result.stop) << ',' << CsvField(StopText(result.stop).value_or("")) << ','
            << CsvField(StopReasonText(result.reason)) << "\n";
        if (!finished && status == 0)
            status = 1;
    }
    return status;
}

} // namespace radirav
