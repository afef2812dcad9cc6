#include "model/val.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace radirav {
namespace {

struct ValCase {
    const char* name;
    const char* text;
    double value;
    bool number = true; // a number at all, not a text that reads as 0
};

class ValCases : public ::testing::TestWithParam<ValCase> {};

TEST_P(ValCases, ReadsTheLeadingNumber) {
    EXPECT_DOUBLE_EQ(Val(GetParam().text), GetParam().value);
    EXPECT_EQ(StartsWithNumber(GetParam().text), GetParam().number);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, ValCases,
    ::testing::Values(
        ValCase{"Plain", "2.78", 2.78}, ValCase{"CommaEndsTheNumber", "1,5", 1.0},
        ValCase{"BlanksAnywhereAreIgnored", " 1 2 . 5", 12.5},
        ValCase{"TabAndLineFeedAreIgnored", "\t-3\n", -3.0}, ValCase{"PlusSign", "+4", 4.0},
        ValCase{"NoDigitBeforeThePoint", ".5", 0.5}, ValCase{"NoDigitAfterThePoint", "5.", 5.0},
        ValCase{"ExponentWithE", "2.63E-5", 2.63e-5}, ValCase{"ExponentWithD", "1d3", 1000.0},
        ValCase{"BareExponentLetter", "1e", 1.0}, ValCase{"ExponentSignWithoutDigits", "1e+", 1.0},
        ValCase{"Letters", "abc", 0.0, false}, ValCase{"Empty", "", 0.0, false},
        ValCase{"SignAlone", "-", 0.0, false}, ValCase{"PointAlone", ".", 0.0, false},
        ValCase{"NanIsNoNumber", "nan", 0.0, false}, ValCase{"TrailingLetters", "12abc", 12.0},
        ValCase{"SecondPointEndsTheNumber", "1.2.3", 1.2}, ValCase{"UnderflowReadsAsZero", "1e-400", 0.0},
        ValCase{"NegativeZero", "-0", 0.0}, ValCase{"Cyrillic", "Этанол", 0.0, false},
        ValCase{"SignAndPointBeforeDigits", "- .5", -0.5}, ValCase{"SignAndPointAlone", "-.", 0.0, false}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(Val, OverflowReadsAsInfinityNotACrash) {
    EXPECT_TRUE(std::isinf(Val("1e999")));
    EXPECT_LT(Val("-1e999"), 0.0);
}

TEST(ToSingle, MapsValuesBeyondSinglePrecisionToInfinity) {
    EXPECT_EQ(ToSingle(1e39), std::numeric_limits<float>::infinity());
    EXPECT_EQ(ToSingle(-1e39), -std::numeric_limits<float>::infinity());
    EXPECT_EQ(ToSingle(2.63e-5), 2.63e-5f);
}

} // namespace
} // namespace radirav
