#include "screens/results/print_report.h"

#include "calc/column.h"
#include "platform/regional_format.h"
#include "platform/scripted_platform.h"
#include "report/report_text.h"
#include "support/sample_state.h"

#include <gtest/gtest.h>

namespace radirav {
namespace {

// 7 December 2026, 14:35:12 on the scripted clock.
const std::string kDate = "07 декабря 2026г.        14:35:12";

struct PrintCase {
    const char* name;
    ProgramState (*make)();
    std::size_t documents;
    std::size_t countDocument; // the one that carries the trays and the feed tray
    const char* countLine;
};
void PrintTo(const PrintCase& c, std::ostream* out) {
    *out << c.name;
}

class PrintedReport : public ::testing::TestWithParam<PrintCase> {};

// Every line of every document goes to the printer in its report font, one document a page,
// dated by the clock, and the report is ended once.
TEST_P(PrintedReport, PrintsEveryDocumentDatedByTheClock) {
    ProgramState state = GetParam().make();
    state.StudentName = "Иванов И.и. Гр. 5-12";
    state.SystemName = "Этанол-вода";
    const ColumnResult result = CalculateAndStore(state);
    testing::ScriptedPlatform machine;
    PrintReport(state, result.warnings, machine, machine);

    EXPECT_EQ(machine.printerFont, QStringLiteral("Courier New Cyr"));
    EXPECT_EQ(machine.printerFontSize, 10);
    EXPECT_EQ(machine.reportsEnded, 1);
    const std::vector<ReportDocument> expected =
        ReportDocuments(state, kDate, RegionalDecimalSeparator(), result.warnings);
    ASSERT_EQ(expected.size(), GetParam().documents);
    ASSERT_EQ(machine.printedDocuments.size(), expected.size());
    for (std::size_t d = 0; d < expected.size(); ++d) {
        QStringList lines;
        for (const std::string& line : expected[d]) {
            lines << QString::fromStdString(line);
        }
        EXPECT_EQ(machine.printedDocuments[d], lines) << "document " << d + 1;
        EXPECT_TRUE(lines.value(0).contains(QString::fromStdString(kDate))) << "document " << d + 1;
    }
    EXPECT_TRUE(machine.printedDocuments[GetParam().countDocument].contains(
        QStringLiteral("  ") + QString::fromUtf8(GetParam().countLine)));
}

INSTANTIATE_TEST_SUITE_P(
    Report, PrintedReport,
    ::testing::Values(
        PrintCase{"ConstantAlfaOnOnePage", [] { return testing::SampleWithAlfa(10.0); }, 1, 0,
                  "ТРЕБУЕМОЕ ЧИСЛО ТАРЕЛОК  15        ТАРЕЛКА ПИТАНИЯ -  11-я, (считая снизу)      "},
        PrintCase{"TabulatedPointsWithTheResultsOnPageTwo", [] { return testing::SampleWithPoints(); }, 2, 1,
                  "ТРЕБУЕМОЕ ЧИСЛО ТАРЕЛОК  59        ТАРЕЛКА ПИТАНИЯ -  10-я, (считая снизу)      "}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace radirav
