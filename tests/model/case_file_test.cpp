#include "model/case_file.h"

#include "calc/column.h"
#include "support/sample_state.h"

#include <gtest/gtest.h>

namespace radirav {
namespace {

CaseFileResult Read(const std::string& text) {
    return ReadCaseText(text, "test.case");
}

struct CalcCase {
    const char* name;
    std::string text;
    CalcStop stop;
    int trays, feed;
};

class CaseCalculations : public ::testing::TestWithParam<CalcCase> {};

TEST_P(CaseCalculations, CalculateLikeTheProgram) {
    CaseFileResult loaded = Read(GetParam().text);
    ASSERT_FALSE(loaded.error) << *loaded.error;
    const ColumnResult result = CalculateAndStore(loaded.state);
    EXPECT_EQ(result.stop, GetParam().stop);
    EXPECT_EQ(loaded.state.RequiredTrays, GetParam().trays);
    EXPECT_EQ(loaded.state.FeedTray, GetParam().feed);
}

INSTANTIATE_TEST_SUITE_P(Sample, CaseCalculations,
                         ::testing::Values(CalcCase{"EmptyFileIsTheSampleWithItsPoints", "", CalcStop::None,
                                                    59, 10},
                                           CalcCase{"SieveTrays", "TRAY = S\n", CalcStop::None, 65, 12},
                                           CalcCase{"AlfaWithComma", "ALFA = 10,0\n", CalcStop::None, 15, 11},
                                           CalcCase{"AlfaThreeHitsTheLimit", "alfa = 3  # comment\n",
                                                    CalcStop::TrayLimit, 300, 0}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(CaseFile, KeepsValuesAsTypedForTheReport) {
    const CaseFileResult loaded = Read("XF = 0,08\nNAME = Иванов\nSYSTEM = Метанол-Вода\n");
    ASSERT_FALSE(loaded.error);
    EXPECT_EQ(loaded.state.InputValueTexts[2], "0.08");
    EXPECT_EQ(loaded.state.InputParams[2].Value, 0.08f);
    EXPECT_EQ(loaded.state.StudentName, "Иванов");
    EXPECT_EQ(loaded.state.SystemName, "Метанол-Вода");
    EXPECT_TRUE(loaded.state.TableMode);
}

// Found by fuzzing: a stray carriage return inside a name was written back as a blank, so the
// saved case no longer read back to the same name.
TEST(CaseFile, NameWithAStrayCarriageReturnReadsBackAsWritten) {
    const CaseFileResult loaded = Read("NAME = Иванов\rгр. 5\nSYSTEM = Этанол\r-Вода\n");
    ASSERT_FALSE(loaded.error);
    EXPECT_EQ(loaded.state.StudentName, "Иванов гр. 5");
    const CaseFileResult again = ReadCaseText(FormatCaseFile(loaded.state), "again.case");
    ASSERT_FALSE(again.error);
    EXPECT_EQ(again.state.StudentName, loaded.state.StudentName);
    EXPECT_EQ(again.state.SystemName, loaded.state.SystemName);
}

// Found by fuzzing: "7<CR>7" read as 7 (the return ends the number) but was written back as
// "7 7", which reads as 77 (blanks are skipped). Now the return reads as the blank it is saved as.
TEST(CaseFile, ValueWithAStrayCarriageReturnReadsBackToTheSameNumber) {
    const CaseFileResult loaded = Read("SIS = 7\r7\n");
    ASSERT_FALSE(loaded.error) << *loaded.error;
    EXPECT_EQ(loaded.state.InputParams[param::kFirstStripping + param::kS].Value, 77.0f);
    const CaseFileResult again = ReadCaseText(FormatCaseFile(loaded.state), "again.case");
    ASSERT_FALSE(again.error) << *again.error;
    EXPECT_EQ(again.state.InputParams[param::kFirstStripping + param::kS].Value, 77.0f);
}

std::string EightPoints(const std::string& eighth = "0.8 0.9") {
    return "POINT = 0.1 0.3\nPOINT = 0.2 0.45\nPOINT = 0.3 0.55\nPOINT = 0.4 0.62\nPOINT = 0.5 0.7\n"
           "POINT = 0.6 0.77\nPOINT = 0.7 0.83\nPOINT = " +
           eighth + "\n";
}

struct TextFormCase {
    const char* name;
    std::string text;
    std::string student; // as read
    std::string xf;      // the XF text as read
};

class CaseTextForms : public ::testing::TestWithParam<TextFormCase> {};

TEST_P(CaseTextForms, ReadLikePlainLines) {
    const CaseFileResult loaded = Read(GetParam().text);
    ASSERT_FALSE(loaded.error) << *loaded.error;
    EXPECT_EQ(loaded.state.StudentName, GetParam().student);
    EXPECT_EQ(loaded.state.InputValueTexts[param::kXF], GetParam().xf);
}

INSTANTIATE_TEST_SUITE_P(
    Editors, CaseTextForms,
    ::testing::Values(
        // Windows Notepad opens a UTF-8 file with a byte-order mark.
        TextFormCase{"ByteOrderMarkBeforeTheFirstKey", "\xEF\xBB\xBFNAME = Ан\r\nXF = 0.1\r\n", "Ан", "0.1"},
        TextFormCase{"ByteOrderMarkBeforeAComment", "\xEF\xBB\xBF# c\nNAME = Б\n", "Б", "0.08"},
        TextFormCase{"QuotedKeepsCommentSignAndBlanks", "NAME = \" Ан #2 \"  # c\nXF = \"0.1\"\n", " Ан #2 ",
                     "0.1"},
        TextFormCase{"QuoteInsideAPlainValue", "NAME = Ан \"Б\" # c\n", "Ан \"Б\"", "0.08"},
        TextFormCase{"CommentHoldingAnEqualsSign", "# NAME = x\nNAME = y\n", "y", "0.08"}),
    [](const auto& info) { return std::string(info.param.name); });

struct RoundTripCase {
    const char* name;
    ProgramState (*make)();
};

ProgramState Parsed(const std::string& text) {
    CaseFileResult loaded = ReadCaseText(text, "typed.case");
    EXPECT_FALSE(loaded.error) << *loaded.error;
    return loaded.state;
}

class SavedCase : public ::testing::TestWithParam<RoundTripCase> {};

TEST_P(SavedCase, ReadsBackToTheSameInputAndCalculation) {
    ProgramState original = GetParam().make();
    const std::string saved = FormatCaseFile(original);
    CaseFileResult loaded = ReadCaseText(saved, "saved.case");
    ASSERT_FALSE(loaded.error) << *loaded.error << "\n" << saved;
    ProgramState& copy = loaded.state;
    EXPECT_EQ(copy.StudentName, original.StudentName);
    EXPECT_EQ(copy.SystemName, original.SystemName);
    EXPECT_EQ(copy.TrayType, original.TrayType);
    EXPECT_EQ(copy.EquilibriumKind, original.EquilibriumKind);
    for (int i = 1; i <= param::kCount; ++i)
        EXPECT_EQ(copy.InputValueTexts[i], original.InputValueTexts[i]) << i;

    const ColumnResult expected = CalculateAndStore(original);
    const ColumnResult result = CalculateAndStore(copy);
    EXPECT_EQ(result.stop, expected.stop);
    EXPECT_EQ(copy.RequiredTrays, original.RequiredTrays);
    EXPECT_EQ(copy.FeedTray, original.FeedTray);
    EXPECT_EQ(copy.TrayResults, original.TrayResults);
    EXPECT_GT(copy.RequiredTrays, 2); // a real column, not an early stop
}

INSTANTIATE_TEST_SUITE_P(
    ThreeKinds, SavedCase,
    ::testing::Values(
        RoundTripCase{"ConstantAlfaTypedWithCommas",
                      [] { return Parsed("ALFA = 10,0\nR = 4,5\nNAME = \"Ан #5 \"\nSYSTEM = A-B\n"); }},
        RoundTripCase{"AntoineOnSieveTrays",
                      [] { return Parsed("ANTOINE = 18.5 3578 -50 18.3 3816 -46\nTRAY = S\nPRES = 760\n"); }},
        RoundTripCase{"SampleAntoineConstants", [] { return testing::SampleWithAntoine(); }},
        RoundTripCase{"SampleTableOnSieveTrays", [] { return testing::SampleWithPoints("S"); }},
        RoundTripCase{"EightTypedPoints", [] { return Parsed(EightPoints() + "XP = 0.8\n"); }}),
    [](const auto& info) { return std::string(info.param.name); });

struct ErrorCase {
    const char* name;
    std::string text;
    std::string message; // the whole one-line error
};

class CaseFileErrors : public ::testing::TestWithParam<ErrorCase> {};

TEST_P(CaseFileErrors, NameTheLineTheKeyAndTheRange) {
    const CaseFileResult loaded = Read(GetParam().text);
    ASSERT_TRUE(loaded.error);
    EXPECT_EQ(*loaded.error, GetParam().message);
}

INSTANTIATE_TEST_SUITE_P(
    Faults, CaseFileErrors,
    ::testing::Values(
        ErrorCase{"UnknownKey", "# c\nFOO = 1\n", "test.case:2: FOO: unknown key (see radirav-calc --help)"},
        ErrorCase{"MissingEquals", "XF 0.1\n", "test.case:1: XF 0.1: missing \"=\" (expected KEY = value)"},
        ErrorCase{"KeyTwice", "R = 5\n\nR = 6\n", "test.case:3: R: given twice (first on line 1)"},
        ErrorCase{"OutOfRange", "XF = 1.5\n",
                  "test.case:1: XF: \"1.5\" is out of range, accepted 0 < XF < 1"},
        ErrorCase{"FeedPoorerThanBottoms", "XF = 0.5\nXW = 0.6\n",
                  "test.case:2: XW: \"0.6\" is out of range, accepted 0 < XW < 1, XW < XF"},
        ErrorCase{"SectionValue", "TIS = -273.5\n",
                  "test.case:1: TIS: \"-273.5\" is out of range, accepted -273 <= TIS <= 400"},
        ErrorCase{"BeyondSinglePrecision", "PRES = 1e39\n",
                  "test.case:1: PRES: \"1e39\" is out of range, accepted 1e-07 <= PRES <= 100000"},
        ErrorCase{"AlfaOfOne", "ALFA = 1\n",
                  "test.case:1: ALFA: \"1\" is out of range, accepted 1 < ALFA <= 1000000"},
        ErrorCase{"TwoEquilibria", "ALFA = 2\nANTOINE = 23 1200 -120 12 1100 -145\n",
                  "test.case:2: equilibrium: give exactly one of ALFA, ANTOINE or POINT lines"},
        ErrorCase{"AntoineCount", "ANTOINE = 1 2 3\n",
                  "test.case:1: ANTOINE: expected six constants: A1 B1 C1 A2 B2 C2"},
        ErrorCase{"AntoineRange", "ANTOINE = 23 1200 5 12 1100 -145\n",
                  "test.case:1: ANTOINE: C1 = 5 is out of range, accepted -200 <= C1 <= 0"},
        ErrorCase{"TooFewPoints", "POINT = 0.1 0.2\nPOINT = 0.2 0.3\n",
                  "test.case:2: POINT: 2 points given, accepted 8 to 20"},
        ErrorCase{"PointNeedsTwoNumbers", "POINT = 0.1\n" + EightPoints(),
                  "test.case:1: POINT: expected two numbers: x y"},
        ErrorCase{"PointOrder", EightPoints("0.75 0.8"),
                  "test.case:8: POINT: ОШИБКА :     Y[8] < Y[7] или Y[8] = 0 (points sorted by x; each 0 < x "
                  "< 1, 0 < y < 1, "
                  "y >= x, x and y increasing)"},
        ErrorCase{"NegativeLowestPoint", "XF = 0.08\n" + EightPoints("-0.5 0.17"),
                  "test.case:9: POINT: ОШИБКА :     X[1] = 0 или Y[1] = 1 (points sorted by x; each 0 < x "
                  "< 1, 0 < y < 1, y >= x, x and y increasing)"},
        ErrorCase{"UnclosedQuote", "NAME = \"Петров # гр. 5\n", "test.case:1: NAME: missing closing quote"},
        ErrorCase{"TrayType", "TRAY = X\n",
                  "test.case:1: TRAY: \"X\" is neither K (bubble-cap) nor S (sieve)"}),
    [](const auto& info) { return std::string(info.param.name); });

struct KeptCase {
    const char* name;
    std::string text;
    std::string outOfRange; // as the strict reading's error
    bool (*kept)(const ProgramState&);
};

class LastInputKeepsValuesOutOfRange : public ::testing::TestWithParam<KeptCase> {};

// The strict reading refuses the file; keeping values out of range takes it as typed and names
// the first such value exactly as the refusal would.
TEST_P(LastInputKeepsValuesOutOfRange, AsTypedWithTheFirstNamed) {
    ASSERT_EQ(Read(GetParam().text).error, GetParam().outOfRange);
    const CaseFileResult kept = ReadCaseText(GetParam().text, "test.case", CaseChecks::KeepOutOfRange);
    ASSERT_FALSE(kept.error) << *kept.error;
    EXPECT_EQ(kept.outOfRange, GetParam().outOfRange);
    EXPECT_TRUE(GetParam().kept(kept.state));
}

INSTANTIATE_TEST_SUITE_P(
    Faults, LastInputKeepsValuesOutOfRange,
    ::testing::Values(
        KeptCase{"ParameterAndTheNextOneBad", "XF = 1.5\nR = 0\n",
                 "test.case:1: XF: \"1.5\" is out of range, accepted 0 < XF < 1",
                 [](const ProgramState& s) {
                     return s.InputValueTexts[param::kXF] == "1.5" && s.InputValueTexts[param::kR] == "0";
                 }},
        KeptCase{"AlfaOfOneIsNotAnEnteredAlfa", "ALFA = 1\n",
                 "test.case:1: ALFA: \"1\" is out of range, accepted 1 < ALFA <= 1000000",
                 [](const ProgramState& s) {
                     return s.AlfaText == "1" && s.EquilibriumKind == 1 && s.ConstantVolatility &&
                            !s.AlfaEntered;
                 }},
        KeptCase{"AntoineConstant", "ANTOINE = 23 1200 5 12 1100 -145\n",
                 "test.case:1: ANTOINE: C1 = 5 is out of range, accepted -200 <= C1 <= 0",
                 [](const ProgramState& s) {
                     return s.AntoineTexts[3] == "5" && s.EquilibriumKind == 3 && s.AntoineMode;
                 }},
        KeptCase{"PointOrder", EightPoints("0.75 0.8"),
                 "test.case:8: POINT: ОШИБКА :     Y[8] < Y[7] или Y[8] = 0 (points sorted by x; each 0 < x "
                 "< 1, 0 < y < 1, y >= x, x and y increasing)",
                 [](const ProgramState& s) {
                     return s.EqPointCount == 8 && s.EquilibriumKind == 8 && s.TableMode;
                 }}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(LastInputKeepsValuesOutOfRange, ButNotAFileItCannotRead) {
    for (const std::string text : {"FOO = 1\n", "POINT = 0.1 0.2\n", "TRAY = X\n"}) {
        EXPECT_TRUE(ReadCaseText(text, "test.case", CaseChecks::KeepOutOfRange).error) << text;
    }
}

} // namespace
} // namespace radirav
