#include "tray_output.h"

#include "calc_output.h"
#include "model/message_text.h"
#include "report/stop_text.h"
#include "report/worked_tray.h"

#include <nlohmann/json.hpp>

#include <charconv>
#include <cmath>
#include <variant>

namespace radirav {

namespace {

// A JSON key of the worked tray, the step of the calculation that gives it and where it is kept.
struct TrayKey {
    const char* name;
    TrayStep step;
    std::variant<float TrayRecord::*, double TrayRecord::*> value;
};

// The inputs count as calculated with the tray's volatility (x and the vapour entering with its
// liquid); V and L are the section's.
const TrayKey kTrayKeys[] = {
    {"x", TrayStep::Liquid, &TrayRecord::x},
    {"y_in", TrayStep::Liquid, &TrayRecord::yIn},
    {"y_out", TrayStep::VapourLeaving, &TrayRecord::yOut},
    {"y_star", TrayStep::EquilibriumVapour, &TrayRecord::yStar},
    {"alpha", TrayStep::EquilibriumFactor, &TrayRecord::alfa},
    {"T", TrayStep::EquilibriumFactor, &TrayRecord::T},
    {"V", TrayStep::Liquid, &TrayRecord::V},
    {"L", TrayStep::Liquid, &TrayRecord::L},
    {"k", TrayStep::EquilibriumFactor, &TrayRecord::k},
    {"lambda", TrayStep::MassTransferFactor, &TrayRecord::lambda},
    {"rho_v", TrayStep::VapourDensity, &TrayRecord::rhoV},
    {"w", TrayStep::VapourVelocity, &TrayRecord::w},
    {"F", TrayStep::FFactor, &TrayRecord::F},
    {"mu_v", TrayStep::VapourViscosity, &TrayRecord::mu},
    {"r", TrayStep::SchmidtReciprocal, &TrayRecord::r},
    {"Sc", TrayStep::SchmidtNumber, &TrayRecord::Sc},
    {"QL", TrayStep::LiquidVolumeFlow, &TrayRecord::QL},
    {"q", TrayStep::WeirLoad, &TrayRecord::q},
    {"h", TrayStep::ClearLiquidHeight, &TrayRecord::h},
    {"DE", TrayStep::MixingCoefficient, &TrayRecord::DE},
    {"tau", TrayStep::ResidenceTime, &TrayRecord::tau},
    {"NG", TrayStep::VapourTransferUnits, &TrayRecord::NG},
    {"NL", TrayStep::LiquidTransferUnits, &TrayRecord::NL},
    {"NOG", TrayStep::OverallTransferUnits, &TrayRecord::NOG},
    {"EOG", TrayStep::PointEfficiency, &TrayRecord::EOG},
    {"Pe", TrayStep::PecletNumber, &TrayRecord::Pe},
    {"g", TrayStep::MixingRoot, &TrayRecord::g},
    {"eta", TrayStep::MixingExponent, &TrayRecord::eta},
    {"s", TrayStep::MixingSum, &TrayRecord::s},
    {"EMV", TrayStep::MurphreeEfficiency, &TrayRecord::EMV},
    {"Ea", TrayStep::EntrainedEfficiency, &TrayRecord::Ea},
};

// The key of the step that stopped a tray: the quantity it found outside its domain.
const char* StepKey(TrayStep step) {
    switch (step) {
    case TrayStep::Liquid:
        return "x";
    case TrayStep::Volatility:
        return "alpha";
    case TrayStep::VapourLeaving:
        return "y_out";
    default:
        for (const TrayKey& key : kTrayKeys) {
            if (key.step == step)
                return key.name;
        }
    }
    return nullptr;
}

// The shortest decimal of a value of its own precision; not-finite values are null.
template <typename Real> nlohmann::ordered_json Shortest(Real value) {
    if (!std::isfinite(value))
        return nullptr;
    char text[32];
    const char* end = std::to_chars(text, text + sizeof text, value).ptr;
    double shortest = 0;
    std::from_chars(text, end, shortest);
    return shortest;
}

nlohmann::ordered_json TrayJson(const ColumnResult& result, const TrayRecord& tray) {
    nlohmann::ordered_json json;
    json["number"] = tray.number;
    json["section"] = tray.section == ColumnSection::Stripping ? "stripping" : "rectifying";
    for (const TrayKey& key : kTrayKeys) {
        if (!result.Reached(tray, key.step)) {
            json[key.name] = nullptr;
            continue;
        }
        json[key.name] = std::visit([&](auto member) { return Shortest(tray.*member); }, key.value);
    }
    return json;
}

// The tray a request names, or why there is none.
struct Resolved {
    const TrayRecord* tray = nullptr;
    std::string refusal;
};

Resolved Resolve(const ColumnResult& result, const TrayRequest& request) {
    const bool finished = result.stop == CalcStop::None;
    switch (request.kind) {
    case TrayRequest::Kind::Feed:
        if (result.feedTray > 0)
            return {result.Tray(result.feedTray), {}};
        return {nullptr, finished
                             ? "Тарелки питания нет: пар переходит составы питания и дистиллята на одной "
                               "тарелке."
                             : "Тарелки питания нет: расчёт остановился раньше."};
    case TrayRequest::Kind::Top:
        if (finished)
            return {result.Tray(result.requiredTrays), {}};
        return {nullptr, "Верхней тарелки нет: расчёт остановился, не дойдя до верха колонны."};
    case TrayRequest::Kind::Number:
        break;
    }
    if (const TrayRecord* tray = result.Tray(request.number))
        return {tray, {}};
    const std::string missing = "Тарелки " + std::to_string(request.number) + " нет: ";
    if (finished)
        return {nullptr, missing + "в колонне " + std::to_string(result.requiredTrays) + " тарелок."};
    return {nullptr, missing + "расчёт остановился раньше."};
}

} // namespace

std::optional<TrayRequest> ParseTrayRequest(const std::string& text) {
    if (text == "feed")
        return TrayRequest{TrayRequest::Kind::Feed, 0};
    if (text == "top")
        return TrayRequest{TrayRequest::Kind::Top, 0};
    int number = 0;
    const auto [end, fault] = std::from_chars(text.data(), text.data() + text.size(), number);
    if (fault != std::errc() || end != text.data() + text.size() || number < 1 || number > kMaxTrays)
        return std::nullopt;
    return TrayRequest{TrayRequest::Kind::Number, number};
}

TrayAnswer AnswerTrayRequest(const ProgramState& state, const ColumnResult& result,
                             const TrayRequest& request, bool json, const std::string& dateText) {
    const Resolved resolved = Resolve(result, request);
    const bool finished = result.stop == CalcStop::None;
    const int status = finished && resolved.tray != nullptr ? 0 : 1;
    const std::string reason = StopReasonText(result.reason);
    if (json) {
        nlohmann::ordered_json out;
        out["tray"] = resolved.tray ? TrayJson(result, *resolved.tray) : nlohmann::ordered_json(nullptr);
        const bool stoppedHere = resolved.tray && result.stoppedTray && resolved.tray == &*result.stoppedTray;
        out["stopped_at"] = stoppedHere ? nlohmann::ordered_json(StepKey(resolved.tray->stoppedAt))
                                        : nlohmann::ordered_json(nullptr);
        out["stop"] = StopName(result.stop);
        out["error"] = resolved.refusal.empty() ? nlohmann::ordered_json(nullptr)
                                                : nlohmann::ordered_json(resolved.refusal);
        out["reason"] = reason.empty() ? nlohmann::ordered_json(nullptr) : nlohmann::ordered_json(reason);
        return {out.dump(2) + "\n", status};
    }
    std::string text;
    if (resolved.tray) {
        for (const std::string& line :
             WorkedTrayLines(*WorkTray(state, result, resolved.tray->number), state, dateText))
            text += line + "\n";
    } else {
        text += resolved.refusal + "\n";
        if (!finished)
            text += *StopText(result.stop) + "\n" + reason + "\n";
    }
    return {text, status};
}

} // namespace radirav
