#include "model/case_file.h"

#include "model/checks.h"
#include "model/entry.h"
#include "model/equilibrium_choice.h"
#include "model/message_text.h"
#include "model/param_codes.h"
#include "model/sample_data.h"
#include "model/text.h"
#include "model/val.h"
#include "model/windows1251.h"

#include <algorithm>
#include <array>
#include <filesystem>
#include <fstream>
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
const std::string kTooLargeText =
    "файл больше " + std::to_string(kMaxCaseFileBytes / (1024 * 1024)) + " МиБ, это не файл варианта";

// Lines ended by CR, LF or CR LF; a last line without an end counts too.
std::vector<std::string_view> SplitLines(std::string_view text) {
    std::vector<std::string_view> lines;
    std::size_t start = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '\r' && text[i] != '\n')
            continue;
        lines.push_back(text.substr(start, i - start));
        if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n')
            ++i;
        start = i + 1;
    }
    if (start < text.size())
        lines.push_back(text.substr(start));
    return lines;
}

// A line that breaks the format and holds a zero byte or invalid UTF-8 is a sign of a binary file
// or another encoding, which the message names instead of the format.
bool LooksLikeText(std::string_view line) {
    return line.find('\0') == std::string_view::npos && IsValidUtf8(line);
}
constexpr const char* kNotTextText = "не текст UTF-8 (двоичный файл или другая кодировка?): ";
constexpr const char* kWindows1251Text =
    "файл не в UTF-8; прочитан как русский текст в кодировке Windows-1251 (сохраняется в UTF-8)";

// A value of a case file is one number: "6 7" or "5 abc" is refused rather than read as Val reads a
// typed answer (67, 5). Empty when `stored` (the value as entered) is one number or no number at all,
// which the range checks then name.
std::string TrailingTextFault(const std::string& raw, const std::string& stored) {
    const std::string_view after = TextAfterNumber(stored);
    if (after.empty() || !StartsWithNumber(stored))
        return {};
    return QuoteForMessage(raw) + ": после числа лишний текст " + QuoteForMessage(after) +
           " (значение — одно число)";
}

// Why a value was refused: not given, not a number at all, or a number out of its range. `raw` is
// the value as written, `stored` the text it was entered as.
std::string ValueFault(const std::string& raw, const std::string& stored, const std::string& range) {
    if (TrimWhite(raw).empty())
        return "значение не задано; допустимо " + range;
    if (!StartsWithNumber(stored))
        return QuoteForMessage(raw) + " не число; допустимо " + range;
    return OutOfRangeText(raw, range);
}

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

// A coordinate shown as out of range is written as its marker without blanks; only the last input
// reads it back (as the marker, counting 0), a case written by hand gets "не число".
const std::string kWrittenMarker = TrimBlanks(kOutOfRangeMarker);

// A point coordinate as one word: the typed number, or the out-of-range marker.
std::string PointWord(const std::string& text) {
    return text == kOutOfRangeMarker ? kWrittenMarker : NumberWord(RetypedDecimalText(text));
}

enum class Written { None, Alfa, Antoine, Points };

// The equilibrium a saved case carries: the one the student is entering or correcting (the
// Antoine constants or the points, checked or not, so that nothing typed is lost), otherwise the
// one the calculation uses; none before any is chosen.
Written WrittenEquilibrium(const ProgramState& state) {
    if (state.AntoineMode)
        return Written::Antoine;
    if (state.TableMode && state.EqPointCount >= kMinEqPoints && state.EqPointCount <= kMaxEqPoints)
        return Written::Points;
    const int kind = state.EquilibriumKind.value_or(0);
    if (kind == kKindConstantAlfa)
        return Written::Alfa;
    if (kind == kKindAntoine)
        return Written::Antoine;
    return kind > 0 ? Written::Points : Written::None;
}

struct Entry {
    int line;
    std::string value;
};

class CaseReader {
public:
    explicit CaseReader(std::string fileName, CaseChecks checks = CaseChecks::Enforce)
        : fileName_(std::move(fileName)), keepOutOfRange_(checks == CaseChecks::KeepOutOfRange) {}

    CaseFileResult Read(const std::string& text) {
        LoadSampleData(result_.state);
        result_.state.TrayType = "K";
        // Each step stops the reading at the first fault, leaving its message in the result.
        (void)(Decode(text) && Collect() && ApplyScalars() && ReadEquilibrium() && CheckGroups());
        return std::move(result_);
    }

