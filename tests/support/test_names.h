#pragma once

#include <cctype>
#include <string>
#include <string_view>

namespace radirav::testing {

// A parameterised case's name for ctest from words: "top left green" -> "TopLeftGreen",
// "Courier New Cyr" -> "CourierNewCyr". Only letters, digits and underscores survive.
inline std::string CaseName(std::string_view words) {
    std::string name;
    bool startWord = true;
    for (const char c : words) {
        const auto u = static_cast<unsigned char>(c);
        if (std::isalnum(u) != 0) {
            name += startWord ? static_cast<char>(std::toupper(u)) : c;
            startWord = false;
        } else {
            startWord = true;
        }
    }
    return name.empty() ? std::string("Empty") : name;
}

} // namespace radirav::testing
