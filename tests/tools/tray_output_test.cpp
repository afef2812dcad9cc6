#include "calc_output.h"
#include "model/case_file.h"
#include "tray_output.h"

#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

#include <string>

namespace radirav {
namespace {

const char* const kDate = "07 декабря 2026г.        14:35:12";

struct TrayRequestCase {
    const char* name;
    const char* caseText; // added to the sample
    const char* request;  // as typed after --tray
    int status;           // 2: refused before the calculation
    int tray;             // the tray shown; 0 none
    const char* stoppedAt;
};

class TrayRequests : public ::testing::TestWithParam<TrayRequestCase> {};

TEST_P(TrayRequests, ShowTheTrayOrSayWhyNot) {
    const TrayRequestCase& c = GetParam();
    const std::optional<TrayRequest> request = ParseTrayRequest(c.request);
    ASSERT_EQ(!request, c.status == 2);
    if (!request)
        return;
    CaseFileResult loaded = ReadCaseText(c.caseText, "class.case");
    ASSERT_FALSE(loaded.error) << *loaded.error;
    const ColumnResult result = CalculateAndStore(loaded.state);
    const TrayAnswer json = AnswerTrayRequest(loaded.state, result, *request, true, kDate);
    EXPECT_EQ(json.status, c.status);
    const auto out = nlohmann::json::parse(json.text);
    EXPECT_EQ(out["stop"], StopName(result.stop));
    EXPECT_EQ(out["reason"].is_null(), result.stop == CalcStop::None);
    EXPECT_EQ(out["error"].is_null(), c.tray != 0);
    if (c.tray == 0) {
        EXPECT_TRUE(out["tray"].is_null());
    } else {
        EXPECT_EQ(out["tray"]["number"], c.tray);
    }
    EXPECT_EQ(out["stopped_at"].is_null(), *c.stoppedAt == '\0');
    if (*c.stoppedAt != '\0') {
        EXPECT_EQ(out["stopped_at"], c.stoppedAt);
        // What the stop found outside its domain is shown; nothing after it.
        EXPECT_FALSE(out["tray"][c.stoppedAt].is_null());
        EXPECT_TRUE(out["tray"]["Ea"].is_null());
    }
    // The text says the same: the worked tray, or why there is none, and the stop's reason.
    const TrayAnswer text = AnswerTrayRequest(loaded.state, result, *request, false, kDate);
    EXPECT_EQ(text.status, c.status);
    const std::string shown =
        c.tray != 0 ? "Тарелка " + std::to_string(c.tray) + " " : out["error"].get<std::string>();
    EXPECT_NE(text.text.find(shown), std::string::npos) << text.text;
    if (!out["reason"].is_null()) {
        EXPECT_NE(text.text.find(out["reason"].get<std::string>().substr(0, 40)), std::string::npos)
            << text.text;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Requests, TrayRequests,
    ::testing::Values(TrayRequestCase{"BottomTray", "", "1", 0, 1, ""},
                      TrayRequestCase{"FeedTrayByName", "", "feed", 0, 10, ""},
                      TrayRequestCase{"TopTrayByName", "", "top", 0, 59, ""},
                      TrayRequestCase{"TopTrayByNumber", "", "59", 0, 59, ""},
                      TrayRequestCase{"PastTheTopOfTheColumn", "", "60", 1, 0, ""},
                      TrayRequestCase{"TrayOfTheStop", "R = 20\n", "26", 1, 26, "h"},
                      TrayRequestCase{"WholeTrayBelowTheStop", "R = 20\n", "3", 1, 3, ""},
                      TrayRequestCase{"TrayAboveTheStop", "R = 20\n", "27", 1, 0, ""},
                      TrayRequestCase{"TopOfAStoppedColumn", "R = 20\n", "top", 1, 0, ""},
                      TrayRequestCase{"FeedBelowTheStop", "R = 20\n", "feed", 1, 7, ""},
                      TrayRequestCase{"LastTrayAtTheLimit", "ALFA = 3\n", "300", 1, 300, ""},
                      TrayRequestCase{"NoFeedTrayAtTheLimit", "ALFA = 3\n", "feed", 1, 0, ""},
                      TrayRequestCase{"ZeroRefused", "", "0", 2, 0, ""},
                      TrayRequestCase{"PastTheLimitRefused", "", "301", 2, 0, ""},
                      TrayRequestCase{"NegativeRefused", "", "-3", 2, 0, ""},
                      TrayRequestCase{"FractionRefused", "", "1.5", 2, 0, ""},
                      TrayRequestCase{"WordRefused", "", "bottom", 2, 0, ""},
                      TrayRequestCase{"EmptyRefused", "", "", 2, 0, ""}),
    [](const auto& info) { return std::string(info.param.name); });

// Trays 1, 10 and 59 of the sample give every key, as numbers, and the figures of the profile.
TEST(TrayJson, SampleTraysGiveEveryKeyAndTheProfilesFigures) {
    CaseFileResult loaded = ReadCaseText("", "sample.case");
    const ColumnResult result = CalculateAndStore(loaded.state);
    const auto profile = nlohmann::json::parse(ResultJson(loaded.state, result, true))["profile"];
    const char* const kKeys[] = {"x",   "y_in",   "y_out", "y_star", "alpha", "T",    "V",  "L",
                                 "k",   "lambda", "rho_v", "w",      "F",     "mu_v", "r",  "Sc",
                                 "QL",  "q",      "h",     "DE",     "tau",   "NG",   "NL", "NOG",
                                 "EOG", "Pe",     "g",     "eta",    "s",     "EMV",  "Ea"};
    for (const int number : {1, 10, 59}) {
        const auto tray = nlohmann::json::parse(
            AnswerTrayRequest(loaded.state, result, {TrayRequest::Kind::Number, number}, true, kDate)
                .text)["tray"];
        EXPECT_EQ(tray["number"], number);
        EXPECT_EQ(tray["section"], number <= 10 ? "stripping" : "rectifying");
        for (const char* key : kKeys)
            EXPECT_TRUE(tray[key].is_number()) << key << " of tray " << number;
        const auto& record = profile[static_cast<std::size_t>(number - 1)];
        EXPECT_EQ(tray["EMV"], record["EMV"]);
        EXPECT_EQ(tray["Ea"], record["Ea"]);
        EXPECT_EQ(tray["y_out"], record["y"]);
        EXPECT_EQ(tray["x"], record["x"]);
    }
}

} // namespace
} // namespace radirav
