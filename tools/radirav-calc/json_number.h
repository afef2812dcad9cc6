#pragma once

#include <nlohmann/json.hpp>

#include <charconv>
#include <cmath>
#include <string>

namespace radirav {

// The shortest decimal text that reads back to the same value of its own precision (0.3f ->
// "0.3", not 0.30000001192092896): a number of the command line reads as it was meant.
template <typename Real> std::string ShortNumber(Real value) {
    char text[32];
    return {text, std::to_chars(text, text + sizeof text, value).ptr};
}

// A value of its own precision as its shortest decimal; not-finite values become null, which
// JSON can carry.
template <typename Real> nlohmann::ordered_json JsonNumber(Real value) {
    if (!std::isfinite(value))
        return nullptr;
    const std::string text = ShortNumber(value);
    double shortest = 0;
    std::from_chars(text.data(), text.data() + text.size(), shortest);
    return shortest;
}

} // namespace radirav
