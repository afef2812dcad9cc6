#include "model/case_file.h"

#include "model/checks.h"
#include "model/entry.h"
#include "model/equilibrium_choice.h"
#include "model/param_codes.h"
#include "model/sample_data.h"
#include "model/text.h"
#include "model/val.h"

#include <algorithm>
#include <array>
#include <map>
#include <sstream>
#include <string_view>
#include <vector>

namespace radirav {

namespace {

std::string TrimWhite(const std::string& text) {
    const auto first = text.find_first_not_of(" \t\r\n");
    if (first == std::string::npos)
        return {};
    return text.substr(first, text.find_last_not_of(" \t\r\n") - first + 1);
}

constexpr const char* kByteOrderMark = "\xEF\xBB\xBF";

// The value after "=": up to a comment, or, when it opens with a double quote, everything up to
// the last quote that only blanks or a comment follow. Empty when the closing quote is missing.
std::optional<std::string> ReadValue(const std::string& rest) {
    const std::string trimmed = TrimWhite(rest);
    if (trimmed.empty() || trimmed.front() != '"')
        return TrimWhite(rest.substr(0, rest.find('#')));
    for (std::size_t close = trimmed.size() - 1; close > 0; --close) {
        if (trimmed[close] != '"')
            continue;
        const std::string after = TrimWhite(trimmed.substr(close + 1));
        if (after.empty() || after.front() == '#')
            return trimmed.substr(1, close - 1);
    }
    return std::nullopt;
}

std::vector<std::string> SplitWords(const std::string& text) {
    std::istringstream in(text);
    std::vector<std::string> words;
    for (std::string word; in >> word;)
        words.push_back(word);
    return words;
}

std::string WithoutLineBreaks(std::string text) {
    std::replace_if(
        text.begin(), text.end(), [](char c) { return c == '\r' || c == '\n'; }, ' ');
    return text;
}

// A scalar value as one line keeps it: quoted when a comment sign, an opening quote or outer
// blanks would be lost; a line break becomes a blank.
std::string QuotedIfNeeded(std::string text) {
    text = WithoutLineBreaks(std::move(text));
    const bool plain = text.find('#') == std::string::npos && (text.empty() || text.front() != '"') &&
                       TrimWhite(text) == text;
    return plain ? text : '"' + text + '"';
}

// A typed number as one blank-free word that reads to the same value: the reading skips blanks
// and line feeds and stops at the first character that cannot continue a number.
std::string NumberWord(const std::string& text) {
    std::string word;
    for (const char c : text) {
        if (c == '#' || c == '"' || c == '\r')
            break;
        if (c != ' ' && c != '\t' && c != '\n')
            word += c;
    }
    return word.empty() ? "0" : word;
}

struct Entry {
    int line;
    std::string value;
};

class CaseReader {
public:
    CaseReader(std::string fileName, CaseChecks checks)
        : fileName_(std::move(fileName)), keepOutOfRange_(checks == CaseChecks::KeepOutOfRange) {}

    CaseFileResult Read(std::istream& in) {
        LoadSampleData(result_.state);
        result_.state.TrayType = "K";
        // Each step stops the reading at the first fault, leaving its message in the result.
        (void)(Collect(in) && ApplyScalars() && ApplyEquilibrium() && CheckGroups());
        return std::move(result_);
    }

private:
    bool Fail(int line, const std::string& key, const std::string& what) {
        result_.error = Where(line) + ": " + key + ": " + what;
        return false;
    }

    // A value outside its range: the reading fails, or, keeping such values, goes on with the
    // first of them noted.
    bool OutOfRange(int line, const std::string& key, const std::string& what) {
        if (!keepOutOfRange_)
            return Fail(line, key, what);
        if (!result_.outOfRange)
            result_.outOfRange = Where(line) + ": " + key + ": " + what;
        return true;
    }

    std::string Where(int line) const {
        return line > 0 ? fileName_ + ":" + std::to_string(line) : fileName_;
    }

