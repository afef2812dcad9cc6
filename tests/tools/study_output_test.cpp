#include "model/case_file.h"
#include "study_output.h"
#include "support/test_names.h"
#include "support/text_lines.h"

#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

#include <cstdio>
#include <sstream>

namespace radirav {
namespace {

ProgramState Case(const std::string& text) {
    CaseFileResult loaded = ReadCaseText(text, "test.case");
    EXPECT_FALSE(loaded.error) << *loaded.error;
    return loaded.state;
}

struct RequestCase {
    const char* name;
    const char* caseText;
    const char* request;
    bool readable;
    const char* fault; // none: the case may be studied so
};

class StudyRequests : public ::testing::TestWithParam<RequestCase> {};

// Every end of a range passes the check a case file holding it would pass, in the reader's words.
TEST_P(StudyRequests, AreReadAndCheckedAsACaseFileChecksItsValues) {
    const RequestCase& c = GetParam();
    const StudyRequest request = ParseStudyRequest(c.request);
    ASSERT_EQ(request.range.has_value(), c.readable) << request.error.value_or("");
    EXPECT_EQ(request.error.has_value(), !c.readable);
    if (!request.range)
        return;
    const std::optional<std::string> fault = StudyRequestFault(Case(c.caseText), *request.range);
    if (c.fault == nullptr)
        EXPECT_FALSE(fault) << *fault;
    else
        EXPECT_EQ(fault.value_or("passes"), c.fault);
}

INSTANTIATE_TEST_SUITE_P(
    CommandLine, StudyRequests,
    ::testing::Values(
        RequestCase{"feed inside its check", "", "F=2:4:21", true, nullptr},
        RequestCase{"lower case key and one value", "", "suk=0.7:0.7:1", true, nullptr},
        RequestCase{"tray types either way round", "", "TRAY=s,K", true, nullptr},
        RequestCase{"zero reflux", "", "R=0:5:6", true, "R: «0» вне диапазона; допустимо 0 < R <= 10000"},
        RequestCase{"reflux beyond single precision", "", "R=1:1e39:3", true,
                    "R: «1e39» вне диапазона; допустимо 0 < R <= 10000"},
        RequestCase{"infinite feed", "", "F=2:inf:3", true, "F: «inf» не число; допустимо 0 < F <= 100"},
        RequestCase{
            "feed poorer than the bottoms", "", "XF=0.0001:0.2:5", true,
            "XF: «0.0001» вне диапазона; допустимо 0 < XF < 1, XW < XF <= XP (XW = 0.0006, XP = 0.95)"},
        RequestCase{"distillate of one", "", "XP=0.5:1:3", true,
                    "XP: «1» вне диапазона; допустимо 0 < XP < 1, XP >= XF"},
        RequestCase{"distillate poorer than the feed", "", "XP=0.05:0.9:3", true,
                    "XP: «0.05» вне диапазона; допустимо 0 < XP < 1, XP >= XF (XF = 0.08)"},
        RequestCase{"temperature below absolute zero", "", "TIS=100:-300:3", true,
                    "TIS: «-300» вне диапазона; допустимо -273 <= TIS <= 400"},
        RequestCase{"alfa of a tabulated case", "", "ALFA=2:20:10", true,
                    "ALFA: в варианте летучесть не постоянна (равновесие задано 15 равновесными точками); "
                    "ALFA исследуется в варианте с ALFA = a"},
        RequestCase{"alfa of one", "ALFA = 10\n", "ALFA=1:20:5", true,
                    "ALFA: «1» вне диапазона; допустимо 1 < ALFA <= 1000000"},
        RequestCase{"alfa of a constant volatility", "ALFA = 10\n", "ALFA=2:20:5", true, nullptr},
        RequestCase{"unknown code", "", "FOO=1:2:3", false, nullptr},
        RequestCase{"count missing", "", "F=1:2", false, nullptr},
        RequestCase{"zero count", "", "F=1:2:0", false, nullptr},
        RequestCase{"decimal comma", "", "F=2,5:3:2", false, nullptr},
        RequestCase{"one tray type twice", "", "TRAY=K,K", false, nullptr}),
    [](const auto& info) { return testing::CaseName(info.param.name); });

using testing::Lines;

TEST(StudyCsv, StoppedRowsLeaveTheirCountsEmptyAndWorkingOnesCarryNTimesRPlusOne) {
    const ProgramState state = Case("");
    const StudyRequest request = ParseStudyRequest("R=4:20:5");
    ASSERT_TRUE(request.range);
    std::ostringstream out;
    WriteStudyCsv(state, StudyInput(state, request.range->input, request.range->values), out);
    const std::vector<std::string> lines = Lines(out.str());
    ASSERT_EQ(lines.size(), 11u);
    EXPECT_EQ(lines[5], "R,trays,feed,Ea_feed,warnings,stop,N*(R+1)");
    // R = 20 blows the liquid off the rectifying trays.
    EXPECT_EQ(lines[10], "20,,,,,input_error,");
    int trays = 0, feed = 0, warnings = 0;
    double R = 0, ea = 0, product = 0;
    char stop[16] = {};
    ASSERT_EQ(std::sscanf(lines[6].c_str(), "%lf,%d,%d,%lf,%d,%15[a-z_],%lf", &R, &trays, &feed, &ea,
                          &warnings, stop, &product),
              7)
        << lines[6];
    EXPECT_EQ(R, 4.0);
    EXPECT_STREQ(stop, "ok");
    EXPECT_NEAR(product, trays * 5.0, 1e-9);
    EXPECT_GT(ea, 0.0);
    EXPECT_LT(ea, 1.0);
}

TEST(StudyJson, DefaultRefluxStudyOfAFeedOf5_51NamesItsWindowMinimumAndOptimum) {
    const ProgramState state = Case("F = 5.51\n");
    const InputStudy study = DefaultStudy(state, kStudiedReflux);
    EXPECT_EQ(StudyExitStatus(study), 0);
    const auto json = nlohmann::json::parse(StudyJson(state, study));
    EXPECT_EQ(json["input"], "R");
    EXPECT_EQ(json["label"], "ФЛЕГМОВОЕ ЧИСЛО");
    EXPECT_EQ(json["student_value"], 5.25);
    ASSERT_EQ(json["working"].size(), 1u);
    const double from = json["working"][0][0], to = json["working"][0][1];
    const double minimum = json["minimum_reflux"];
    EXPECT_GE(from, minimum);
    ASSERT_EQ(json["rows"].size(), 200u);
    for (const auto& row : json["rows"]) {
        EXPECT_GT(row["value"].get<double>(), 0.0);
        const bool works = row["stop"] == "ok";
        EXPECT_EQ(row["trays"].is_number(), works) << row;
        EXPECT_EQ(row["feed"].is_number(), works) << row;
        EXPECT_EQ(row["warnings"].is_number(), works) << row;
        EXPECT_EQ(row["N_R_plus_1"].is_number(), works) << row;
    }
    const auto& optimum = json["optimum"];
    const double R = optimum["R"];
    EXPECT_GE(R, from);
    EXPECT_LE(R, to);
    EXPECT_NEAR(optimum["N_R_plus_1"].get<double>(), optimum["trays"].get<int>() * (R + 1.0), 1e-3);
    EXPECT_NEAR(optimum["ratio_to_minimum"].get<double>(), R / minimum, 1e-6);
}

TEST(StudyJson, TrayTypesAreNamedByTheirLetters) {
    const ProgramState state = Case("TRAY = S\n");
    const StudyRequest request = ParseStudyRequest("TRAY=K,S");
    ASSERT_TRUE(request.range);
    const auto json = nlohmann::json::parse(
        StudyJson(state, StudyInput(state, request.range->input, request.range->values)));
    EXPECT_EQ(json["student_value"], "S");
    EXPECT_EQ(json["working"], nlohmann::json::parse(R"(["K", "S"])"));
    EXPECT_EQ(json["rows"][1]["value"], "S");
    EXPECT_FALSE(json.contains("optimum"));
}

} // namespace
} // namespace radirav
