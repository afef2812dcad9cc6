#include "model/case_file.h"

#include "calc/column.h"
#include "support/sample_state.h"

#include <gtest/gtest.h>

#include <optional>
#include <sstream>

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

struct LineEndCase {
    const char* name;
    std::string text;
};

class CaseLineEnds : public ::testing::TestWithParam<LineEndCase> {};

// Every editor's line ends give the same case: an old Mac editor ends lines with CR alone.
TEST_P(CaseLineEnds, EndLinesAlike) {
    const CaseFileResult loaded = Read(GetParam().text);
    ASSERT_FALSE(loaded.error) << *loaded.error;
    EXPECT_EQ(loaded.state.StudentName, "Иванов");
    EXPECT_EQ(loaded.state.InputValueTexts[param::kXF], "0.1");
    EXPECT_EQ(loaded.state.InputValueTexts[param::kR], "4.5");
    EXPECT_EQ(loaded.state.EquilibriumKind, kKindConstantAlfa);
}

INSTANTIATE_TEST_SUITE_P(
    Editors, CaseLineEnds,
    ::testing::Values(
        LineEndCase{"LineFeed", "NAME = Иванов\nXF = 0.1\nR = 4,5\nALFA = 10\n"},
        LineEndCase{"CarriageReturnLineFeed", "NAME = Иванов\r\nXF = 0.1\r\nR = 4,5\r\nALFA = 10\r\n"},
        LineEndCase{"CarriageReturnAlone", "NAME = Иванов\rXF = 0.1\rR = 4,5\rALFA = 10"},
        LineEndCase{"MixedWithEmptyLines", "# c\r\rNAME = Иванов\r\n\nXF = 0.1\rR = 4,5\nALFA = 10"}),
    [](const auto& info) { return std::string(info.param.name); });

