#include "report/line_breaks.h"

#include "support/test_names.h"

#include <gtest/gtest.h>

namespace radirav {
namespace {

struct WrapCase {
    const char* name;
    const char* text;
    std::size_t width;
    std::vector<std::string> lines;
};
void PrintTo(const WrapCase& c, std::ostream* out) {
    *out << c.name;
}

class Wrapping : public ::testing::TestWithParam<WrapCase> {};

TEST_P(Wrapping, BreaksBetweenWordsNeverInsideANameAndItsValue) {
    EXPECT_EQ(WrapWords(GetParam().text, GetParam().width), GetParam().lines);
}

INSTANTIATE_TEST_SUITE_P(Prose, Wrapping,
                         ::testing::Values(WrapCase{"words fill each line",
                                                    "один два три четыре",
                                                    9,
                                                    {"один два", "три", "четыре"}},
                                           WrapCase{"a name stays with its value",
                                                    "флегмовое число R = 1.37 меньше",
                                                    18,
                                                    {"флегмовое число", "R = 1.37 меньше"}},
                                           WrapCase{"a number stays with its unit and its bound",
                                                    "падает до 0.788 мм (меньше 10 мм): тарелки",
                                                    12,
                                                    {"падает до", "0.788 мм", "(меньше 10 мм):", "тарелки"}},
                                           WrapCase{"a relation of two names stays whole",
                                                    "богаче (XF <= XW). Увеличьте",
                                                    10,
                                                    {"богаче", "(XF <= XW).", "Увеличьте"}},
                                           WrapCase{"a number not compared nor measured may go on",
                                                    "тарелках 1–5 исчерпывающей",
                                                    12,
                                                    {"тарелках 1–5", "исчерпывающей"}}),
                         [](const auto& info) { return testing::CaseName(info.param.name); });

} // namespace
} // namespace radirav
