#include "model/point_entry.h"

#include "support/test_names.h"

#include <gtest/gtest.h>

#include <optional>

namespace radirav {
namespace {

struct CountCase {
    const char* name;
    const char* answer;
    std::optional<int> count;
};

class PointCountAnswers : public ::testing::TestWithParam<CountCase> {};

TEST_P(PointCountAnswers, RoundHalvesToEvenAndAcceptOnlyEightToTwenty) {
    EXPECT_EQ(PointCountFromAnswer(GetParam().answer), GetParam().count);
}

INSTANTIATE_TEST_SUITE_P(
    Answers, PointCountAnswers,
    ::testing::Values(CountCase{"seven and a half rounds up to eight", "7.5", 8},
                      CountCase{"twenty and a half rounds down to twenty", "20.5", 20},
                      CountCase{"eight comma four", "8,4", 8},
                      CountCase{"eight point five stays eight", "8.5", 8}, CountCase{"twenty", "20", 20},
                      CountCase{"nine", "9", 9}, CountCase{"seven point four nine", "7.49", std::nullopt},
                      CountCase{"twenty one", "21", std::nullopt}, CountCase{"empty", "", std::nullopt},
                      CountCase{"beyond sixteen bits", "70000", std::nullopt},
                      CountCase{"wrapping to nine in sixteen bits", "65545", std::nullopt},
                      CountCase{"beyond single range", "1e39", std::nullopt},
                      CountCase{"beyond double range", "1e999", std::nullopt},
                      CountCase{"nan", "nan", std::nullopt}, CountCase{"text", "десять", std::nullopt},
                      CountCase{"minus ten", "-10", std::nullopt}),
    [](const auto& info) { return testing::CaseName(info.param.name); });

} // namespace
} // namespace radirav
