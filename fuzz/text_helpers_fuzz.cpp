// Fuzz target: the text helpers, the numeric reading, the number and date texts and the axis
// ticks on arbitrary bytes and numbers. Each must not crash, must keep valid UTF-8 valid and
// must give the widths it promises.

#include "fuzz_checks.h"

#include "model/text.h"
#include "model/val.h"
#include "report/column_diagram.h"
#include "report/report_text.h"
#include "report/results_text.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <algorithm>
#include <cfloat>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>
#include <utility>
#include <vector>

namespace {

using radirav::fuzz::CodePoints;
using radirav::fuzz::IsValidUtf8;
using radirav::fuzz::Require;
using radirav::fuzz::SpellsNonFinite;

float RawFloat(FuzzedDataProvider& in) {
    const auto bits = in.ConsumeIntegral<std::uint32_t>();
    float value = 0;
    std::memcpy(&value, &bits, sizeof value);
    return value; // every bit pattern: NaNs, infinities, subnormals, negative zero
}

std::string WithoutBlanks(const std::string& text) {
    std::string packed;
    for (const char c : text)
        if (c != ' ' && c != '\t' && c != '\n')
            packed += c;
    return packed;
}

// [sign]digits[.digits] and nothing else: the plain decimal form strtod reads alike.
bool IsPlainDecimal(const std::string& text) {
    std::size_t i = text.empty() || (text[0] != '+' && text[0] != '-') ? 0 : 1;
    bool digit = false, point = false;
    for (; i < text.size(); ++i) {
        if (text[i] >= '0' && text[i] <= '9')
            digit = true;
        else if (text[i] == '.' && !point)
            point = true;
        else
            return false;
    }
    return digit;
}

void CheckVal(const std::string& text) {
    const double value = radirav::Val(text);
    Require(!std::isnan(value), "Val never reads a NaN");
    Require(!std::isnan(radirav::ToSingle(value)), "ToSingle keeps a number a number");
    if (std::isfinite(value) && std::fabs(value) <= FLT_MAX)
        Require(std::isfinite(radirav::ToSingle(value)), "a value within float range stays finite");
    const std::string packed = WithoutBlanks(text);
    Require(radirav::Val(packed) == value, "Val ignores blanks, tabs and line feeds");
    if (IsPlainDecimal(packed) && packed.size() < 300)
        Require(value == std::strtod(packed.c_str(), nullptr), "Val reads a plain decimal as strtod does");
}

// What the student meant: the Russian layout's letters on the "." and "," keys become those
// keys, then the first comma becomes the decimal point.
std::string MeantNumberText(std::string text) {
    for (const auto& [letter, key] : {std::pair{"ю", "."}, {"Ю", "."}, {"б", ","}, {"Б", ","}})
        for (auto at = text.find(letter); at != std::string::npos; at = text.find(letter, at + 1))
            text.replace(at, std::strlen(letter), key);
    if (const auto comma = text.find(','); comma != std::string::npos)
        text[comma] = '.';
    return text;
}

void CheckNormalize(const std::string& text) {
    const std::string normal = radirav::NormalizeDecimalText(text);
    Require(normal == (text.empty() ? "0" : MeantNumberText(text)), "the typed number as meant");
    if (IsValidUtf8(text))
        Require(IsValidUtf8(normal), "normalising keeps UTF-8 valid");
}

void CheckPadAndCenter(const std::string& text, std::size_t width) {
    const std::string pad = radirav::PadSpaces(text, width);
    Require(pad.find_first_not_of(' ') == std::string::npos, "PadSpaces gives blanks only");
    std::string cell = text;
    const std::string centred = radirav::CenterCell(cell, width);
    Require(cell == radirav::TrimBlanks(text), "CenterCell leaves the trimmed text in its argument");
    Require(!cell.starts_with(' ') && !cell.ends_with(' '), "the trimmed text has no blanks at its ends");
    Require(centred.ends_with('|'), "a cell ends with its bar");
    if (!IsValidUtf8(text))
        return;
    const std::size_t length = CodePoints(text);
    Require(length + pad.size() == std::max(width, length), "PadSpaces pads to the width in characters");
    const std::size_t n = CodePoints(cell);
    Require(IsValidUtf8(centred), "a cell of valid UTF-8 is valid UTF-8");
    Require(CodePoints(centred) == std::max(width, n) + 1, "a cell is width + 1 characters");
    const std::size_t left = n < width ? (width - n) / 2 : 0;
    Require(centred.compare(left, cell.size(), cell) == 0, "the odd blank goes right");
    const std::string proper = radirav::ProperCase(text);
    Require(IsValidUtf8(proper) && CodePoints(proper) == length, "ProperCase keeps UTF-8 and the length");
}

void CheckResultNumber(float value, int width, int decimals, char separator) {
    const std::string text = radirav::FormatResultNumber(value, width, decimals, separator);
    if (std::getenv("RADIRAV_FUZZ_VERBOSE"))
        std::fprintf(stderr, "FormatResultNumber(%.9g, %d, %d, '%c') = \"%s\"\n", static_cast<double>(value),
                     width, decimals, separator, text.c_str());
    Require(IsValidUtf8(text), "a result number is valid UTF-8");
    if (!std::isfinite(value))
        return; // the calculation stops before a value that is not finite reaches the table
    Require(!SpellsNonFinite(text), "a finite result never reads nan or inf");
    Require(text.size() >= static_cast<std::size_t>(width), "a result number fills its width");
    Require(text.size() == static_cast<std::size_t>(width) || text[0] != ' ', "padding only up to the width");
    const std::string number = radirav::TrimBlanks(text);
    Require(number.find(' ') == std::string::npos, "one number, right-aligned");
    const auto point = number.find(separator);
    if (decimals == 0) {
        Require(point == std::string::npos, "no separator without decimals");
    } else {
        Require(point != std::string::npos && number.size() - point - 1 == static_cast<std::size_t>(decimals),
                "exactly the asked decimals");
        Require(point > 0 && number[point - 1] >= '0' && number[point - 1] <= '9',
                "a digit before the point");
    }
    std::string readable = number;
    if (point != std::string::npos)
        readable[point] = '.';
    const double shown = std::strtod(readable.c_str(), nullptr);
    // Rounded from the shortest decimal that reads back as the same float: off by at most half
    // the last shown digit plus the float's own spacing.
    const float magnitude = std::fabs(value);
    const double spacing = std::max(static_cast<double>(std::nextafter(magnitude, FLT_MAX)) - magnitude,
                                    static_cast<double>(magnitude) - std::nextafter(magnitude, 0.0f));
    const double tolerance = 0.5 * std::pow(10.0, -decimals) + spacing;
    Require(std::fabs(shown - value) <= tolerance, "the text reads back as the value, rounded");
    Require(number[0] != '-' || shown != 0.0, "a value that rounds to zero has no minus sign");

    const std::string shortForm = radirav::FormatShortSingle(value);
    Require(!SpellsNonFinite(shortForm) && shortForm.size() <= 14, "the short form is a short number");
    Require(shortForm[0] == (std::signbit(value) && value != 0.0f ? '-' : ' '),
            "a leading blank unless negative");
    const double reread = std::strtod(shortForm.c_str(), nullptr);
    Require(std::fabs(reread - value) <= 1e-6 * std::fabs(static_cast<double>(value)),
            "the short form keeps seven digits");
}

void CheckDate(const radirav::DateTimeParts& when) {
    const std::string date = radirav::FormatRussianDate(when);
    Require(IsValidUtf8(date), "a date text is valid UTF-8");
    const bool plausible = when.year >= 1000 && when.year <= 9999 && when.month >= 1 && when.month <= 12 &&
                           when.day >= 1 && when.day <= 31 && when.hour >= 0 && when.hour <= 23 &&
                           when.minute >= 0 && when.minute <= 59 && when.second >= 0 && when.second <= 59;
    if (!plausible)
        return;
    // "07 декабря 2026г.        14:35:12"
    char expectedTail[32];
    std::snprintf(expectedTail, sizeof expectedTail, "%04dг.        %02d:%02d:%02d", when.year, when.hour,
                  when.minute, when.second);
    Require(date.ends_with(expectedTail), "year, eight blanks and the time end the date");
    Require(date.size() > 3 && date[0] == '0' + when.day / 10 && date[1] == '0' + when.day % 10 &&
                date[2] == ' ',
            "a two-digit day starts the date");
}

double RawDouble(FuzzedDataProvider& in) {
    const auto bits = in.ConsumeIntegral<std::uint64_t>();
    double value = 0;
    std::memcpy(&value, &bits, sizeof value);
    return value;
}

// Axis ticks of any range: they come back, at least one and at most maxCount of them, and for a
// finite range they are finite, ascending and inside it up to the rounding of a whole step.
void CheckAxisTicks(double from, double to, int maxCount, double minStep) {
    const std::vector<double> ticks = radirav::AxisTicks(from, to, maxCount, minStep);
    Require(!ticks.empty() && ticks.size() <= static_cast<std::size_t>(std::max(maxCount, 1)),
            "one tick or more, no more than asked");
    if (!(std::isfinite(from) && std::isfinite(to) && from < to))
        return;
    const double width = std::isfinite(minStep) ? std::max(to - from, minStep) : to - from;
    const double slack = 1e-8 * width + 1e-15 * std::max(std::fabs(from), std::fabs(to));
    for (std::size_t i = 0; i < ticks.size(); ++i) {
        Require(std::isfinite(ticks[i]), "a tick of a finite range is finite");
        Require(i == 0 || ticks[i] > ticks[i - 1], "ticks ascend");
        Require(!(ticks[i] < from - slack) && !(ticks[i] > to + slack), "a tick lies inside the range");
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider in(data, size);
    const auto width = in.ConsumeIntegral<std::uint8_t>();
    const auto decimals = in.ConsumeIntegralInRange<int>(0, 255);
    const char separator = in.ConsumeBool() ? ',' : '.';
    const float value = RawFloat(in);
    radirav::DateTimeParts when;
    when.year = in.ConsumeIntegral<int>();
    when.month = in.ConsumeIntegral<int>();
    when.day = in.ConsumeIntegral<int>();
    when.hour = in.ConsumeIntegral<int>();
    when.minute = in.ConsumeIntegral<int>();
    when.second = in.ConsumeIntegral<int>();
    const double axisFrom = RawDouble(in), axisTo = RawDouble(in), axisMinStep = RawDouble(in);
    const int axisCount = in.ConsumeIntegralInRange<int>(-1, 64);
    const std::string text = in.ConsumeRemainingBytesAsString();

    CheckVal(text);
    CheckNormalize(text);
    CheckPadAndCenter(text, width);
    CheckResultNumber(value, width, decimals, separator);
    CheckDate(when);
    CheckAxisTicks(axisFrom, axisTo, axisCount, axisMinStep);
    return 0;
}
