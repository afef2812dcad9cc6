#pragma once

#include "calc/tray_record.h"

#include <cmath>
#include <cstddef>
#include <cstdio>
#include <cstdlib>
#include <string_view>
#include <vector>

// What every fuzz target asserts: a broken promise prints what was promised and aborts, which
// libFuzzer records as a finding with the input that caused it.
namespace radirav::fuzz {

inline void Require(bool kept, const char* promise) {
    if (!kept) {
        std::fprintf(stderr, "broken promise: %s\n", promise);
        std::abort();
    }
}

// Strict UTF-8: shortest form, no surrogates, nothing above U+10FFFF.
inline bool IsValidUtf8(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size()) {
        const auto lead = static_cast<unsigned char>(text[i]);
        std::size_t extra = 0;
        char32_t cp = 0;
        if (lead < 0x80) {
            ++i;
            continue;
        }
        if (lead >= 0xC2 && lead <= 0xDF) {
            extra = 1;
            cp = lead & 0x1FU;
        } else if (lead >= 0xE0 && lead <= 0xEF) {
            extra = 2;
            cp = lead & 0x0FU;
        } else if (lead >= 0xF0 && lead <= 0xF4) {
            extra = 3;
            cp = lead & 0x07U;
        } else {
            return false;
        }
        if (i + extra >= text.size())
            return false;
        for (std::size_t k = 1; k <= extra; ++k) {
            const auto next = static_cast<unsigned char>(text[i + k]);
            if ((next & 0xC0U) != 0x80U)
                return false;
            cp = (cp << 6) | (next & 0x3FU);
        }
        const char32_t smallest = extra == 1 ? 0x80 : (extra == 2 ? 0x800 : 0x10000);
        if (cp < smallest || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF))
            return false;
        i += extra + 1;
    }
    return true;
}

// Code points of a valid UTF-8 text.
inline std::size_t CodePoints(std::string_view text) {
    std::size_t count = 0;
    for (const char c : text)
        count += (static_cast<unsigned char>(c) & 0xC0U) != 0x80U ? 1 : 0;
    return count;
}

// A number a program text shows must not read as "nan" or "inf" in any spelling.
inline bool SpellsNonFinite(std::string_view text) {
    for (std::size_t i = 0; i + 3 <= text.size(); ++i) {
        const auto lower = [&](std::size_t k) { return static_cast<char>(text[i + k] | 0x20); };
        if ((lower(0) == 'n' && lower(1) == 'a' && lower(2) == 'n') ||
            (lower(0) == 'i' && lower(1) == 'n' && lower(2) == 'f'))
            return true;
    }
    return false;
}

// The trays of a finished column are physical: every mole fraction inside 0..1, and no tray sends
// up a vapour richer than the equilibrium with the liquid of the tray above, which flows onto it
// (to the rounding of single-precision compositions).
inline void CheckPhysicalTrays(const std::vector<TrayRecord>& trays) {
    for (std::size_t i = 0; i < trays.size(); ++i) {
        const TrayRecord& tray = trays[i];
        Require(tray.x >= 0 && tray.x <= 1 && tray.yOut >= 0 && tray.yOut <= 1,
                "a finished column keeps every mole fraction inside 0..1");
        if (i + 1 < trays.size())
            Require(tray.yOut <= trays[i + 1].yStar * (1 + 1e-5),
                    "no tray sends up more than the equilibrium with its inlet liquid");
    }
}

} // namespace radirav::fuzz