    // The message of a file that cannot be opened or read at all.
    CaseFileResult Refuse(const std::string& what) {
        Fail(0, "", what);
        return std::move(result_);
    }

private:
    // "FILE:LINE: KEY: what"; the line and the key are left out where there is none.
    bool Fail(int line, const std::string& key, const std::string& what) {
        result_.error = Message(line, key, what);
        return false;
    }

    // A value outside its range: the reading fails, or, keeping such values, goes on with the
    // first of them noted.
    bool OutOfRange(int line, const std::string& key, const std::string& what) {
        if (!keepOutOfRange_)
            return Fail(line, key, what);
        if (!result_.outOfRange)
            result_.outOfRange = Message(line, key, what);
        return true;
    }

    std::string Message(int line, const std::string& key, const std::string& what) const {
        std::string message = EscapeForMessage(fileName_);
        if (line > 0)
            message += ":" + std::to_string(line);
        if (!key.empty())
            message += ": " + key;
        return message + ": " + what;
    }

    // Where a value came from, for a message that names two values.
    std::string SourceOf(const std::string& key) const {
        const auto found = entries_.find(key);
        return found == entries_.end() ? "значение примера" : "строка " + std::to_string(found->second.line);
    }

    // The text as UTF-8: as it is, or from Windows-1251 when it reads as Russian text there.
    bool Decode(const std::string& bytes) {
        if (bytes.size() > kMaxCaseFileBytes)
            return Fail(0, "", kTooLargeText);
        if (IsValidUtf8(bytes)) {
            text_ = bytes;
            return true;
        }
        if (std::optional<std::string> decoded = DecodeRussianWindows1251(bytes)) {
            text_ = std::move(*decoded);
            result_.encodingNote = Message(0, "", kWindows1251Text);
            return true;
        }
        // A line end never falls inside a UTF-8 sequence, so some line is not UTF-8 itself.
        const std::vector<std::string_view> lines = SplitLines(bytes);
        std::size_t bad = 0;
        while (bad + 1 < lines.size() && IsValidUtf8(lines[bad]))
            ++bad;
        return Fail(static_cast<int>(bad + 1), "", kNotTextText + QuoteForMessage(lines[bad]));
    }

    bool Collect() {
        const std::vector<std::string_view> lines = SplitLines(text_);
        for (std::size_t i = 0; i < lines.size(); ++i) {
            if (!CollectLine(static_cast<int>(i + 1), std::string(lines[i])))
                return false;
        }
        return true;
    }

    bool CollectLine(int number, std::string raw) {
        if (number == 1 && raw.starts_with(kByteOrderMark))
            raw.erase(0, std::string_view(kByteOrderMark).size());
        const auto equals = raw.find('=');
        const auto hash = raw.find('#');
        if (equals == std::string::npos || hash < equals) {
            const std::string text = TrimWhite(raw.substr(0, hash));
            if (text.empty())
                return true;
            if (!LooksLikeText(raw))
                return Fail(number, "", kNotTextText + QuoteForMessage(raw));
            return Fail(number, QuoteForMessage(text), "нет знака «=» (строка пишется как КЛЮЧ = значение)");
        }
        std::string key = TrimWhite(raw.substr(0, equals));
        std::transform(key.begin(), key.end(), key.begin(), [](unsigned char c) { return std::toupper(c); });
        const std::optional<std::string> value = ReadValue(raw.substr(equals + 1));
        if (!value)
            return Fail(number, key, "нет закрывающей кавычки");
        if (key == "POINT") {
            points_.push_back({number, *value});
            return true;
        }
        const bool known = ParamIndexOfKey(key) > 0 || key == "TRAY" || key == "NAME" || key == "SYSTEM" ||
                           key == "ALFA" || key == "ANTOINE";
        if (!known && !LooksLikeText(raw))
            return Fail(number, "", kNotTextText + QuoteForMessage(raw));
        if (!known)
            return Fail(number, QuoteForMessage(key),
                        "неизвестный ключ (ключи перечислены в radirav-calc --help)");
        if (entries_.count(key))
            return Fail(number, key,
                        "задан дважды (первый раз в строке " + std::to_string(entries_[key].line) + ")");
        entries_[key] = {number, *value};
        return true;
    }

