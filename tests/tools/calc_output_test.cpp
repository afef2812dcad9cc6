#include "calc_output.h"
#include "model/case_file.h"
#include "support/text_lines.h"

#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <vector>

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
    CalculateAndStore(loaded.state);
    EXPECT_EQ(loaded.state.RequiredTrays, 59);
    EXPECT_EQ(loaded.state.FeedTray, 10);
}

// A stopped column shows no tray count, no feed tray and no named rows: only its stop.
TEST(ResultJson, StoppedColumnCarriesTheStopAndNoCounts) {
    CaseFileResult loaded = Read("ALFA = 3\n");
    ASSERT_FALSE(loaded.error);
    const ColumnResult result = CalculateAndStore(loaded.state);
    const auto json = nlohmann::json::parse(ResultJson(loaded.state, result));
    EXPECT_EQ(json["stop"], "tray_limit");
    EXPECT_TRUE(json["trays"].is_null());
    EXPECT_TRUE(json["feed"].is_null());
    EXPECT_EQ(json["error"], "ТРЕБУЕМОЕ ЧИСЛО ТАРЕЛОК > 300");
    EXPECT_TRUE(json["rows"].empty());
    ASSERT_EQ(json["results"].size(), 14u);
    EXPECT_EQ(json["results"][0].size(), 3u);
    EXPECT_NEAR(json["balance"]["b"].get<double>(), 0.24104, 5e-6);
    // Written as the shortest decimal that reads back to the same single-precision value.
    EXPECT_EQ(static_cast<float>(json["balance"]["xP"].get<double>()), result.balance.xP);
}

// The named rows carry the same numbers as the bare array, and the two rows the results screen
// leaves out are marked so.
TEST(ResultJson, NamedRowsMatchTheResultsArray) {
    CaseFileResult loaded = Read("ALFA = 10\n");
    const ColumnResult result = CalculateAndStore(loaded.state);
    const auto json = nlohmann::json::parse(ResultJson(loaded.state, result));
    EXPECT_EQ(json["stop"], "ok");
    EXPECT_EQ(json["trays"], 15);
    EXPECT_EQ(json["feed"], 11);
    EXPECT_TRUE(json["error"].is_null());
    ASSERT_EQ(json["rows"].size(), 14u);
    std::vector<std::string> hidden;
    for (std::size_t i = 0; i < 14; ++i) {
        const auto& row = json["rows"][i];
        EXPECT_EQ(row["bottom"], json["results"][i][0]) << i;
        EXPECT_EQ(row["feed"], json["results"][i][1]) << i;
        EXPECT_EQ(row["top"], json["results"][i][2]) << i;
        if (!row["shown"].get<bool>())
            hidden.push_back(row["symbol"]);
    }
    EXPECT_EQ(hidden, (std::vector<std::string>{"lambda", "Pe"}));
    EXPECT_EQ(json["rows"][0]["symbol"], "w");
    EXPECT_EQ(json["rows"][0]["unit"], "м/с");
    EXPECT_EQ(json["rows"][13]["symbol"], "Ea");
}

TEST(ResultJson, ColumnWithoutAFeedTrayHasNoFeedValues) {
    CaseFileResult loaded = Read("");
    ColumnResult result = CalculateAndStore(loaded.state);
    loaded.state.FeedTray = 0; // a column stepping from below ys straight past xP
    const auto json = nlohmann::json::parse(ResultJson(loaded.state, result));
    EXPECT_TRUE(json["rows"][0]["feed"].is_null());
    EXPECT_TRUE(json["rows"][0]["bottom"].is_number());
}

TEST(ReportText, SeparatesDocumentsWithAFormFeedLine) {
    CaseFileResult loaded = Read("");
    CalculateAndStore(loaded.state);
    const std::string text = ReportText(loaded.state, "DATE");
    EXPECT_EQ(text.find("\f\n"), text.rfind("\f\n"));
    EXPECT_NE(text.find("Solmina-9  стр.2"), std::string::npos);
    EXPECT_GT(text.find("Solmina-9  стр.2"), text.find("\f\n"));
}

