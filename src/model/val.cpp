#include "model/val.h"

#include <charconv>
#include <cmath>
#include <limits>
#include <string>

namespace radirav {

namespace {

bool IsIgnored(char c) {
    return c == ' ' || c == '\t' || c == '\n';
}
bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

std::string WithoutIgnored(std::string_view text) {
    std::string packed;
    packed.reserve(text.size());
    for (const char c : text) {
        if (!IsIgnored(c))
            packed += c;
    }
    return packed;
}

} // namespace

bool StartsWithNumber(std::string_view text) {
    const std::string packed = WithoutIgnored(text);
    std::size_t i = 0;
    if (i < packed.size() && (packed[i] == '+' || packed[i] == '-'))
        ++i;
    if (i < packed.size() && packed[i] == '.')
        ++i;
    return i < packed.size() && IsDigit(packed[i]);
}

std::string_view TextAfterNumber(std::string_view text) {
    const auto skipBlanks = [&](std::size_t i) {
        while (i < text.size() && IsIgnored(text[i]))
            ++i;
        return i;
    };
    const auto skipDigits = [&](std::size_t i) {
        while (i < text.size() && IsDigit(text[i]))
            ++i;
        return i;
    };
    const std::size_t start = skipBlanks(0);
    std::size_t i = start;
    if (i < text.size() && (text[i] == '+' || text[i] == '-'))
        ++i;
    const std::size_t integerEnd = skipDigits(i);
    bool anyDigit = integerEnd > i;
    i = integerEnd;
    if (i < text.size() && text[i] == '.') {
        const std::size_t fractionEnd = skipDigits(i + 1);
        anyDigit = anyDigit || fractionEnd > i + 1;
        i = fractionEnd;
    }
    if (!anyDigit)
        return text.substr(start);
    if (i < text.size() && (text[i] == 'E' || text[i] == 'e' || text[i] == 'D' || text[i] == 'd')) {
        std::size_t j = i + 1;
        if (j < text.size() && (text[j] == '+' || text[j] == '-'))
            ++j;
        // A bare exponent letter is not part of the number, as Val reads it.
        if (const std::size_t exponentEnd = skipDigits(j); exponentEnd > j)
            i = exponentEnd;
    }
    return text.substr(skipBlanks(i));
}

double Val(std::string_view text) {
    const std::string packed = WithoutIgnored(text);

    // Collect the leading number in the form from_chars reads: [-]digits[.digits][e[-]digits].
    std::string number;
    std::size_t i = 0;
    bool negative = false;
    if (i < packed.size() && (packed[i] == '+' || packed[i] == '-'))
        negative = packed[i++] == '-';
    bool anyDigit = false;
    while (i < packed.size() && IsDigit(packed[i])) {
        number += packed[i++];
        anyDigit = true;
    }
    if (i < packed.size() && packed[i] == '.') {
        number += packed[i++];
        while (i < packed.size() && IsDigit(packed[i])) {
            number += packed[i++];
            anyDigit = true;
        }
    }
    if (!anyDigit)
        return 0.0;
    if (i < packed.size() && (packed[i] == 'E' || packed[i] == 'e' || packed[i] == 'D' || packed[i] == 'd')) {
        std::string exponent = "e";
        std::size_t j = i + 1;
        if (j < packed.size() && (packed[j] == '+' || packed[j] == '-')) {
            if (packed[j] == '-')
                exponent += '-';
            ++j;
        }
        const std::size_t digitsStart = j;
        while (j < packed.size() && IsDigit(packed[j]))
            exponent += packed[j++];
        if (j > digitsStart)
            number += exponent;
    }

    double value = 0.0;
    const auto [end, error] = std::from_chars(number.data(), number.data() + number.size(), value);
    (void)end;
    if (error == std::errc::result_out_of_range) {
        // Tell overflow from underflow by the size of the decimal exponent.
        const auto e = number.find('e');
        const bool tiny = e != std::string::npos && number[e + 1] == '-';
        value = tiny ? 0.0 : std::numeric_limits<double>::infinity();
    }
    return negative ? -value : value;
}

float ToSingle(double value) {
    constexpr double kMax = std::numeric_limits<float>::max();
    if (value > kMax)
        return std::numeric_limits<float>::infinity();
    if (value < -kMax)
        return -std::numeric_limits<float>::infinity();
    return static_cast<float>(value);
}

} // namespace radirav