    // A number written by hand must be one number; the last input keeps what was typed, which the
    // program reads as Val does.
    bool OneNumber(const Entry& entry, const std::string& key, const std::string& raw) {
        if (keepOutOfRange_)
            return true;
        const std::string fault = TrailingTextFault(raw, NormalizeDecimalText(raw));
        return fault.empty() || Fail(entry.line, key, fault);
    }

    // A name holds no control character: refused when written by hand, shown escaped when kept.
    bool StoreName(const char* key, std::string& name) {
        const auto found = entries_.find(key);
        if (found == entries_.end())
            return true;
        const std::string& value = found->second.value;
        if (!HasControlCharacter(value)) {
            name = value;
            return true;
        }
        if (keepOutOfRange_) {
            name = EscapeForMessage(value);
            return true;
        }
        return Fail(found->second.line, key,
                    QuoteForMessage(value) + ": управляющий символ в тексте; уберите его из строки");
    }

    bool ApplyScalars() {
        ProgramState& state = result_.state;
        for (int i = 1; i <= param::kCount; ++i) {
            const std::string key(ParamKey(i));
            const auto found = entries_.find(key);
            if (found == entries_.end())
                continue;
            if (!OneNumber(found->second, key, found->second.value))
                return false;
            EnterParamValue(state, i, found->second.value);
        }
        if (const auto tray = entries_.find("TRAY"); tray != entries_.end()) {
            std::string type = tray->second.value;
            std::transform(type.begin(), type.end(), type.begin(),
                           [](unsigned char c) { return std::toupper(c); });
            if (type != "K" && type != "S")
                return Fail(tray->second.line, "TRAY",
                            QuoteForMessage(tray->second.value) + ": нужно K (колпачковые) или S (ситчатые)");
            state.TrayType = type;
        }
        return StoreName("NAME", state.StudentName) && StoreName("SYSTEM", state.SystemName);
    }

    bool ReadEquilibrium() {
        // The first line of each equilibrium given, in file order; a second one is the fault.
        std::vector<std::pair<int, std::string>> given;
        for (const char* key : {"ALFA", "ANTOINE"}) {
            if (entries_.count(key))
                given.emplace_back(entries_[key].line, key);
        }
        if (!points_.empty())
            given.emplace_back(points_.front().line, "POINT");
        std::sort(given.begin(), given.end());
        if (given.size() > 1) {
            return Fail(given[1].first, given[1].second,
                        "второе равновесие (" + given[0].second + " в строке " +
                            std::to_string(given[0].first) +
                            "); задайте одно: ALFA, ANTOINE или строки POINT");
        }
        if (entries_.count("ALFA"))
            return ApplyAlfa(entries_["ALFA"]);
        if (entries_.count("ANTOINE"))
            return ApplyAntoine(entries_["ANTOINE"]);
        return ApplyPoints();
    }

    bool ApplyAlfa(const Entry& entry) {
        ProgramState& state = result_.state;
        if (!OneNumber(entry, "ALFA", entry.value))
            return false;
        if (StoreTypedAlfa(state, entry.value)) {
            ApplyEquilibrium(state, EquilibriumSource::ConstantAlfa);
            return true;
        }
        // Kept out of range, an ALFA is chosen but not entered: a recalculation does not use it.
        ChooseConstantAlfa(state);
        return OutOfRange(entry.line, "ALFA", ValueFault(entry.value, state.AlfaText, kAlfaRangeText));
    }

    bool ApplyAntoine(const Entry& entry) {
        ProgramState& state = result_.state;
        const auto words = SplitWords(entry.value);
        if (words.size() != 6) {
            return Fail(entry.line, "ANTOINE",
                        "нужно шесть констант A1 B1 C1 A2 B2 C2, задано " + std::to_string(words.size()));
        }
        for (int i = 1; i <= 6; ++i) {
            const std::string& word = words[static_cast<std::size_t>(i - 1)];
            if (!OneNumber(entry, "ANTOINE", word))
                return false;
            EnterAntoineValue(state, i, word);
        }
        if (const int bad = CheckAntoineConstants(state); bad != 0) {
            if (!OutOfRange(entry.line, "ANTOINE",
                            state.AntoineNames[bad] + " " +
                                ValueFault(words[static_cast<std::size_t>(bad - 1)], state.AntoineTexts[bad],
                                           DescribeAntoineRange(bad))))
                return false;
        }
        ApplyEquilibrium(state, EquilibriumSource::Antoine);
        return true;
    }

