#include "calc_output.h"
#include "model/case_file.h"

#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

#include <fstream>

namespace radirav {
namespace {

CaseFileResult Read(const std::string& text) {
    return ReadCaseText(text, "test.case");
}

TEST(CaseFile, ExampleFileGivesTheSampleColumn) {
    std::ifstream in(RADIRAV_EXAMPLES_DIR "/ethanol-water.case");
    ASSERT_TRUE(in);
    CaseFileResult loaded = ReadCaseFile(in, "ethanol-water.case");
    ASSERT_FALSE(loaded.error) << *loaded.error;
    CalculateColumn(loaded.state);
    EXPECT_EQ(loaded.state.RequiredTrays, 59);
    EXPECT_EQ(loaded.state.FeedTray, 10);
}

TEST(ResultJson, CarriesCountsErrorTableAndBalance) {
    CaseFileResult loaded = Read("ALFA = 3\n");
    ASSERT_FALSE(loaded.error);
    const ColumnResult result = CalculateColumn(loaded.state);
    const auto json = nlohmann::json::parse(ResultJson(loaded.state, result));
    EXPECT_EQ(json["trays"], 300);
    EXPECT_EQ(json["feed"], 0);
    EXPECT_EQ(json["error"], "                      ТРЕБУЕМОЕ ЧИСЛО ТАРЕЛОК > 300");
    ASSERT_EQ(json["results"].size(), 14u);
    EXPECT_EQ(json["results"][0].size(), 3u);
    EXPECT_NEAR(json["balance"]["b"].get<double>(), 0.24104, 5e-6);
    // Written as the shortest decimal that reads back to the same single-precision value.
    EXPECT_EQ(static_cast<float>(json["balance"]["xP"].get<double>()), result.balance.xP);
}

TEST(ReportText, SeparatesDocumentsWithAFormFeedLine) {
    CaseFileResult loaded = Read("");
    CalculateColumn(loaded.state);
    const std::string text = ReportText(loaded.state, "DATE");
    EXPECT_EQ(text.find("\f\n"), text.rfind("\f\n"));
    EXPECT_NE(text.find("Solmina-9  стр.2"), std::string::npos);
    EXPECT_GT(text.find("Solmina-9  стр.2"), text.find("\f\n"));
}

} // namespace
} // namespace radirav
