#include "model/entry.h"
#include "model/equilibrium_choice.h"
#include "report/history_text.h"
#include "support/sample_state.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <iterator>

namespace radirav {
namespace {

// A session as a student makes it from the change menu: the sample, a larger feed (typed with a
// stray tab), constant ALFA = 3 on sieve trays, which stops at the tray limit, and the same again.
std::vector<CalculationRecord> Session() {
    ProgramState state = testing::SampleWithPoints();
    CalculationHistory history;
    history.Add(state, CalculateColumn(state));
    EnterParamValue(state, param::kF, "5.51\t");
    history.Add(state, CalculateColumn(state));
    ChooseConstantAlfa(state);
    StoreTypedAlfa(state, "3");
    state.TrayType = "S";
    history.Add(state, CalculateColumn(state));
    history.Add(state, CalculateColumn(state));
    return history.Records();
}

TEST(HistoryRows, SpellOutEachChangeAndWhatItGave) {
    const std::vector<HistoryRow> rows = HistoryRows(Session());
    ASSERT_EQ(rows.size(), 4u);
    EXPECT_EQ(rows[0], (HistoryRow{"1", "исходные данные", "59", "10", "без замечаний"}));
    EXPECT_EQ(rows[1][1], "F: 2.78 → 5.51\t");
    EXPECT_EQ(rows[1][2], "111");
    EXPECT_EQ(rows[1][3], "39");
    EXPECT_EQ(rows[1][4].rfind("Внимание! ", 0), 0u) << rows[1][4]; // the larger feed overloads a tray
    // A stopped column shows no counts, only its stop.
    EXPECT_EQ(rows[2],
              (HistoryRow{"3", "тарелки: колпачковые → ситчатые; равновесие: 15 равновесных точек → ALFA = 3",
                          "", "", "ТРЕБУЕМОЕ ЧИСЛО ТАРЕЛОК > 300"}));
    EXPECT_EQ(rows[3][1], "без изменений");
}

TEST(HistoryCopyText, KeepsEveryCellInItsColumn) {
    const std::string text = HistoryCopyText(Session());
    EXPECT_EQ(text.substr(0, text.find('\n')), "№\tЧто изменено\tТарелок\tТарелка питания\tИтог");
    EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), 5);
    EXPECT_EQ(std::count(text.begin(), text.end(), '\t'), 5 * 4);
}

// The characters (code points) of a UTF-8 line, each as its bytes.
std::vector<std::string> Characters(const std::string& line) {
    std::vector<std::string> chars;
    for (const char c : line) {
        if ((static_cast<unsigned char>(c) & 0xC0) == 0x80)
            chars.back() += c;
        else
            chars.emplace_back(1, c);
    }
    return chars;
}

std::size_t CharacterIndex(const std::string& line, const std::string& text) {
    return Characters(line.substr(0, line.find(text))).size();
}

std::string WithoutBlanks(const std::string& text) {
    std::string kept;
    std::copy_if(text.begin(), text.end(), std::back_inserter(kept),
                 [](char c) { return std::isspace(static_cast<unsigned char>(c)) == 0; });
    return kept;
}

const std::string kDate = "07 декабря 2026г.        14:35:12";

TEST(HistoryPrintLines, HeadThePageWithTheStudentTheDateAndTheSystem) {
    ProgramState state = testing::SampleWithPoints();
    state.StudentName = "Иванов И.и. Гр. 5-12";
    state.SystemName = "Этанол-вода";
    const std::vector<std::string> lines = HistoryPrintLines(state, Session(), kDate);
    // As the report heads its page: the date from column 41.
    ASSERT_FALSE(lines.empty());
    EXPECT_EQ(lines[0], "Иванов И.и. Гр. 5-12" + std::string(20, ' ') + kDate);
    EXPECT_NE(std::find(lines.begin(), lines.end(), "СИСТЕМА - Этанол-вода"), lines.end());
}

// Cells broken into lines stay in their columns, lose no character, and no line is wider than
// the report's results table (86 characters). The second calculation's warnings run over many
// lines; the third one's typed value is a word longer than its column.
TEST(HistoryPrintLines, KeepEveryCharacterOfEveryCellInItsColumn) {
    ProgramState state = testing::SampleWithPoints();
    CalculationHistory history;
    history.Add(state, CalculateColumn(state));
    EnterParamValue(state, param::kF, "5.51");
    history.Add(state, CalculateColumn(state));
    EnterParamValue(state, param::kF, "2.7800000000000000000000000000000000001");
    history.Add(state, CalculateColumn(state));
    const std::vector<CalculationRecord> records = history.Records();

    const std::vector<std::string> lines = HistoryPrintLines(state, records, kDate);
    for (const std::string& line : lines)
        EXPECT_LE(Characters(line).size(), 86u) << line;
    // The columns begin where their headings do ("Тарелок" and "Тарелка" fill theirs).
    const auto header = std::find_if(lines.begin(), lines.end(), [](const std::string& line) {
        return line.find("Что изменено") != std::string::npos;
    });
    ASSERT_NE(header, lines.end());
    const std::vector<std::size_t> starts{
        0, CharacterIndex(*header, "Что изменено"), CharacterIndex(*header, "Тарелок"),
        CharacterIndex(*header, "Тарелка"), CharacterIndex(*header, "Итог")};
    const auto rule =
        std::find_if(header, lines.end(), [](const std::string& line) { return line.rfind("---", 0) == 0; });
    ASSERT_NE(rule, lines.end());

    const std::vector<HistoryRow> rows = HistoryRows(records);
    std::vector<HistoryRow> printed(1);
    for (auto line = rule + 1; line != lines.end(); ++line) {
        if (line->empty()) {
            printed.emplace_back();
            continue;
        }
        const std::vector<std::string> chars = Characters(*line);
        for (std::size_t c = 0; c < starts.size(); ++c) {
            const std::size_t end = c + 1 < starts.size() ? starts[c + 1] : chars.size();
            for (std::size_t k = starts[c]; k < std::min(end, chars.size()); ++k)
                printed.back()[c] += chars[k];
        }
    }
    ASSERT_EQ(printed.size(), rows.size());
    for (std::size_t r = 0; r < rows.size(); ++r) {
        for (std::size_t c = 0; c < rows[r].size(); ++c)
            EXPECT_EQ(WithoutBlanks(printed[r][c]), WithoutBlanks(rows[r][c]))
                << "row " << r + 1 << ", column " << c + 1;
    }
    EXPECT_NE(rows[2][1].find("2.7800000000000000000000000000000000001"), std::string::npos);
}

} // namespace
} // namespace radirav
