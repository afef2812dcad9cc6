#include "model/val.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace radirav {
namespace {

struct ValCase {
    const char* text;
    double value;
};

class ValCases : public ::testing::TestWithParam<ValCase> {};

TEST_P(ValCases, ReadsTheLeadingNumber) {
    EXPECT_DOUBLE_EQ(Val(GetParam().text), GetParam().value);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, ValCases,
    ::testing::Values(ValCase{"2.78", 2.78}, ValCase{"1,5", 1.0}, ValCase{" 1 2 . 5", 12.5},
                      ValCase{"\t-3\n", -3.0}, ValCase{"+4", 4.0}, ValCase{".5", 0.5}, ValCase{"5.", 5.0},
                      ValCase{"2.63E-5", 2.63e-5}, ValCase{"1d3", 1000.0}, ValCase{"1e", 1.0},
                      ValCase{"1e+", 1.0}, ValCase{"abc", 0.0}, ValCase{"", 0.0}, ValCase{"-", 0.0},
                      ValCase{".", 0.0}, ValCase{"nan", 0.0}, ValCase{"12abc", 12.0}, ValCase{"1.2.3", 1.2},
                      ValCase{"1e-400", 0.0}, ValCase{"-0", 0.0}, ValCase{"Этанол", 0.0}));

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