// A typed value written back reads as the same text, not only as the same number: "2,7,8" is
// stored as "2.7,8", which read again as typed would become "2.7.8".
TEST(CaseFile, TextsWithSeveralCommasReadBackAsWritten) {
    const std::string typed = "F = 2,7,8\nALFA = 10,5,1\nR = 4.5,1,2\n";
    ASSERT_TRUE(Read(typed).error) << "by hand a value is one number";
    const CaseFileResult loaded = ReadCaseText(typed, "last.case", CaseChecks::KeepOutOfRange);
    ASSERT_FALSE(loaded.error) << *loaded.error;
    EXPECT_EQ(loaded.state.InputValueTexts[param::kF], "2.7,8");
    const CaseFileResult again =
        ReadCaseText(FormatCaseFile(loaded.state), "again.case", CaseChecks::KeepOutOfRange);
    ASSERT_FALSE(again.error) << *again.error;
    EXPECT_EQ(again.state.InputValueTexts[param::kF], "2.7,8");
    EXPECT_EQ(again.state.InputValueTexts[param::kR], "4.5.1,2");
    EXPECT_EQ(again.state.AlfaText, "10.5,1");
    EXPECT_EQ(again.state.InputParams[param::kF].Value, 2.7f);
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

const std::string kEveryParameterOffTheSample =
    "F = 2.8\nXF = 0.09\nXP = 0.94\nXW = 0.0007\nRW = 2250\nM1 = 46.07\nM2 = 18.02\nDY = 0.19\n"
    "DX = 0.000027\nPRES = 750\nR = 5.5\nQ = 1400\nLSUK = 0.69\nHPUK = 0.045\nSUK = 0.66\nTUK = 95\n"
    "ROUK = 955\nM1UK = 0.0112\nM2UK = 0.0122\nEUK = 0.2\nLSIS = 0.6\nHPIS = 0.042\nSIS = 0.37\n"
    "TIS = 82\nROIS = 800\nM1IS = 0.0106\nM2IS = 0.0116\nEIS = 0.045\n";

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
        RoundTripCase{"EightTypedPoints", [] { return Parsed(EightPoints() + "XP = 0.8\n"); }},
        // Each of the 28 values differs from the sample, so a value the writer drops shows.
        RoundTripCase{"EveryParameterOffTheSample", [] { return Parsed(kEveryParameterOffTheSample); }}),
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
        ErrorCase{"UnknownKey", "# c\nFOO = 1\n",
                  "test.case:2: «FOO»: неизвестный ключ (ключи перечислены в radirav-calc --help)"},
        ErrorCase{"MissingEquals", "XF 0.1\n",
                  "test.case:1: «XF 0.1»: нет знака «=» (строка пишется как КЛЮЧ = значение)"},
        ErrorCase{"KeyTwice", "R = 5\n\nR = 6\n", "test.case:3: R: задан дважды (первый раз в строке 1)"},
        ErrorCase{"KeyTwiceOnOldMacLines", "R = 5\r\rR = 6\r",
                  "test.case:3: R: задан дважды (первый раз в строке 1)"},
        ErrorCase{"OutOfRange", "XF = 1.5\n", "test.case:1: XF: «1.5» вне диапазона; допустимо 0 < XF < 1"},
        ErrorCase{"NotANumber", "XF = abc\n", "test.case:1: XF: «abc» не число; допустимо 0 < XF < 1"},
        ErrorCase{"EmptyValue", "\nR =   # none\n",
                  "test.case:2: R: значение не задано; допустимо 0 < R <= 10000"},
        ErrorCase{"SectionValue", "TIS = -273.5\n",
                  "test.case:1: TIS: «-273.5» вне диапазона; допустимо -273 <= TIS <= 400"},
        ErrorCase{"BeyondSinglePrecision", "PRES = 1e39\n",
                  "test.case:1: PRES: «1e39» вне диапазона; допустимо 1e-07 <= PRES <= 100000"},
        // A cross-check names both values and where each came from.
        ErrorCase{
            "FeedRicherThanTheSampleDistillate", "\nXF = 0.97\n",
            "test.case:2: XF: XP = 0.95 (значение примера) меньше XF = 0.97 (строка 2): дистиллят должен "
            "быть не беднее исходной смеси, XP >= XF"},
        ErrorCase{"FeedRicherThanTheGivenDistillate", "XF = 0,5\nXP = 0.4\n",
                  "test.case:2: XP: XP = 0.4 (строка 2) меньше XF = 0.5 (строка 1): дистиллят должен быть не "
                  "беднее исходной смеси, XP >= XF"},
        ErrorCase{
            "BottomsRicherThanTheFeed", "XF = 0.5\nXW = 0.6\n",
            "test.case:2: XW: XW = 0.6 (строка 2) не меньше XF = 0.5 (строка 1): кубовый остаток должен "
            "быть беднее исходной смеси, XW < XF"},
        ErrorCase{"SampleFeedPoorerThanTheBottoms", "XW = 0.09\n",
                  "test.case:1: XW: XW = 0.09 (строка 1) не меньше XF = 0.08 (значение примера): кубовый "
                  "остаток должен быть беднее исходной смеси, XW < XF"},
        // XF = XW leaves no distillate to draw.
        ErrorCase{"FeedAsPoorAsTheBottoms", "XW = 0.08\n",
                  "test.case:1: XW: XW = 0.08 (строка 1) не меньше XF = 0.08 (значение примера): кубовый "
                  "остаток должен быть беднее исходной смеси, XW < XF"},
        ErrorCase{"AlfaOfOne", "ALFA = 1\n",
                  "test.case:1: ALFA: «1» вне диапазона; допустимо 1 < ALFA <= 1000000"},
        ErrorCase{"AlfaNotANumber", "ALFA = десять\n",
                  "test.case:1: ALFA: «десять» не число; допустимо 1 < ALFA <= 1000000"},
        ErrorCase{
            "TwoEquilibria", "ALFA = 2\nANTOINE = 23 1200 -120 12 1100 -145\n",
            "test.case:2: ANTOINE: второе равновесие (ALFA в строке 1); задайте одно: ALFA, ANTOINE или "
            "строки POINT"},
        ErrorCase{"PointsBeforeAlfa", EightPoints() + "ALFA = 2\n",
                  "test.case:9: ALFA: второе равновесие (POINT в строке 1); задайте одно: ALFA, ANTOINE или "
                  "строки POINT"},
        ErrorCase{"AntoineCount", "ANTOINE = 1 2 3\n",
                  "test.case:1: ANTOINE: нужно шесть констант A1 B1 C1 A2 B2 C2, задано 3"},
        ErrorCase{"AntoineRange", "ANTOINE = 23 1200 5 12 1100 -145\n",
                  "test.case:1: ANTOINE: C1 «5» вне диапазона; допустимо -200 <= C1 <= 0"},
        ErrorCase{"AntoineNotANumber", "ANTOINE = 23 x -120 12 1100 -145\n",
                  "test.case:1: ANTOINE: B1 «x» не число; допустимо 100 <= B1 <= 5000"},
        ErrorCase{"TooFewPoints", "POINT = 0.1 0.2\nPOINT = 0.2 0.3\n",
                  "test.case:2: POINT: задано точек: 2, нужно от 8 до 20"},
        ErrorCase{"TooManyPointsNamesTheFirstOneTooMany", EightPoints() + EightPoints() + EightPoints(),
                  "test.case:21: POINT: задано точек: 24, нужно от 8 до 20"},
        ErrorCase{"PointNeedsTwoNumbers", "POINT = 0.1\n" + EightPoints(),
                  "test.case:1: POINT: нужно два числа x y, задано 1"},
        ErrorCase{"PointNotANumber", EightPoints("0.8 y"),
                  "test.case:8: POINT: «y» не число (нужно два числа x y)"},
        ErrorCase{
            "PointOrder", EightPoints("0.75 0.8"),
            "test.case:8: POINT: ОШИБКА :     Y[8] < Y[7] или Y[8] = 0 (точки по возрастанию x; у каждой 0 < "
            "x < 1, 0 < y < 1, y >= x; x и y возрастают)"},
        ErrorCase{
            "NegativeLowestPoint", "XF = 0.08\n" + EightPoints("-0.5 0.17"),
            "test.case:9: POINT: ОШИБКА :     X[1] = 0 или Y[1] = 1 (точки по возрастанию x; у каждой 0 < x "
            "< 1, 0 < y < 1, y >= x; x и y возрастают)"},
        ErrorCase{"UnclosedQuote", "NAME = \"Петров # гр. 5\n", "test.case:1: NAME: нет закрывающей кавычки"},
        ErrorCase{"TrayType", "TRAY = X\n", "test.case:1: TRAY: «X»: нужно K (колпачковые) или S (ситчатые)"},
        // What a binary or foreign file holds never reaches the message as raw bytes.
        ErrorCase{"BinaryFile",
                  std::string("\x7F"
                              "ELF\x02\x01\x01\0\0\0\0\0\0\0\0\0\x03\0>\0",
                              20),
                  "test.case:1: не текст UTF-8 (двоичный файл или другая кодировка?): "
                  "«\\x7FELF\\x02\\x01\\x01\\x00\\x00\\x00\\x00\\x00\\x00\\x00\\x00\\x00\\x03\\x00>\\x00»"},
        ErrorCase{"Windows1251KeyIsNamedInRussian", "XF = 0.1\n\xC8\xE2\xE0\xED = 1\n",
                  "test.case:2: «Иван»: неизвестный ключ (ключи перечислены в radirav-calc --help)"},
        ErrorCase{"ControlBytesInAKey", "\x1B[2J\x07 = 1\n",
                  "test.case:1: «\\x1B[2J\\x07»: неизвестный ключ (ключи перечислены в radirav-calc --help)"},
        ErrorCase{"LongKeyIsCut", std::string(200, 'K') + " = 1\n",
                  "test.case:1: «" + std::string(60, 'K') +
                      "…»: неизвестный ключ (ключи перечислены в radirav-calc --help)"},
        ErrorCase{"TextPastTheLimit", "NAME = " + std::string(kMaxCaseFileBytes, 'a') + "\n",
                  "test.case: файл больше 1 МиБ, это не файл варианта"}),
    [](const auto& info) { return std::string(info.param.name); });