    bool Collect(std::istream& in) {
        std::string raw;
        for (int number = 1; std::getline(in, raw); ++number) {
            if (number == 1 && raw.starts_with(kByteOrderMark))
                raw.erase(0, std::string_view(kByteOrderMark).size());
            const auto equals = raw.find('=');
            const auto hash = raw.find('#');
            if (equals == std::string::npos || hash < equals) {
                const std::string text = TrimWhite(raw.substr(0, hash));
                if (text.empty())
                    continue;
                return Fail(number, text, "missing \"=\" (expected KEY = value)");
            }
            std::string key = TrimWhite(raw.substr(0, equals));
            std::transform(key.begin(), key.end(), key.begin(),
                           [](unsigned char c) { return std::toupper(c); });
            const std::optional<std::string> read = ReadValue(raw.substr(equals + 1));
            if (!read)
                return Fail(number, key, "missing closing quote");
            // A carriage return inside a value (a stray one, not a line end) reads as a blank,
            // as values are written back; a number around it then reads as a typed blank does.
            const std::string value = WithoutLineBreaks(*read);
            if (key == "POINT") {
                points_.push_back({number, value});
                continue;
            }
            const bool known = ParamIndexOfKey(key) > 0 || key == "TRAY" || key == "NAME" ||
                               key == "SYSTEM" || key == "ALFA" || key == "ANTOINE";
            if (!known)
                return Fail(number, key, "unknown key (see radirav-calc --help)");
            if (entries_.count(key)) {
                return Fail(number, key,
                            "given twice (first on line " + std::to_string(entries_[key].line) + ")");
            }
            entries_[key] = {number, value};
        }
        if (in.bad())
            return Fail(0, "file", "could not be read");
        return true;
    }

    bool ApplyScalars() {
        ProgramState& state = result_.state;
        for (int i = 1; i <= param::kCount; ++i) {
            const auto found = entries_.find(std::string(ParamKey(i)));
            if (found != entries_.end())
                EnterParamValue(state, i, found->second.value);
        }
        if (const auto tray = entries_.find("TRAY"); tray != entries_.end()) {
            std::string type = tray->second.value;
            std::transform(type.begin(), type.end(), type.begin(),
                           [](unsigned char c) { return std::toupper(c); });
            if (type != "K" && type != "S")
                return Fail(tray->second.line, "TRAY",
                            "\"" + tray->second.value + "\" is neither K (bubble-cap) nor S (sieve)");
            state.TrayType = type;
        }
        if (const auto name = entries_.find("NAME"); name != entries_.end())
            state.StudentName = name->second.value;
        if (const auto system = entries_.find("SYSTEM"); system != entries_.end())
            state.SystemName = system->second.value;
        return true;
    }

    bool ApplyEquilibrium() {
        const int kinds =
            static_cast<int>(entries_.count("ALFA") + entries_.count("ANTOINE") + (points_.empty() ? 0 : 1));
        if (kinds > 1) {
            const int line = std::max({entries_.count("ALFA") ? entries_["ALFA"].line : 0,
                                       entries_.count("ANTOINE") ? entries_["ANTOINE"].line : 0,
                                       points_.empty() ? 0 : points_.back().line});
            return Fail(line, "equilibrium", "give exactly one of ALFA, ANTOINE or POINT lines");
        }
        if (entries_.count("ALFA"))
            return ApplyAlfa(entries_["ALFA"]);
        if (entries_.count("ANTOINE"))
            return ApplyAntoine(entries_["ANTOINE"]);
        return ApplyPoints();
    }

    bool ApplyAlfa(const Entry& entry) {
        ProgramState& state = result_.state;
        ChooseConstantAlfa(state);
        if (StoreTypedAlfa(state, entry.value)) {
            MarkAlfaEntered(state);
            return true;
        }
        return OutOfRange(entry.line, "ALFA",
                          "\"" + entry.value + "\" is out of range, accepted " + kAlfaRangeText);
    }

    bool ApplyAntoine(const Entry& entry) {
        ProgramState& state = result_.state;
        const auto words = SplitWords(entry.value);
        if (words.size() != 6)
            return Fail(entry.line, "ANTOINE", "expected six constants: A1 B1 C1 A2 B2 C2");
        for (int i = 1; i <= 6; ++i)
            EnterAntoineValue(state, i, words[static_cast<std::size_t>(i - 1)]);
        if (const int bad = CheckAntoineConstants(state); bad != 0) {
            if (!OutOfRange(entry.line, "ANTOINE",
                            state.AntoineNames[bad] + " = " + state.AntoineTexts[bad] +
                                " is out of range, accepted " + DescribeAntoineRange(bad)))
                return false;
        }
        ChooseVariableVolatility(state);
        ChooseAntoineConstants(state);
        FinishAntoineEntry(state);
        return true;
    }