    bool ApplyPoints() {
        ProgramState& state = result_.state;
        if (!points_.empty()) {
            const int n = static_cast<int>(points_.size());
            if (n < kMinEqPoints || n > kMaxEqPoints) {
                return Fail(points_[static_cast<std::size_t>(std::min(n, kMaxEqPoints + 1) - 1)].line,
                            "POINT", "задано точек: " + std::to_string(n) + ", нужно от 8 до 20");
            }
            state.EqPointCount = n;
            for (int i = 1; i <= n; ++i) {
                const Entry& entry = points_[static_cast<std::size_t>(i - 1)];
                const auto words = SplitWords(entry.value);
                if (words.size() != 2)
                    return Fail(entry.line, "POINT",
                                "нужно два числа x y, задано " + std::to_string(words.size()));
                // The last input keeps every coordinate as typed, a marked one as its marker.
                for (const std::string& word : words) {
                    if (keepOutOfRange_)
                        continue;
                    if (!StartsWithNumber(NormalizeDecimalText(word)))
                        return Fail(entry.line, "POINT",
                                    QuoteForMessage(word) + " не число (нужно два числа x y)");
                    if (!OneNumber(entry, "POINT", word))
                        return false;
                }
                EnterPointX(state, i, words[0]);
                EnterPointY(state, i, words[1]);
                if (words[0] == kWrittenMarker)
                    state.EqXText[i] = kOutOfRangeMarker;
                if (words[1] == kWrittenMarker)
                    state.EqYText[i] = kOutOfRangeMarker;
            }
        }
        // The typed numbers before the check re-reads the texts, to find a failing point's line.
        SortPointsAndComputeAlfa(state);
        std::vector<std::pair<float, float>> sorted;
        for (int i = 1; i <= state.EqPointCount; ++i)
            sorted.emplace_back(state.EqX[i], state.EqY[i]);
        RereadPointTexts(state);
        const PointCheck check = CheckEquilibriumPoints(state);
        if (check.point != 0) {
            const int line = LineOfPoint(sorted[check.point - 1u]);
            if (!OutOfRange(line, "POINT",
                            TrimBlanks(check.caption) + (line == 0 ? " (точка примера)" : "") +
                                " (точки по возрастанию x; у каждой 0 < x < 1, 0 < y < 1, y >= x; "
                                "x и y возрастают)"))
                return false;
        }
        // A table kept failing its check is not the equilibrium of a calculation until corrected.
        if (check.point == 0) {
            ApplyEquilibrium(state, EquilibriumSource::Points);
        } else {
            ChooseVariableVolatility(state);
            ChooseTabulatedPoints(state);
            FinishPointsEntry(state);
        }
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
            if (!ParamOutOfRange(bad))
                return false;
            if (result_.outOfRange)
                return true; // the first value kept out of range is the one named
        }
        return true;
    }

    // Parameter `bad` failed its group's check: outside its own range, or out of order with XF.
    bool ParamOutOfRange(int bad) {
        const ProgramState& state = result_.state;
        if (IsParamInRange(bad, state.InputParams[bad].Value))
            return FailCompositionOrder(bad);
        const std::string key(ParamKey(bad));
        const auto found = entries_.find(key);
        if (found == entries_.end()) {
            return OutOfRange(0, key,
                              QuoteForMessage(state.InputValueTexts[bad]) +
                                  " (значение примера) вне диапазона; допустимо " + DescribeParamRange(bad));
        }
        return OutOfRange(
            found->second.line, key,
            ValueFault(found->second.value, state.InputValueTexts[bad], DescribeParamRange(bad)));
    }

    // XP below XF or XW above XF, each value in its own range: both values and where each came
    // from. The message stands on the line of the failing value, or on XF's when that one is the
    // sample's.
    bool FailCompositionOrder(int bad) {
        const ProgramState& state = result_.state;
        const std::string key(ParamKey(bad));
        const auto value = [&](int index) {
            const std::string name(ParamKey(index));
            return name + " = " + ShortenForMessage(state.InputValueTexts[index]) + " (" + SourceOf(name) +
                   ")";
        };
        const std::string what = bad == param::kXP
                                     ? value(param::kXP) + " меньше " + value(param::kXF) +
                                           ": дистиллят должен быть не беднее исходной смеси, XP >= XF"
                                     : value(param::kXW) + " не меньше " + value(param::kXF) +
                                           ": кубовый остаток должен быть беднее исходной смеси, XW < XF";
        const std::string lineKey = entries_.count(key) ? key : "XF";
        const auto found = entries_.find(lineKey);
        return OutOfRange(found == entries_.end() ? 0 : found->second.line, lineKey, what);
    }

    std::string fileName_;
    bool keepOutOfRange_;
    CaseFileResult result_;
    std::string text_; // the file as UTF-8
    std::map<std::string, Entry> entries_;
    std::vector<Entry> points_;
};

} // namespace