struct KeptCase {
    const char* name;
    std::string text;
    std::string refusal; // the strict reading's error
    bool (*kept)(const ProgramState&);
    // The fault named when kept: the refusal itself unless given; empty for none.
    std::optional<std::string> named = std::nullopt;
};

class LastInputKeepsValuesOutOfRange : public ::testing::TestWithParam<KeptCase> {};

// The strict reading refuses the file; keeping the input as typed takes it and names the first
// value out of range exactly as the refusal would.
TEST_P(LastInputKeepsValuesOutOfRange, AsTypedWithTheFirstNamed) {
    const KeptCase& c = GetParam();
    ASSERT_EQ(Read(c.text).error, c.refusal);
    const CaseFileResult kept = ReadCaseText(c.text, "test.case", CaseChecks::KeepOutOfRange);
    ASSERT_FALSE(kept.error) << *kept.error;
    const std::string named = c.named.value_or(c.refusal);
    EXPECT_EQ(kept.outOfRange, named.empty() ? std::nullopt : std::optional(named));
    EXPECT_TRUE(c.kept(kept.state));
}

INSTANTIATE_TEST_SUITE_P(
    Faults, LastInputKeepsValuesOutOfRange,
    ::testing::Values(
        KeptCase{"ParameterAndTheNextOneBad", "XF = 1.5\nR = 0\n",
                 "test.case:1: XF: «1.5» вне диапазона; допустимо 0 < XF < 1",
                 [](const ProgramState& s) {
                     return s.InputValueTexts[param::kXF] == "1.5" && s.InputValueTexts[param::kR] == "0";
                 }},
        KeptCase{"AlfaOfOneIsNotAnEnteredAlfa", "ALFA = 1\n",
                 "test.case:1: ALFA: «1» вне диапазона; допустимо 1 < ALFA <= 1000000",
                 [](const ProgramState& s) {
                     return s.AlfaText == "1" && s.EquilibriumKind == 1 && s.ConstantVolatility &&
                            !s.AlfaEntered;
                 }},
        KeptCase{"AntoineConstant", "ANTOINE = 23 1200 5 12 1100 -145\n",
                 "test.case:1: ANTOINE: C1 «5» вне диапазона; допустимо -200 <= C1 <= 0",
                 [](const ProgramState& s) {
                     return s.AntoineTexts[3] == "5" && s.EquilibriumKind == 3 && s.AntoineMode;
                 }},
        KeptCase{
            "PointOrder", EightPoints("0.75 0.8"),
            "test.case:8: POINT: ОШИБКА :     Y[8] < Y[7] или Y[8] = 0 (точки по возрастанию x; у каждой 0 "
            "< x < 1, 0 < y < 1, y >= x; x и y возрастают)",
            // Typed, not accepted: no calculation takes the table until it is corrected.
            [](const ProgramState& s) { return s.EqPointCount == 8 && !s.EquilibriumKind && s.TableMode; }},
        // The check screen shows a coordinate typed outside 0..1 as its marker and counts it 0.
        KeptCase{"MarkedCoordinate", EightPoints("??? 0.9"),
                 "test.case:8: POINT: «???» не число (нужно два числа x y)",
                 [](const ProgramState& s) {
                     return s.EqXText[1] == "   ???" && s.EqX[1] == 0.0f && s.EqYText[1] == "0.9";
                 },
                 "test.case:8: POINT: ОШИБКА :     X[1] = 0 или Y[1] = 1 (точки по возрастанию x; у каждой "
                 "0 < x < 1, 0 < y < 1, y >= x; x и y возрастают)"},
        // Typed text after a number reads as the program reads it.
        KeptCase{"TextAfterANumber", "F = 5 abc\n",
                 "test.case:1: F: «5 abc»: после числа лишний текст «abc» (значение — одно число)",
                 [](const ProgramState& s) {
                     return s.InputValueTexts[param::kF] == "5 abc" && s.InputParams[param::kF].Value == 5.0f;
                 },
                 ""},
        KeptCase{"ControlCharacterInAName", "NAME = \x1B[2JИванов\x07\n",
                 "test.case:1: NAME: «\\x1B[2JИванов\\x07»: управляющий символ в тексте; уберите его из "
                 "строки",
                 [](const ProgramState& s) { return s.StudentName == "\\x1B[2JИванов\\x07"; }, ""}),
    [](const auto& info) { return std::string(info.param.name); });