    bool ApplyPoints() {
        ProgramState& state = result_.state;
        if (!points_.empty()) {
            const int n = static_cast<int>(points_.size());
            if (n < kMinEqPoints || n > kMaxEqPoints) {
                return Fail(points_.back().line, "POINT",
                            std::to_string(n) + " points given, accepted 8 to 20");
            }
            state.EqPointCount = n;
            for (int i = 1; i <= n; ++i) {
                const Entry& entry = points_[static_cast<std::size_t>(i - 1)];
                const auto words = SplitWords(entry.value);
                if (words.size() != 2)
                    return Fail(entry.line, "POINT", "expected two numbers: x y");
                EnterPointX(state, i, words[0]);
                EnterPointY(state, i, words[1]);
            }
        }
        // The typed numbers before the check re-reads the texts, to find a failing point's line.
        SortPointsAndComputeAlfa(state);
        std::vector<std::pair<float, float>> sorted;
        for (int i = 1; i <= state.EqPointCount; ++i)
            sorted.emplace_back(state.EqX[i], state.EqY[i]);
        RereadPointTexts(state);
        if (const PointCheck check = CheckEquilibriumPoints(state); check.point != 0) {
            if (!OutOfRange(LineOfPoint(sorted[check.point - 1u]), "POINT",
                            TrimBlanks(check.caption) +
                                " (points sorted by x; each 0 < x < 1, 0 < y < 1, y >= x, "
                                "x and y increasing)"))
                return false;
        }
        ChooseVariableVolatility(state);
        ChooseTabulatedPoints(state);
        FinishPointsEntry(state);
        AcceptPointTable(state);
        return true;
    }

    int LineOfPoint(const std::pair<float, float>& point) const {
        for (const Entry& entry : points_) {
            const auto words = SplitWords(entry.value);
            if (ToSingle(Val(NormalizeDecimalText(words[0]))) == point.first &&
                ToSingle(Val(NormalizeDecimalText(words[1]))) == point.second)
                return entry.line;
        }
        return 0; // a sample point
    }

    bool CheckGroups() {
        ProgramState& state = result_.state;
        for (const int first : {param::kFirstGeneral, param::kFirstRectifying, param::kFirstStripping}) {
            const int bad = CheckGroupOf(state, first);
            if (bad == 0)
                continue;
            const std::string key(ParamKey(bad));
            const auto found = entries_.find(key);
            const int line = found == entries_.end() ? 0 : found->second.line;
            if (!OutOfRange(line, key,
                            "\"" + state.InputValueTexts[bad] + "\"" + (line == 0 ? " (sample value)" : "") +
                                " is out of range, accepted " + DescribeParamRange(bad)))
                return false;
        }
        return true;
    }

    std::string fileName_;
    bool keepOutOfRange_;
    CaseFileResult result_;
    std::map<std::string, Entry> entries_;
    std::vector<Entry> points_;
};

} // namespace

CaseFileResult ReadCaseFile(std::istream& in, const std::string& fileName, CaseChecks checks) {
    return CaseReader(fileName, checks).Read(in);
}

CaseFileResult ReadCaseText(const std::string& text, const std::string& fileName, CaseChecks checks) {
    std::istringstream in(text);
    return ReadCaseFile(in, fileName, checks);
}

std::string FormatCaseFile(const ProgramState& state) {
    std::string text = "# RADIRAV-9 case: KEY = value, # starts a comment\n";
    text += "NAME = " + QuotedIfNeeded(state.StudentName) + "\n";
    text += "SYSTEM = " + QuotedIfNeeded(state.SystemName) + "\n";
    if (!state.TrayType.empty())
        text += "TRAY = " + state.TrayType + "\n";
    for (int i = 1; i <= param::kCount; ++i) {
        if (i == param::kFirstGeneral || i == param::kFirstRectifying || i == param::kFirstStripping)
            text += "\n";
        std::string line = std::string(ParamKey(i)) + " = " + QuotedIfNeeded(state.InputValueTexts[i]);
        if (const std::string label = TrimBlanks(state.InputParams[i].Label); !label.empty())
            line += PadSpaces(line, 24) + "  # " + label;
        text += line + "\n";
    }
    text += "\n";
    const int kind = state.EquilibriumKind.value_or(0);
    if (kind == kKindConstantAlfa) {
        text += "ALFA = " + QuotedIfNeeded(state.AlfaText) + "\n";
    } else if (kind == kKindAntoine) {
        text += "ANTOINE =";
        for (int i = 1; i <= 6; ++i)
            text += " " + NumberWord(state.AntoineTexts[i]);
        text += "\n";
    } else if (kind > 0) {
        for (int i = 1; i <= state.EqPointCount; ++i)
            text += "POINT = " + NumberWord(state.EqXText[i]) + " " + NumberWord(state.EqYText[i]) + "\n";
    }
    return text;
}

} // namespace radirav
