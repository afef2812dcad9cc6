#pragma once

#include "calc/column.h"
#include "model/program_state.h"

#include <optional>
#include <string>

namespace radirav {

// The tray `--tray` asks for: a number from the bottom, the feed tray or the top tray.
struct TrayRequest {
    enum class Kind { Number, Feed, Top };
    Kind kind = Kind::Number;
    int number = 0;
};

// "17", "feed" or "top"; none for anything else, a number outside 1..300 included.
std::optional<TrayRequest> ParseTrayRequest(const std::string& text);

// What `--tray` prints and its exit status: the worked tray as text, or with `json` one object
// {"tray": {number, section, x, y_in, y_out, y_star, alpha, T, V, L, k, lambda, rho_v, w, F, mu_v,
// r, Sc, QL, q, h, DE, tau, NG, NL, NOG, EOG, Pe, g, eta, s, EMV, Ea}, "stopped_at", "stop",
// "reason"}, with 0. A column that stopped gives 1 and the stop's reason, with the worked tray
// when the column got to it (up to the step that stopped it, which "stopped_at" names, quantities
// after it null). A tray the column does not have gives 1 and says why.
struct TrayAnswer {
    std::string text;
    int status = 0;
};
TrayAnswer AnswerTrayRequest(const ProgramState& state, const ColumnResult& result,
                             const TrayRequest& request, bool json, const std::string& dateText);

} // namespace radirav
