#include "variants.h"

#include "model/case_file.h"
#include "model/checks.h"
#include "model/entry.h"
#include "model/equilibrium_choice.h"
#include "model/message_text.h"
#include "model/param_codes.h"
#include "model/val.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <limits>
#include <set>

namespace radirav {

namespace {

constexpr int kMaxDecimals = 9;
constexpr long long kMinGridValues = 100;
constexpr int kDrawsPerVariant = 100;

// SplitMix64 (Steele, Lea, Flood 2014): a tiny generator whose every output is fixed by the seed.
class VariantRandom {
public:
    explicit VariantRandom(std::uint64_t seed) : state_(seed) {}

    std::uint64_t Next() {
        std::uint64_t z = (state_ += 0x9E3779B97F4A7C15ULL);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
        return z ^ (z >> 31);
    }

    // Uniform in 0..count-1 without modulo bias: draws past the last whole multiple of count are
    // drawn again.
    std::uint64_t Below(std::uint64_t count) {
        const std::uint64_t max = std::numeric_limits<std::uint64_t>::max();
        const std::uint64_t limit = max - max % count;
        for (;;) {
            if (const std::uint64_t x = Next(); x < limit)
                return x % count;
        }
    }

private:
    std::uint64_t state_;
};

// "-12.345" as -12345 with 3 decimals; none for anything but a plain decimal of at most 15 digits.
std::optional<std::pair<long long, int>> ParseDecimal(const std::string& text) {
    std::size_t i = 0;
    const bool negative = i < text.size() && text[i] == '-';
    if (negative || (i < text.size() && text[i] == '+'))
        ++i;
    long long value = 0;
    int digits = 0, decimals = 0;
    bool point = false;
    for (; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '.' && !point) {
            point = true;
        } else if (c >= '0' && c <= '9') {
            if (++digits > 15)
                return std::nullopt;
            value = value * 10 + (c - '0');
            decimals += point ? 1 : 0;
        } else {
            return std::nullopt;
        }
    }
    if (digits == 0 || decimals > kMaxDecimals)
        return std::nullopt;
    return std::make_pair(negative ? -value : value, decimals);
}

long long PowerOfTen(int exponent) {
    long long p = 1;
    for (int i = 0; i < exponent; ++i)
        p *= 10;
    return p;
}

// `scaled` / 10^decimals as the shortest plain decimal: 12300 with 3 decimals is "12.3".
std::string FormatScaled(long long scaled, int decimals) {
    const bool negative = scaled < 0;
    std::string digits = std::to_string(negative ? -scaled : scaled);
    if (digits.size() <= static_cast<std::size_t>(decimals))
        digits.insert(0, static_cast<std::size_t>(decimals) + 1 - digits.size(), '0');
    std::string text = digits.substr(0, digits.size() - static_cast<std::size_t>(decimals));
    std::string fraction = digits.substr(text.size());
    while (!fraction.empty() && fraction.back() == '0')
        fraction.pop_back();
    if (!fraction.empty())
        text += "." + fraction;
    return negative && text != "0" ? "-" + text : text;
}

bool IsInRangeOf(const VaryRange& range, const std::string& text) {
    const double value = Val(text);
    return range.param == 0 ? IsAlfaInRange(value) : IsParamInRange(range.param, ToSingle(value));
}

std::string RangeTextOf(const VaryRange& range) {
    return range.param == 0 ? std::string(kAlfaRangeText) : DescribeParamRange(range.param);
}

// One "CODE=FROM:TO" item, or the reason it is refused.
std::optional<std::string> ParseVaryItem(const std::string& item, VaryRange& range) {
    const auto equals = item.find('=');
    const auto colon = item.find(':', equals == std::string::npos ? 0 : equals);
    if (equals == std::string::npos || colon == std::string::npos)
        return QuoteForMessage(item) +
               ": нужно КОД=ОТ:ДО с десятичной точкой (запятая разделяет параметры), например XF=0.05:0.15";
    std::string key = item.substr(0, equals);
    std::transform(key.begin(), key.end(), key.begin(), [](unsigned char c) { return std::toupper(c); });
    range.param = ParamIndexOfKey(key);
    if (range.param == 0 && key != "ALFA")
        return QuoteForMessage(key) + ": не код параметра (F, XF, ... EIS) и не ALFA";
    range.key = key;
    const std::string fromText = item.substr(equals + 1, colon - equals - 1);
    const std::string toText = item.substr(colon + 1);
    const auto from = ParseDecimal(fromText);
    const auto to = ParseDecimal(toText);
    if (!from || !to) {
        return key + ": " + QuoteForMessage(from ? toText : fromText) +
               " не десятичное число (точка, не больше 9 знаков после неё, без порядка)";
    }
    for (const std::string& bound : {fromText, toText}) {
        if (!IsInRangeOf(range, bound))
            return key + ": " + QuoteForMessage(bound) + " вне диапазона; допустимо " + RangeTextOf(range);
    }
    range.decimals = std::max(from->second, to->second);
    range.from = from->first * PowerOfTen(range.decimals - from->second);
    range.to = to->first * PowerOfTen(range.decimals - to->second);
    if (range.from > range.to)
        return key + ": начало " + fromText + " больше конца " + toText;
    // A finer grid until the range holds enough values that two students rarely share one.
    while (range.to - range.from + 1 < kMinGridValues && range.decimals < kMaxDecimals) {
        range.from *= 10;
        range.to *= 10;
        ++range.decimals;
    }
    return std::nullopt;
}

EquilibriumSource KindOf(const ProgramState& state) {
    const int kind = state.EquilibriumKind.value_or(0);
    return kind == kKindConstantAlfa ? EquilibriumSource::ConstantAlfa
           : kind == kKindAntoine    ? EquilibriumSource::Antoine
                                     : EquilibriumSource::Points;
}

std::string Padded(int number, int width) {
    std::string text = std::to_string(number);
    return std::string(static_cast<std::size_t>(std::max(0, width - static_cast<int>(text.size()))), '0') +
           text;
}

} // namespace

