#pragma once

#include <sstream>
#include <string>
#include <vector>

namespace radirav::testing {

// The lines of a printed text, without their line ends.
inline std::vector<std::string> Lines(const std::string& text) {
    std::istringstream in(text);
    std::vector<std::string> lines;
    for (std::string line; std::getline(in, line);)
        lines.push_back(line);
    return lines;
}

} // namespace radirav::testing
