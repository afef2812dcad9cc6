#include "calc_output.h"

#include "report/report_text.h"

#include <nlohmann/json.hpp>

#include <charconv>
#include <cmath>

namespace radirav {

namespace {

// A single-precision value as the shortest decimal that reads back to it (0.3f -> 0.3, not
// 0.30000001192092896); not-finite values become null, which JSON can carry.
nlohmann::ordered_json Number(float value) {
    if (!std::isfinite(value))
        return nullptr;
    char text[32];
    const auto end = std::to_chars(text, text + sizeof text, value).ptr;
    double shortest = 0;
    std::from_chars(text, end, shortest);
    return shortest;
}

} // namespace

std::string ResultJson(const ProgramState& state, const ColumnResult& result) {
    nlohmann::ordered_json json;
    json["trays"] = state.RequiredTrays;
    json["feed"] = state.FeedTray;
    const auto message = StopMessage(result.stop);
    json["error"] = message ? nlohmann::ordered_json(*message) : nlohmann::ordered_json(nullptr);
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
    return json.dump(2);
}

std::string ReportText(const ProgramState& state, const std::string& dateText) {
    std::string text;
    bool first = true;
    for (const ReportDocument& document : ReportDocuments(state, dateText)) {
        if (!first)
            text += "\f\n";
        first = false;
        for (const std::string& line : document)
            text += line + "\n";
    }
    return text;
}

} // namespace radirav
