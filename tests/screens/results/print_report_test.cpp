#include "screens/results/print_report.h"

#include "calc/column.h"
#include "platform/scripted_platform.h"
#include "support/sample_state.h"

#include <gtest/gtest.h>

namespace radirav {
namespace {

using testing::SampleWithAlfa;
using testing::SampleWithPoints;

// 7 December 2026, 14:35:12 on the scripted clock.
const QString kDate = QStringLiteral("07 декабря 2026г.        14:35:12");

QString PageHeader(int page) {
    return kDate + QString(60 - kDate.size(), QLatin1Char(' ')) +
           QStringLiteral("Solmina-9  стр.%1").arg(page);
}

class PrintReportTest : public ::testing::Test {
protected:
    void Print(ProgramState prepared) {
        state = std::move(prepared);
        state.StudentName = "Иванов И.и. Гр. 5-12";
        state.SystemName = "Этанол-вода";
        CalculateAndStore(state);
        PrintReport(state, machine, machine);
    }

    ProgramState state;
    testing::ScriptedPlatform machine;
};

TEST_F(PrintReportTest, ConstantAlfaReportIsOneDocumentInTheReportFont) {
    Print(SampleWithAlfa(10.0));
    EXPECT_EQ(machine.printerFont, QStringLiteral("Courier New Cyr"));
    EXPECT_EQ(machine.printerFontSize, 10);
    ASSERT_EQ(machine.printedDocuments.size(), 1u);
    EXPECT_EQ(machine.reportsEnded, 1);
    const QStringList& page = machine.printedDocuments[0];
    ASSERT_FALSE(page.isEmpty());
    // The date starts in column 41 after the name.
    EXPECT_EQ(page[0], QStringLiteral("Иванов И.и. Гр. 5-12") + QString(20, QLatin1Char(' ')) + kDate);
    EXPECT_TRUE(page.contains(QStringLiteral("СИСТЕМА - Этанол-вода")));
    EXPECT_TRUE(page.contains(QStringLiteral("      ALFA=") + QString::fromStdString(state.AlfaText)));
    EXPECT_TRUE(page.contains(QStringLiteral(
        "  ТРЕБУЕМОЕ ЧИСЛО ТАРЕЛОК  15        ТАРЕЛКА ПИТАНИЯ -  11-я, (считая снизу)      ")));
    EXPECT_FALSE(page.join(QLatin1Char('\n')).contains(QStringLiteral("Solmina-9")));
}

TEST_F(PrintReportTest, TabulatedPointsPutTheResultsOnASecondPage) {
    Print(SampleWithPoints());
    ASSERT_EQ(machine.printedDocuments.size(), 2u);
    EXPECT_EQ(machine.reportsEnded, 1);
    const QStringList& first = machine.printedDocuments[0];
    const QStringList& second = machine.printedDocuments[1];
    ASSERT_GE(first.size(), 6);
    ASSERT_GE(second.size(), 6);

    EXPECT_EQ(first[0], PageHeader(1));
    EXPECT_EQ(first.mid(1, 4), QStringList(4, QString()));
    EXPECT_EQ(first[5], QStringLiteral("Иванов И.и. Гр. 5-12"));
    const qsizetype pointLines = std::count_if(first.begin(), first.end(), [](const QString& line) {
        return line.startsWith(QStringLiteral("                 X("));
    });
    EXPECT_EQ(pointLines, 15);
    EXPECT_TRUE(std::any_of(first.begin(), first.end(), [](const QString& line) {
        return line.startsWith(QStringLiteral("                 X( 1)="));
    }));

    EXPECT_EQ(second[0], PageHeader(2));
    EXPECT_EQ(second.mid(1, 4), QStringList(4, QString()));
    EXPECT_EQ(
        second[5],
        QStringLiteral("  ТРЕБУЕМОЕ ЧИСЛО ТАРЕЛОК  59        ТАРЕЛКА ПИТАНИЯ -  10-я, (считая снизу)      "));
    EXPECT_FALSE(first.join(QLatin1Char('\n')).contains(QStringLiteral("ТРЕБУЕМОЕ ЧИСЛО ТАРЕЛОК")));
}

} // namespace
} // namespace radirav
