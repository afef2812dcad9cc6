#include "model/message_text.h"

#include <gtest/gtest.h>

namespace radirav {
namespace {

struct EscapeCase {
    const char* name;
    std::string text;
    std::string shown;
    bool validUtf8;
};

class EscapeCases : public ::testing::TestWithParam<EscapeCase> {};

TEST_P(EscapeCases, ShowOnlyPrintableUtf8) {
    EXPECT_EQ(EscapeForMessage(GetParam().text), GetParam().shown);
    EXPECT_EQ(IsValidUtf8(GetParam().text), GetParam().validUtf8);
}

INSTANTIATE_TEST_SUITE_P(
    Bytes, EscapeCases,
    ::testing::Values(EscapeCase{"CyrillicAndSignsStay", "Иванов #3, «гр. 5»", "Иванов #3, «гр. 5»", true},
                      EscapeCase{"FourByteCharacterStays", "\xF0\x9F\x98\x80", "\xF0\x9F\x98\x80", true},
                      EscapeCase{"ControlCharacters", "a\x01\tb\r", "a\\x01\\x09b\\x0D", true},
                      EscapeCase{"TerminalColourSequence", "\x1B[31mX", "\\x1B[31mX", true},
                      EscapeCase{"Delete", "\x7F", "\\x7F", true},
                      EscapeCase{"C1ControlShowsBothBytes", "\xC2\x85", "\\xC2\\x85", true},
                      EscapeCase{"StrayByte",
                                 "a\xFF"
                                 "b",
                                 "a\\xFFb", false},
                      EscapeCase{"CutSequenceAtTheEnd", "Ив\xD0", "Ив\\xD0", false},
                      EscapeCase{"LeadByteBeforeAnAsciiLetter",
                                 "\xD0"
                                 "a",
                                 "\\xD0a", false},
                      EscapeCase{"OverlongSlash", "\xC0\xAF", "\\xC0\\xAF", false},
                      EscapeCase{"OverlongThreeBytes", "\xE0\x80\xAF", "\\xE0\\x80\\xAF", false},
                      EscapeCase{"Surrogate", "\xED\xA0\x80", "\\xED\\xA0\\x80", false},
                      EscapeCase{"BeyondTheLastCodePoint", "\xF4\x90\x80\x80", "\\xF4\\x90\\x80\\x80", false},
                      EscapeCase{"Windows1251Text", "\xCF\xE5\xF2\xF0", "\\xCF\\xE5\\xF2\\xF0", false},
                      EscapeCase{"RightToLeftOverride",
                                 "a\xE2\x80\xAE"
                                 "b",
                                 "a\\u{202E}b", true},
                      EscapeCase{"LineSeparator",
                                 "a\xE2\x80\xA8"
                                 "b",
                                 "a\\u{2028}b", true},
                      EscapeCase{"ByteOrderMarkInside", "a\xEF\xBB\xBF", "a\\u{FEFF}", true}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(QuoteForMessage, CutsLongTextsAtWholeCharacters) {
    std::string name;
    for (int i = 0; i < 100; ++i)
        name += "ж";
    std::string sixty;
    for (int i = 0; i < 60; ++i)
        sixty += "ж";
    EXPECT_EQ(QuoteForMessage(name), "«" + sixty + "…»");
    EXPECT_EQ(QuoteForMessage(sixty), "«" + sixty + "»");
    EXPECT_EQ(QuoteForMessage("\x01\x02\x03", 2), "«\\x01\\x02…»");
    EXPECT_EQ(ShortenForMessage(""), "");
}

} // namespace
} // namespace radirav