VaryList ParseVaryList(const std::string& text) {
    VaryList list;
    std::size_t start = 0;
    for (;;) {
        const auto comma = text.find(',', start);
        VaryRange range;
        if (auto error = ParseVaryItem(text.substr(start, comma - start), range)) {
            list.error = "--vary " + *error;
            list.ranges.clear();
            return list;
        }
        for (const VaryRange& earlier : list.ranges) {
            if (earlier.key == range.key) {
                list.error = "--vary " + range.key + ": задан дважды";
                list.ranges.clear();
                return list;
            }
        }
        list.ranges.push_back(range);
        if (comma == std::string::npos)
            return list;
        start = comma + 1;
    }
}

std::optional<EquilibriumSource> ParseEquilibriumSource(const std::string& text) {
    if (text == "alfa")
        return EquilibriumSource::ConstantAlfa;
    if (text == "antoine")
        return EquilibriumSource::Antoine;
    if (text == "points")
        return EquilibriumSource::Points;
    return std::nullopt;
}

bool IsBuildableColumn(const ColumnResult& result) {
    return result.stop == CalcStop::None && result.warnings.empty();
}

VariantsResult MakeVariants(const ProgramState& base, const VariantsOrder& order) {
    VariantsResult result;
    const EquilibriumSource kind = order.equilibrium.value_or(KindOf(base));
    const bool alfaVaried = std::any_of(order.ranges.begin(), order.ranges.end(),
                                        [](const VaryRange& r) { return r.param == 0; });
    if (alfaVaried && kind != EquilibriumSource::ConstantAlfa) {
        result.error =
            "--vary ALFA: ALFA меняется только у вариантов с постоянной летучестью (--equilibrium alfa)";
        return result;
    }
    if (kind == EquilibriumSource::ConstantAlfa && !alfaVaried && !base.AlfaEntered) {
        result.error = "--equilibrium alfa: в файле нет ALFA; задайте его там или в --vary ALFA=ОТ:ДО";
        return result;
    }

    std::string varied;
    for (const VaryRange& range : order.ranges)
        varied += (varied.empty() ? "" : ", ") + range.key;
    const int width = std::max(2, static_cast<int>(std::to_string(order.count).size()));
    VariantRandom random(order.seed);
    std::set<std::vector<std::string>> drawnBefore;
    for (int draw = 0;
         draw < kDrawsPerVariant * order.count && static_cast<int>(result.variants.size()) < order.count;
         ++draw) {
        ProgramState state = base;
        std::vector<std::string> drawn;
        for (const VaryRange& range : order.ranges) {
            const auto offset = random.Below(static_cast<std::uint64_t>(range.to - range.from) + 1);
            drawn.push_back(FormatScaled(range.from + static_cast<long long>(offset), range.decimals));
            if (range.param == 0)
                StoreTypedAlfa(state, drawn.back());
            else
                EnterParamValue(state, range.param, drawn.back());
        }
        if (!drawnBefore.insert(drawn).second) {
            ++result.rejected; // the same task twice
            continue;
        }
        ApplyEquilibrium(state, kind);
        const std::string number = Padded(static_cast<int>(result.variants.size()) + 1, width);
        state.StudentName = "Вариант " + number + ", студент: ________________";
        Variant variant{"variant-" + number + ".case",
                        "# Вариант " + number + " из " + std::to_string(order.count) +
                            " (radirav-calc --variants, --seed " + std::to_string(order.seed) +
                            "; случайно выбраны: " + (varied.empty() ? "ничего" : varied) + ")\n" +
                            FormatCaseFile(state)};
        // Read back and calculated as the answer sheet will: a candidate that fails a cross-check
        // (XW <= XF <= XP) or does not build is drawn again.
        CaseFileResult again = ReadCaseText(variant.text, variant.fileName);
        if (again.error || !IsBuildableColumn(CalculateColumn(again.state))) {
            ++result.rejected;
            continue;
        }
        result.variants.push_back(std::move(variant));
    }
    if (static_cast<int>(result.variants.size()) < order.count) {
        result.error = "из " + std::to_string(kDrawsPerVariant * order.count) +
                       " попыток получилось только " + std::to_string(result.variants.size()) +
                       " различных вариантов, которые считаются до конца, из " + std::to_string(order.count) +
                       "; сузьте диапазоны --vary или измените вариант";
        result.variants.clear();
        result.tooFew = true;
    }
    return result;
}

std::optional<std::string> WriteVariants(const std::vector<Variant>& variants, const std::string& folder) {
    namespace fs = std::filesystem;
    std::error_code error;
    fs::create_directories(folder, error);
    if (!fs::is_directory(folder, error))
        return QuoteForMessage(folder) + ": папка не создаётся";
    for (const fs::directory_entry& entry : fs::directory_iterator(folder, error)) {
        if (entry.path().extension() == ".case") {
            return QuoteForMessage(folder) + ": в папке уже есть варианты (" +
                   QuoteForMessage(entry.path().filename().string()) + "); укажите новую или пустую папку";
        }
    }
    if (error)
        return QuoteForMessage(folder) + ": папка не читается";
    for (const Variant& variant : variants) {
        const fs::path path = fs::path(folder) / variant.fileName;
        std::ofstream out(path, std::ios::binary | std::ios::trunc);
        out << variant.text;
        out.close();
        if (!out)
            return QuoteForMessage(path.string()) + ": файл не записывается";
    }
    return std::nullopt;
}

} // namespace radirav
