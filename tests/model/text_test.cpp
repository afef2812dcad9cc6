#include "model/text.h"

#include <gtest/gtest.h>

namespace radirav {
namespace {

struct TextCase {
    const char* name;
    std::string input;
    std::string expected;
};

class NormalizeDecimalTextCases : public ::testing::TestWithParam<TextCase> {};

TEST_P(NormalizeDecimalTextCases, ReplacesOnlyTheFirstComma) {
    EXPECT_EQ(NormalizeDecimalText(GetParam().input), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    TypedNumbers, NormalizeDecimalTextCases,
    ::testing::Values(TextCase{"EmptyBecomesZero", "", "0"}, TextCase{"CommaBecomesPoint", "2,78", "2.78"},
                      TextCase{"OnlyTheFirstComma", "1,2,3", "1.2,3"}, TextCase{"LeadingComma", ",5", ".5"},
                      TextCase{"TrailingComma", "5,", "5."}, TextCase{"BlanksStay", " 7 ", " 7 "},
                      TextCase{"Cyrillic", "где,ж", "где.ж"}),
    [](const auto& info) { return std::string(info.param.name); });

class RetypedDecimalTextCases : public ::testing::TestWithParam<TextCase> {};

// Written back where it is read as typed, a stored text must normalise to itself again.
TEST_P(RetypedDecimalTextCases, NormalisesBackToTheStoredText) {
    const std::string stored = NormalizeDecimalText(GetParam().input);
    const std::string retyped = RetypedDecimalText(stored);
    EXPECT_EQ(retyped, GetParam().expected);
    EXPECT_EQ(NormalizeDecimalText(retyped), stored);
}

INSTANTIATE_TEST_SUITE_P(TypedNumbers, RetypedDecimalTextCases,
                         ::testing::Values(TextCase{"PlainNumberStays", "2.78", "2.78"},
                                           TextCase{"OneCommaNeedsNone", "2,78", "2.78"},
                                           TextCase{"SecondCommaTurnsTheFirstBack", "2,7,8", "2,7,8"},
                                           TextCase{"PointThenCommas", "1.2,3,4", "1.2,3,4"},
                                           TextCase{"TwoPointsStay", "1.2.3", "1.2.3"},
                                           TextCase{"RussianLayoutKeys", "2б7б8", "2,7,8"}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(NormalizeDecimalText, HandlesTextsLongerThan255Characters) {
    const std::string longText = std::string(300, '9') + ",5";
    const std::string result = NormalizeDecimalText(longText);
    EXPECT_EQ(result.size(), longText.size());
    EXPECT_EQ(result.substr(300), ".5");
}

TEST(PadSpaces, CountsCharactersNotBytes) {
    const std::string label48 = "РАСХОД ИСХОДНОЙ СМЕСИ, КГ/С                     "; // 48 characters, 75 bytes
    ASSERT_EQ(CharCount(label48), 48u);
    EXPECT_EQ(PadSpaces(label48, 62), std::string(14, ' '));
    EXPECT_EQ(PadSpaces(label48, 48), "");
}

TEST(PadSpaces, GivesNothingForATextLongerThanTheWidth) {
    EXPECT_EQ(PadSpaces("ДЛИННЫЙ ТЕКСТ", 5), "");
}

struct CellCase {
    const char* name;
    std::string input;
    std::size_t width;
    std::string cell;
    std::string trimmed;
};

class CenterCellCases : public ::testing::TestWithParam<CellCase> {};

TEST_P(CenterCellCases, CentresTrimmedTextAndClosesWithBar) {
    std::string text = GetParam().input;
    EXPECT_EQ(CenterCell(text, GetParam().width), GetParam().cell);
    EXPECT_EQ(text, GetParam().trimmed);
}

INSTANTIATE_TEST_SUITE_P(Cells, CenterCellCases,
                         ::testing::Values(CellCase{"OddBlankGoesRight", "  ab ", 5, " ab  |", "ab"},
                                           CellCase{"EmptyCell", "", 4, "    |", ""},
                                           CellCase{"CyrillicCountsCharacters", "ТАРЕЛКА", 13,
                                                    "   ТАРЕЛКА   |", "ТАРЕЛКА"},
                                           CellCase{"LongerTextKeptWhole", "ЭТО ДЛИННЕЕ ЯЧЕЙКИ", 5,
                                                    "ЭТО ДЛИННЕЕ ЯЧЕЙКИ|", "ЭТО ДЛИННЕЕ ЯЧЕЙКИ"}),
                         [](const auto& info) { return std::string(info.param.name); });

class ProperCaseCases : public ::testing::TestWithParam<TextCase> {};

TEST_P(ProperCaseCases, CapitalisesWordsSeparatedByBlanksOnly) {
    EXPECT_EQ(ProperCase(GetParam().input), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Names, ProperCaseCases,
    ::testing::Values(TextCase{"DotAndDashStartNoWord", "студент и.и. гр. 5-12", "Студент И.и. Гр. 5-12"},
                      TextCase{"DashedPair", "ЭТАНОЛ-ВОДА", "Этанол-вода"},
                      TextCase{"TabAndLineBreakSeparate", "ёлкин\tЁЖ\nmIXED", "Ёлкин\tЁж\nMixed"},
                      // The ends of the Cyrillic alphabet: я/Я (the last letter) and а/А.
                      TextCase{"LastAndFirstLettersOfTheAlphabet", "яков ЯШИН АННА арЯ",
                               "Яков Яшин Анна Аря"},
                      TextCase{"Empty", "", ""}),
    [](const auto& info) { return std::string(info.param.name); });

struct ShortNumberCase {
    const char* name;
    float value;
    std::string text;
};

class FormatShortSingleCases : public ::testing::TestWithParam<ShortNumberCase> {};

TEST_P(FormatShortSingleCases, UsesSignBlankAndNoLeadingZero) {
    EXPECT_EQ(FormatShortSingle(GetParam().value), GetParam().text);
}

// Negative zero is not negative: the ALFA of a point (1, 2) is (1 - 1) * 2 / 1 / (1 - 2) = -0.
INSTANTIATE_TEST_SUITE_P(Values, FormatShortSingleCases,
                         ::testing::Values(ShortNumberCase{"SevenDigits", 26.0f / 3.0f, " 8.666667"},
                                           ShortNumberCase{"HalfWithoutZero", 0.5f, " .5"},
                                           ShortNumberCase{"NegativeQuarter", -0.25f, "-.25"},
                                           ShortNumberCase{"Whole", 3.0f, " 3"},
                                           ShortNumberCase{"LargeUsesExponent", 12345678.0f, " 1.234568E+07"},
                                           ShortNumberCase{"SmallUsesExponent", 0.00001f, " 1E-05"},
                                           ShortNumberCase{"NegativeZeroAsZero", -0.0f, " 0"}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(FormatCount, ReservesABlankForTheSign) {
    EXPECT_EQ(FormatCount(17), " 17");
    EXPECT_EQ(FormatCount(0), " 0");
    EXPECT_EQ(FormatCount(-3), "-3");
}

} // namespace
} // namespace radirav

namespace radirav {
namespace {

// A number typed with the keyboard still on the Russian layout: "2ю78" must not read as 2.
TEST(NormalizeDecimalText, ReadsTheRussianLayoutKeysOfPointAndComma) {
    EXPECT_EQ(NormalizeDecimalText("2ю78"), "2.78");
    EXPECT_EQ(NormalizeDecimalText("2Ю78"), "2.78");
    EXPECT_EQ(NormalizeDecimalText("2б78"), "2.78");
    EXPECT_EQ(NormalizeDecimalText("1Б5б3"), "1.5,3");
}

} // namespace
} // namespace radirav