TEST(ResultJson, ProfileCarriesEveryTrayWithTheResultTablesFirstTray) {
    CaseFileResult loaded = Read("");
    const ColumnResult result = CalculateAndStore(loaded.state);
    const auto json = nlohmann::json::parse(ResultJson(loaded.state, result, true));
    ASSERT_EQ(json["profile"].size(), 59u);
    EXPECT_EQ(json["profile"][0]["w"], json["results"][0][0]);
    EXPECT_EQ(json["profile"][9]["section"], "stripping"); // feed tray 10
    EXPECT_EQ(json["profile"][10]["section"], "rectifying");
    EXPECT_FALSE(nlohmann::json::parse(ResultJson(loaded.state, result)).contains("profile"));
}

TEST(CsvField, QuotesOnlyWhatWouldSplitOrLoseTheField) {
    EXPECT_EQ(CsvField("Петров П.П."), "Петров П.П.");
    EXPECT_EQ(CsvField("Ив, гр. 5"), "\"Ив, гр. 5\"");
    EXPECT_EQ(CsvField("a \"b\""), "\"a \"\"b\"\"\"");
    EXPECT_EQ(CsvField(" x"), "\" x\"");
}

using testing::Lines;

TEST(Summary, KeepsGoingPastBadFilesAndReportsTheWorstStatus) {
    const auto folder =
        std::filesystem::temp_directory_path() / ("radirav-summary-" + std::to_string(::getpid()));
    std::filesystem::create_directories(folder);
    const auto write = [&](const char* name, const char* text) {
        std::ofstream(folder / name) << text;
        return (folder / name).string();
    };
    const std::string bad = write("bad.case", "XF = 0.1\nFOO = 1\n");
    const std::string limit = write("limit.case", "NAME = Ив, гр. 5\nALFA = 3\n");
    const std::string wrongData =
        write("wrong.case", "TRAY = S\nHPIS = 0.01\nHPUK = 0.01\nSIS = 0.244\nSUK = 0.469\nQ = 2529.1\n"
                            "R = 8.63\nLSIS = 2.92\nLSUK = 0.82\nALFA = 4.78\n");
    const std::string example = RADIRAV_EXAMPLES_DIR "/ethanol-water.case";
    const std::string missing = (folder / "missing.case").string();

    std::ostringstream out;
    EXPECT_EQ(WriteSummaryCsv({bad, missing, limit, wrongData, example, folder.string()}, out), 2);
    const std::vector<std::string> lines = Lines(out.str());
    ASSERT_EQ(lines.size(), 7u);
    EXPECT_EQ(lines[0], "file,student,system,tray,equilibrium,trays,feed,stop,message,reason");
    EXPECT_EQ(lines[1], bad + ",,,,,,,file_error," + bad +
                            ":2: «FOO»: неизвестный ключ (ключи перечислены в radirav-calc --help),");
    EXPECT_EQ(lines[2], missing + ",,,,,,,file_error," + missing + ": нет такого файла,");
    // The tray limit names its cause: ALFA = 3 stalls on the stripping operating line.
    const std::string limitRow =
        limit + ",\"Ив, гр. 5\",Этанол-Вода,K,alfa,,,tray_limit,ТРЕБУЕМОЕ ЧИСЛО ТАРЕЛОК > 300,";
    EXPECT_EQ(lines[3].substr(0, limitRow.size()), limitRow);
    EXPECT_NE(lines[3].find("исчерпывающей части", limitRow.size()), std::string::npos) << lines[3];
    const std::string wrongRow =
        wrongData + ",Петров П.П.,Этанол-Вода,S,alfa,,,input_error,ОШИБКА В ИСХОДНОЙ ИНФОРМАЦИИ !!!,";
    EXPECT_EQ(lines[4].substr(0, wrongRow.size()), wrongRow);
    EXPECT_GT(lines[4].size(), wrongRow.size()) << "the stop says why";
    EXPECT_EQ(lines[5], example + ",Петров П.П. гр. 5-12,Этанол-Вода,K,points,59,10,ok,,");
    EXPECT_EQ(lines[6], folder.string() + ",,,,,,,file_error,\"" + folder.string() +
                            ": это папка, а не файл варианта\",");

    std::ostringstream quiet;
    EXPECT_EQ(WriteSummaryCsv({limit, example}, quiet), 1);
    EXPECT_EQ(WriteSummaryCsv({example}, quiet), 0);
    std::filesystem::remove_all(folder);
}

} // namespace
} // namespace radirav
