#include "report/study_text.h"

#include "model/entry.h"
#include "report/report_text.h"
#include "support/sample_state.h"
#include "support/test_names.h"

#include <gtest/gtest.h>

namespace radirav {
namespace {

constexpr StudiedInput kFeed{StudiedKind::Parameter, param::kF};
constexpr StudiedInput kTray{StudiedKind::TrayType, 0};

// Rows at the given values, working where `works` says so.
std::vector<StudyRow> Rows(std::initializer_list<std::pair<double, bool>> values) {
    std::vector<StudyRow> rows;
    for (const auto& [value, works] : values) {
        StudyRow row;
        row.value = value;
        row.stop = works ? CalcStop::None : CalcStop::TrayLimit;
        rows.push_back(row);
    }
    return rows;
}

struct WorkingCase {
    const char* name;
    StudiedInput input;
    std::vector<StudyRow> rows;
    std::vector<ValueRange> working;
    ValueRange searched;
    const char* text;
};

class WorkingTexts : public ::testing::TestWithParam<WorkingCase> {};

// Every piece is named; a bound that is a row's value reads as the row shows it, one found
// between rows to four digits.
TEST_P(WorkingTexts, NameEveryPieceWhereTheColumnsWork) {
    InputStudy study;
    study.input = GetParam().input;
    study.rows = GetParam().rows;
    study.working = GetParam().working;
    study.searched = GetParam().searched;
    EXPECT_EQ(WorkingText(study), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(
    Studies, WorkingTexts,
    ::testing::Values(WorkingCase{"whole range",
                                  kFeed,
                                  Rows({{2, true}, {4, true}}),
                                  {{2, 4}},
                                  {2, 4},
                                  "колонна работает при F от 2 до 4"},
                      WorkingCase{"three pieces",
                                  kFeed,
                                  Rows({{2, true}, {3, false}, {4, true}, {5, false}, {6, true}}),
                                  {{2, 2.345678}, {3.5, 4.1}, {5.5, 6}},
                                  {2, 6},
                                  "колонна работает при F от 2 до 2.346, от 3.5 до 4.1 и от 5.5 до 6"},
                      WorkingCase{"one value",
                                  kFeed,
                                  Rows({{3, false}, {4, true}}),
                                  {{4, 4}},
                                  {3, 4},
                                  "колонна работает при F = 4"},
                      WorkingCase{"none",
                                  kFeed,
                                  Rows({{1, false}, {3, false}}),
                                  {},
                                  {1, 3},
                                  "колонна не работает ни при одном значении F от 1 до 3"},
                      WorkingCase{"scan wider than the rows",
                                  kStudiedReflux,
                                  Rows({{3.3, true}, {16.5, true}}),
                                  {{3.3, 15.2}},
                                  {0.01, 10000},
                                  "колонна работает при R от 3.3 до 15.2 (поиск от 0.01 до 10000)"},
                      WorkingCase{"both tray types",
                                  kTray,
                                  Rows({{kBubbleCapValue, true}, {kSieveValue, true}}),
                                  {},
                                  {},
                                  "колонна работает с колпачковыми и ситчатыми тарелками"},
                      WorkingCase{"sieve trays only",
                                  kTray,
                                  Rows({{kBubbleCapValue, false}, {kSieveValue, true}}),
                                  {},
                                  {},
                                  "колонна работает только с ситчатыми тарелками"},
                      WorkingCase{"neither tray type",
                                  kTray,
                                  Rows({{kBubbleCapValue, false}, {kSieveValue, false}}),
                                  {},
                                  {},
                                  "колонна не работает ни с колпачковыми, ни с ситчатыми тарелками"}),
    [](const auto& info) { return testing::CaseName(info.param.name); });

TEST(StudyNumbers, ReadWithoutExponentsOrNeedlessDigits) {
    EXPECT_EQ(FourDigits(3.27351), "3.274");
    EXPECT_EQ(FourDigits(10000.0), "10000");
    EXPECT_EQ(FourDigits(2.63e-5), "0.0000263");
    EXPECT_EQ(StudyValueText({StudiedKind::Alfa, 0}, 100000.0), "100000");
    EXPECT_EQ(StudyValueText({StudiedKind::Parameter, param::kDX}, 2.63e-5), "0.0000263");
    EXPECT_EQ(StudyValueText(kTray, kSieveValue), "S");
}

TEST(StudentRefluxText, SaysHowFarTheStudentsRefluxIsFromTheOptimum) {
    const RefluxOptimum optimum{4.0, 40, 200.0, std::nullopt};
    EXPECT_EQ(StudentRefluxText(5.0, optimum), "R варианта 5 на 25 % больше оптимального");
    EXPECT_EQ(StudentRefluxText(3.0, optimum), "R варианта 3 на 25 % меньше оптимального");
    EXPECT_EQ(StudentRefluxText(4.01, optimum), "R варианта 4.01 равно оптимальному");
    EXPECT_EQ(StudentRefluxText(12.0, optimum), "R варианта 12 больше оптимального, R/Rопт = 3");
}

struct ColumnTextCase {
    const char* name;
    ProgramState (*make)();
    StudiedInput input;
    double value;
    std::vector<std::string> starts; // what each line begins with
};
void PrintTo(const ColumnTextCase& c, std::ostream* os) {
    *os << c.name;
}

class ColumnOfAStudy : public ::testing::TestWithParam<ColumnTextCase> {};

// A picked column names its value, then its trays and feed tray (the sample's 65 and 12 with
// sieve trays), or its stop and why; then each warning, or that there is none.
TEST_P(ColumnOfAStudy, SaysItsTraysAndFeedTrayOrWhyItStopped) {
    const ColumnTextCase& c = GetParam();
    const ProgramState state = c.make();
    const std::vector<std::string> lines =
        StudyColumnText(c.input, c.value, CalculateWith(state, c.input, c.value));
    ASSERT_EQ(lines.size(), c.starts.size());
    for (std::size_t i = 0; i < lines.size(); ++i)
        EXPECT_EQ(lines[i].rfind(c.starts[i], 0), 0u) << lines[i];
}

INSTANTIATE_TEST_SUITE_P(
    Studies, ColumnOfAStudy,
    ::testing::Values(ColumnTextCase{"sieve trays of the sample",
                                     [] { return testing::SampleWithPoints(); },
                                     kTray,
                                     kSieveValue,
                                     {"тарелки ситчатые: тарелок 65, питание на тарелке 12",
                                      "Замечаний по режиму тарелок нет."}},
                      ColumnTextCase{
                          "stripping area of three square metres",
                          [] { return testing::SampleWithPoints(); },
                          {StudiedKind::Parameter, param::kFirstStripping + param::kS},
                          3,
                          {"SIS = 3: тарелок ", "Внимание! На тарелках 1–5 исчерпывающей части F-фактор"}},
                      ColumnTextCase{"alfa of 3 at the tray limit",
                                     [] { return testing::SampleWithAlfa(10); },
                                     {StudiedKind::Alfa, 0},
                                     3,
                                     {"ALFA = 3: ТРЕБУЕМОЕ ЧИСЛО ТАРЕЛОК > 300",
                                      "Рабочая линия исчерпывающей части встречает равновесную кривую"}},
                      ColumnTextCase{"feed between round values",
                                     [] { return testing::SampleWithPoints(); },
                                     kFeed,
                                     2.2840703,
                                     {"F = 2.284: тарелок ", "Замечаний по режиму тарелок нет."}}),
    [](const auto& info) { return testing::CaseName(info.param.name); });

struct FileNameCase {
    const char* name;
    const char* student;
    const char* system;
    const char* base;
};
void PrintTo(const FileNameCase& c, std::ostream* os) {
    *os << c.name;
}

class SavedFileName : public ::testing::TestWithParam<FileNameCase> {};

// Built from the student and the system, with what no file system takes in a name replaced.
TEST_P(SavedFileName, IsBuiltFromTheStudentAndTheSystem) {
    ProgramState state;
    state.StudentName = GetParam().student;
    state.SystemName = GetParam().system;
    EXPECT_EQ(SavedFileBaseName(state), GetParam().base);
}

INSTANTIATE_TEST_SUITE_P(Saves, SavedFileName,
                         ::testing::Values(FileNameCase{"both names", "Петров П.П. гр. 5-12", "Этанол-Вода",
                                                        "Петров П.П. гр. 5-12 - Этанол-Вода"},
                                           FileNameCase{"slashes and colons", "Иванов гр. 5/12", "A:B",
                                                        "Иванов гр. 5_12 - A_B"},
                                           FileNameCase{"trailing dot", "Сидоров С.С.", "", "Сидоров С.С"},
                                           FileNameCase{"control character", "Ким\x07", "  ", "Ким_"},
                                           FileNameCase{"no names", "", "", "radirav"}),
                         [](const auto& info) { return testing::CaseName(info.param.name); });

// A saved picture says whose calculation it is, of what, and when; a control character in a
// name shows as its code.
TEST(PictureSignature, NamesTheStudentTheSystemAndTheDate) {
    ProgramState state;
    state.StudentName = "Петров П.П. гр. 5-12";
    state.SystemName = "Этанол-Вода";
    EXPECT_EQ(PictureSignature(state, {2026, 12, 7, 14, 35, 12}),
              "Петров П.П. гр. 5-12 · Этанол-Вода · 07 декабря 2026г. 14:35:12");
    state.StudentName = "Ким\x1b";
    state.SystemName.clear();
    const std::string signature = PictureSignature(state, {2026, 1, 2, 3, 4, 5});
    EXPECT_EQ(signature.find('\x1b'), std::string::npos);
    EXPECT_EQ(signature.rfind("Ким", 0), 0u);
    EXPECT_NE(signature.find("02 января 2026г."), std::string::npos);
}

} // namespace
} // namespace radirav
