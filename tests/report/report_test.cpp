#include "calc/column.h"
#include "model/entry.h"
#include "model/text.h"
#include "report/report_text.h"
#include "report/results_text.h"
#include "support/sample_state.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace radirav {
namespace {

const std::string kDate = "07 декабря 2026г.        14:35:12";

struct NumberCase {
    const char* name;
    float value;
    int width, decimals;
    std::string text;
};

class FormatResultNumberCases : public ::testing::TestWithParam<NumberCase> {};

TEST_P(FormatResultNumberCases, RightAlignsWithFixedDecimals) {
    const auto& c = GetParam();
    EXPECT_EQ(FormatResultNumber(c.value, c.width, c.decimals), c.text);
}

INSTANTIATE_TEST_SUITE_P(
    Numbers, FormatResultNumberCases,
    ::testing::Values(NumberCase{"Half", 0.5f, 11, 4, "     0.5000"},
                      NumberCase{"FillsTheWidth", 123456.7f, 11, 4, "123456.7000"},
                      NumberCase{"WiderThanTheWidthKeptWhole", 1234567.0f, 11, 4, "1234567.0000"},
                      NumberCase{"Negative", -0.25f, 11, 4, "    -0.2500"},
                      NumberCase{"TinyNegativeShowsZero", -0.00001f, 11, 4, "     0.0000"},
                      NumberCase{"RoundsUp", 0.99996f, 8, 4, "  1.0000"},
                      NumberCase{"NoDecimals", 2.0f, 4, 0, "   2"}),
    [](const auto& info) { return std::string(info.param.name); });

// Found by fuzzing: more decimals than the conversion buffer holds left its text unwritten.
TEST(FormatResultNumber, MoreDecimalsThanItCanWriteGiveTheShortestForm) {
    EXPECT_EQ(FormatResultNumber(-1.5e38f, 5, 1000), "-1.5e+38");
    EXPECT_EQ(FormatResultNumber(2.5f, 5, 1000), "  2.5");
}

TEST(FormatResultNumber, UsesTheGivenDecimalSeparator) {
    EXPECT_EQ(FormatResultNumber(0.5f, 7, 2, ','), "   0,50");
}

struct DateCase {
    const char* name;
    DateTimeParts when;
    std::string text;
};

class FormatRussianDateCases : public ::testing::TestWithParam<DateCase> {};

TEST_P(FormatRussianDateCases, WritesTheMonthInTheGenitive) {
    EXPECT_EQ(FormatRussianDate(GetParam().when), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(
    Dates, FormatRussianDateCases,
    ::testing::Values(
        DateCase{"December", {2026, 12, 7, 14, 35, 12}, kDate},
        DateCase{"JanuaryAtMidnight", {2027, 1, 31, 0, 0, 5}, "31 января 2027г.        00:00:05"},
        DateCase{"MayWithLeadingZeros", {2027, 5, 1, 9, 5, 0}, "01 мая 2027г.        09:05:00"},
        DateCase{"MonthBeyondTwelveIsDecember", {2027, 13, 1, 9, 5, 0}, "01 декабря 2027г.        09:05:00"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(ResultsTableLines, RuleTwelveRowsWithBarsInFixedColumns) {
    ProgramState state = testing::SampleWithPoints();
    CalculateAndStore(state);
    const auto lines = ResultsTableLines(state);
    ASSERT_EQ(lines.size(), 14u);
    for (const std::string& line : lines) {
        EXPECT_EQ(CharCount(line), 86u) << line;
        // Bars at character positions 3, 44, 58, 72 and 86 (1-based) of every line.
        std::size_t position = 0;
        std::vector<std::size_t> bars;
        for (std::size_t i = 0; i < line.size(); ++i) {
            if ((static_cast<unsigned char>(line[i]) & 0xC0) == 0x80)
                continue;
            ++position;
            if (line[i] == '|')
                bars.push_back(position);
        }
        EXPECT_EQ(bars, (std::vector<std::size_t>{3, 44, 58, 72, 86})) << line;
    }
    EXPECT_EQ(lines[2].substr(0, 3), "  |");
    EXPECT_NE(lines[2].find("СКОРОСТЬ ПАРА М/С"), std::string::npos);
    EXPECT_NE(lines[7].find("КРИТЕРИЙ ПРАНДТЛЯ"), std::string::npos) << "rows 6 and 7 are left out";
}

TEST(TrayCountLine, ShowsCountsWithTheSignBlank) {
    EXPECT_EQ(TrayCountLine(59, 10),
              "ТРЕБУЕМОЕ ЧИСЛО ТАРЕЛОК  59        ТАРЕЛКА ПИТАНИЯ -  10-я, (считая снизу)      ");
    EXPECT_NE(TrayCountLine(1, 0).find("ПИТАНИЯ -  0-я"), std::string::npos);
}

TEST(ReportDocuments, ConstantAlfaFitsOnePage) {
    ProgramState state = testing::SampleWithAlfa(10.0);
    state.AlfaText = "10";
    CalculateAndStore(state);
    const auto docs = ReportDocuments(state, kDate);
    ASSERT_EQ(docs.size(), 1u);
    const auto& page = docs[0];
    EXPECT_EQ(page[0], state.StudentName + PadSpaces(state.StudentName, 40) + kDate);
    EXPECT_EQ(page[1], "");
    EXPECT_EQ(page[2], "");
    EXPECT_EQ(page[3], "                          П Р О Г Р А М М А           R A D I R A V - 9");
    EXPECT_EQ(page[7], "СИСТЕМА - Этанол-Вода");
    EXPECT_EQ(page[11], "  РАСХОД ИСХОДНОЙ СМЕСИ, КГ/С                            2.78");
    EXPECT_EQ(page[20], "  ДАВЛЕНИЕ В КОЛОННЕ, ММ. РТ. СТ.                       760");
    const std::vector<std::string> expectedTail{
        " ТАРЕЛКИ КОЛПАЧКОВЫЕ",
        "",
        "                             РАВНОВЕСНЫЕ ДАННЫЕ",
        "",
        "      ALFA=10",
        "",
        "  ТРЕБУЕМОЕ ЧИСЛО ТАРЕЛОК  15        ТАРЕЛКА ПИТАНИЯ -  11-я, (считая снизу)      ",
        "",
        kResultsTitleLine,
        ""};
    const auto tray = std::find(page.begin(), page.end(), expectedTail.front());
    ASSERT_NE(tray, page.end());
    EXPECT_EQ(std::vector<std::string>(tray, tray + static_cast<long>(expectedTail.size())), expectedTail);
    EXPECT_EQ(page.end() - tray, static_cast<long>(expectedTail.size() + 14));
}

TEST(ReportDocuments, ValueColumnDependsOnTheStoredLabelWidth) {
    ProgramState state = testing::SampleWithAlfa(10.0);
    const auto page = ReportDocuments(state, kDate)[0];
    const auto general = std::find_if(page.begin(), page.end(), [](const std::string& l) {
        return l.find("ФЛЕГМОВОЕ") != std::string::npos;
    });
    const auto section = std::find_if(page.begin(), page.end(), [](const std::string& l) {
        return l.find("ДЛИНА ПЕРЕЛИВА") != std::string::npos;
    });
    ASSERT_NE(general, page.end());
    ASSERT_NE(section, page.end());
    EXPECT_EQ(CharCount(*general) - CharCount(state.InputValueTexts[11]), 57u) << "value starts in column 58";
    EXPECT_EQ(CharCount(*section) - CharCount(state.InputValueTexts[13]), 56u) << "value starts in column 57";
}

TEST(ReportDocuments, WritesTheTableWithTheScreensDecimalSeparator) {
    ProgramState state = testing::SampleWithAlfa(10.0);
    CalculateAndStore(state);
    const auto page = ReportDocuments(state, kDate, ',')[0];
    const std::vector<std::string> table = ResultsTableLines(state, ',');
    ASSERT_GE(page.size(), table.size());
    EXPECT_TRUE(std::equal(table.begin(), table.end(), page.end() - static_cast<long>(table.size())));
    EXPECT_NE(page.back().find("0,"), std::string::npos);
    EXPECT_EQ(page.back().find("0."), std::string::npos);
}

TEST(ReportDocuments, TabulatedPointsPutTheResultsOnPageTwo) {
    ProgramState state = testing::SampleWithPoints("S");
    CalculateAndStore(state);
    const auto docs = ReportDocuments(state, kDate);
    ASSERT_EQ(docs.size(), 2u);
    EXPECT_EQ(docs[0][0], kDate + PadSpaces(kDate, 60) + "Solmina-9  стр.1");
    EXPECT_EQ(CharCount(docs[0][0].substr(0, docs[0][0].find("Solmina"))), 60u);
    EXPECT_EQ(docs[0][5], state.StudentName);
    EXPECT_NE(std::find(docs[0].begin(), docs[0].end(), " ТАРЕЛКИ СИТЧАТЫЕ"), docs[0].end());
    const auto first = std::find(docs[0].begin(), docs[0].end(),
                                 "                 X( 1)=0.019" + std::string(15, ' ') + "Y( 1)=0.17");
    ASSERT_NE(first, docs[0].end());
    EXPECT_EQ(*(first + 14), "                 X( 15)=0.8943" + std::string(14, ' ') + "Y( 15)=0.8943");
    EXPECT_EQ(*(first + 15), "");
    EXPECT_EQ(first + 16, docs[0].end());

    EXPECT_EQ(docs[1][0], kDate + PadSpaces(kDate, 60) + "Solmina-9  стр.2");
    EXPECT_EQ(docs[1][5],
              "  ТРЕБУЕМОЕ ЧИСЛО ТАРЕЛОК  65        ТАРЕЛКА ПИТАНИЯ -  12-я, (считая снизу)      ");
    EXPECT_EQ(docs[1].size(), 5u + 4u + 14u);
}

// Trays of three square metres in the stripping section: the vapour crosses them too slowly.
TEST(ReportDocuments, WarningsFollowTheTableWithinItsWidth) {
    ProgramState state = testing::SampleWithPoints();
    EnterParamValue(state, param::kFirstStripping + param::kS, "3");
    const ColumnResult result = CalculateAndStore(state);
    ASSERT_FALSE(result.warnings.empty());
    const auto plain = ReportDocuments(state, kDate);
    const auto warned = ReportDocuments(state, kDate, '.', result.warnings);
    ASSERT_EQ(warned.size(), plain.size());
    const ReportDocument& last = warned.back();
    ASSERT_GT(last.size(), plain.back().size());
    EXPECT_TRUE(std::equal(plain.back().begin(), plain.back().end(), last.begin())) << "the table unchanged";

    // Each warning after an empty line, as one sentence broken into indented lines of the table's width.
    std::vector<std::string> sentences;
    for (auto line = last.begin() + static_cast<long>(plain.back().size()); line != last.end(); ++line) {
        if (line->empty()) {
            sentences.emplace_back();
            continue;
        }
        ASSERT_FALSE(sentences.empty()) << "an empty line before each warning";
        EXPECT_LE(CharCount(*line), 86u) << *line;
        ASSERT_EQ(line->substr(0, 2), "  ");
        sentences.back() += (sentences.back().empty() ? "" : " ") + line->substr(2);
    }
    EXPECT_EQ(sentences, WarningSentences(result.warnings));
    EXPECT_TRUE(sentences.front().starts_with("Внимание! На тарелках 1–"));
}

TEST(ReportDocuments, IdealMixturePrintsTheAntoineTableWithoutEquilibriumHeading) {
    ProgramState state = testing::SampleWithAntoine();
    CalculateAndStore(state);
    const auto page = ReportDocuments(state, kDate)[0];
    EXPECT_EQ(std::find(page.begin(), page.end(), "                             РАВНОВЕСНЫЕ ДАННЫЕ"),
              page.end());
    const auto title =
        std::find(page.begin(), page.end(), "                           ПАРАМЕТРЫ УРАВНЕНИЯ АНТУАНА");
    ASSERT_NE(title, page.end());
    EXPECT_EQ(*(title - 1), "                      (СМЕСЬ РАССМАТРИВАЕТСЯ КАК ИДЕАЛЬНАЯ)");
    EXPECT_EQ(*(title + 1), "         A1                  23                  A2                  12");
    EXPECT_EQ(*(title + 3), "         C1                  -120                C2                  -145");
    EXPECT_EQ(*(title + 4), "");
    EXPECT_EQ(*(title + 5), "");
}

} // namespace
} // namespace radirav