CaseFileResult ReadCaseFile(std::istream& in, const std::string& fileName, CaseChecks checks) {
    // Read in chunks up to one byte past the limit, which is enough to know the stream is too long.
    std::string text;
    char chunk[16384];
    while (text.size() <= kMaxCaseFileBytes && in.read(chunk, sizeof chunk).gcount() > 0)
        text.append(chunk, static_cast<std::size_t>(in.gcount()));
    if (in.bad())
        return CaseReader(fileName).Refuse("файл не читается (ошибка чтения)");
    return CaseReader(fileName, checks).Read(text);
}

CaseFileResult ReadCaseText(const std::string& text, const std::string& fileName, CaseChecks checks) {
    return CaseReader(fileName, checks).Read(text);
}

CaseFileResult ReadCaseFromPath(const std::string& path, CaseChecks checks) {
    namespace fs = std::filesystem;
    std::error_code error;
    const fs::file_status status = fs::status(path, error);
    if (status.type() == fs::file_type::not_found)
        return CaseReader(path).Refuse("нет такого файла");
    if (error)
        return CaseReader(path).Refuse("файл недоступен (нет прав на папку?)");
    if (status.type() == fs::file_type::directory)
        return CaseReader(path).Refuse("это папка, а не файл варианта");
    if (status.type() != fs::file_type::regular) {
        return CaseReader(path).Refuse(
            "не обычный файл (канал, устройство или сокет); читаются только обычные файлы");
    }
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return CaseReader(path).Refuse("файл не открывается (нет прав на чтение?)");
    return ReadCaseFile(in, path, checks);
}

std::string FormatCaseFile(const ProgramState& state) {
    std::string text = "# Вариант RADIRAV-9: КЛЮЧ = значение, # начинает комментарий\n";
    text += "NAME = " + QuotedIfNeeded(state.StudentName) + "\n";
    text += "SYSTEM = " + QuotedIfNeeded(state.SystemName) + "\n";
    if (!state.TrayType.empty())
        text += "TRAY = " + state.TrayType + "\n";
    for (int i = 1; i <= param::kCount; ++i) {
        if (i == param::kFirstGeneral || i == param::kFirstRectifying || i == param::kFirstStripping)
            text += "\n";
        std::string line =
            std::string(ParamKey(i)) + " = " + QuotedIfNeeded(RetypedDecimalText(state.InputValueTexts[i]));
        if (const std::string label = TrimBlanks(state.InputParams[i].Label); !label.empty())
            line += PadSpaces(line, 24) + "  # " + label;
        text += line + "\n";
    }
    text += "\n";
    switch (WrittenEquilibrium(state)) {
    case Written::None:
        break;
    case Written::Alfa:
        text += "ALFA = " + QuotedIfNeeded(RetypedDecimalText(state.AlfaText)) + "\n";
        break;
    case Written::Antoine:
        text += "ANTOINE =";
        for (int i = 1; i <= 6; ++i)
            text += " " + NumberWord(RetypedDecimalText(state.AntoineTexts[i]));
        text += "\n";
        break;
    case Written::Points:
        for (int i = 1; i <= state.EqPointCount; ++i)
            text += "POINT = " + PointWord(state.EqXText[i]) + " " + PointWord(state.EqYText[i]) + "\n";
        break;
    }
    return text;
}

CaseResumption ResumptionOf(ProgramState state) {
    // A copy: the checks note their verdict in the state.
    if (state.AntoineMode)
        return CheckAntoineConstants(state) == 0 ? CaseResumption::Calculation
                                                 : CaseResumption::AntoineCorrection;
    if (WrittenEquilibrium(state) != Written::Points || !state.TableMode)
        return CaseResumption::Calculation;
    // As the check screen sees the table: sorted, the texts re-read.
    SortPointsAndComputeAlfa(state);
    RereadPointTexts(state);
    return CheckEquilibriumPoints(state).point == 0 ? CaseResumption::Calculation
                                                    : CaseResumption::PointsCheck;
}

} // namespace radirav