struct ReadingCase {
    const char* name;
    std::string bytes;
    std::string error;        // the whole one-line refusal; empty when the file reads
    std::string student = {}; // NAME as read
    bool windows1251 = false;
};

void PrintTo(const ReadingCase& c, std::ostream* out) {
    *out << c.name;
}

class CaseFileReading : public ::testing::TestWithParam<ReadingCase> {};

// Files of other editors: Russian text saved in Windows-1251 reads with a note, other bytes are
// refused with their line; a number is the whole value.
TEST_P(CaseFileReading, TakesRussianTextAndWholeNumbersOnly) {
    const ReadingCase& c = GetParam();
    const CaseFileResult loaded = Read(c.bytes);
    EXPECT_EQ(loaded.error.value_or(""), c.error);
    if (!loaded.error) {
        EXPECT_EQ(loaded.state.StudentName, c.student);
    }
    EXPECT_EQ(loaded.encodingNote.has_value(), c.windows1251);
    if (c.windows1251) {
        EXPECT_NE(FormatCaseFile(loaded.state).find("\nNAME = " + c.student + "\n"), std::string::npos)
            << "written back in UTF-8";
    }
}

const std::string kForeignBytes = "не текст UTF-8 (двоичный файл или другая кодировка?): ";

INSTANTIATE_TEST_SUITE_P(
    Editors, CaseFileReading,
    ::testing::Values(
        ReadingCase{"Windows1251NameAndSystem",
                    "NAME = \xC8\xE2\xE0\xED\xEE\xE2 \xC8.\xC8.\r\nSYSTEM = "
                    "\xDD\xF2\xE0\xED\xEE\xEB-\xC2\xEE\xE4\xE0\r\n",
                    "", "Иванов И.И.", true},
        ReadingCase{"Windows1251QuotesYoAndNumberSign", "NAME = \xAB\xA8\xEB\xEA\xE8\xED\xBB \xB9 5\n", "",
                    "«Ёлкин» № 5", true},
        // KOI8-R "Иванов" read as Windows-1251 would be "йЧБОПЧ".
        ReadingCase{"Koi8IsRefused", "XF = 0.1\nNAME = \xE9\xD7\xC1\xCE\xCF\xD7\n",
                    "test.case:2: " + kForeignBytes + "«NAME = \\xE9\\xD7\\xC1\\xCE\\xCF\\xD7»"},
        ReadingCase{"Latin1IsRefused", "NAME = M\xFCller\n",
                    "test.case:1: " + kForeignBytes + "«NAME = M\\xFCller»"},
        ReadingCase{"ByteOutsideRussianTextIsRefused", "R = 5\n\nSYSTEM = \xC0\x98\n",
                    "test.case:3: " + kForeignBytes + "«SYSTEM = \\xC0\\x98»"},
        ReadingCase{"CommaAndExponentAreOneNumber", "F = 2,78\nXF = 8E-2  # c\nR = +5.25\nNAME = Б\n", "",
                    "Б"},
        ReadingCase{"TwoNumbers", "F = 6 7\n",
                    "test.case:1: F: «6 7»: после числа лишний текст «7» (значение — одно число)"},
        ReadingCase{"BareExponent", "R = 5e\n",
                    "test.case:1: R: «5e»: после числа лишний текст «e» (значение — одно число)"},
        ReadingCase{"AntoineConstantWithText", "ANTOINE = 23 1200 -120 12 1100 -145K\n",
                    "test.case:1: ANTOINE: «-145K»: после числа лишний текст «K» (значение — одно число)"},
        ReadingCase{"PointWithText", EightPoints("0.8 0.9.1"),
                    "test.case:8: POINT: «0.9.1»: после числа лишний текст «.1» (значение — одно число)"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(LastInputKeepsValuesOutOfRange, ButNotAFileItCannotRead) {
    for (const std::string text : {"FOO = 1\n", "POINT = 0.1 0.2\n", "TRAY = X\n"}) {
        EXPECT_TRUE(ReadCaseText(text, "test.case", CaseChecks::KeepOutOfRange).error) << text;
    }
}

TEST(CaseFile, StreamPastTheLimitIsRefusedWithoutReadingItAll) {
    std::istringstream in(std::string(3 * kMaxCaseFileBytes, '#'));
    const CaseFileResult loaded = ReadCaseFile(in, "long.case");
    ASSERT_TRUE(loaded.error);
    EXPECT_EQ(*loaded.error, "long.case: файл больше 1 МиБ, это не файл варианта");
    EXPECT_LT(in.tellg(), static_cast<std::streamoff>(2 * kMaxCaseFileBytes));
}

TEST(CaseFile, TextJustAtTheLimitIsRead) {
    std::string text = "NAME = Б\n";
    text += std::string(kMaxCaseFileBytes - text.size(), '#');
    const CaseFileResult loaded = Read(text);
    ASSERT_FALSE(loaded.error) << *loaded.error;
    EXPECT_EQ(loaded.state.StudentName, "Б");
}

} // namespace
} // namespace radirav
