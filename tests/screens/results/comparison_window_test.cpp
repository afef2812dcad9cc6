#include "screens/results/comparison_window.h"

#include "calc/column.h"
#include "model/entry.h"
#include "report/history_text.h"
#include "screens/screen_test.h"
#include "support/sample_state.h"
#include "support/test_names.h"

#include <QApplication>
#include <QHeaderView>
#include <QLabel>
#include <QScrollBar>
#include <QStyle>
#include <QTableWidget>

namespace radirav {
namespace {

// The sample, then `count` - 1 more calculations, each with a feed 0.25 kg/s larger: from 4.5 kg/s
// on a tray is overloaded, and the rows carry a warning.
std::vector<CalculationRecord> Calculations(ProgramState& state, int count) {
    state = testing::SampleWithPoints();
    CalculationHistory history;
    for (int i = 0; i < count; ++i) {
        if (i > 0)
            EnterParamValue(state, param::kF, std::to_string(2.78 + 0.25 * i));
        history.Add(state, CalculateColumn(state));
    }
    return history.Records();
}

class ComparisonWindowTest : public testing::ScreenTest {
protected:
    ComparisonWindow* Open(int calculations) {
        records = Calculations(state, calculations);
        window = new ComparisonWindow(state, platform, records);
        window->show();
        QTest::qWait(20); // the columns take their widths, the rows their heights
        return window;
    }

    std::vector<CalculationRecord> records;
    QPointer<ComparisonWindow> window;
};

// On paper under the report's header: the student, the scripted clock's date, the system.
TEST_F(ComparisonWindowTest, PrintsOneDocumentInTheReportFontDatedByTheClock) {
    Open(3);
    state.StudentName = "Иванов И.и. Гр. 5-12";
    state.SystemName = "Этанол-вода";
    QTest::mouseClick(window->PrintButton, Qt::LeftButton);

    EXPECT_EQ(machine.printerFont, QStringLiteral("Courier New Cyr"));
    EXPECT_EQ(machine.printerFontSize, 10);
    EXPECT_EQ(machine.reportsEnded, 1);
    ASSERT_EQ(machine.printedDocuments.size(), 1u);
    QStringList expected;
    for (const std::string& line : HistoryPrintLines(state, records, "07 декабря 2026г.        14:35:12"))
        expected << QString::fromStdString(line);
    EXPECT_EQ(machine.printedDocuments[0], expected);
}

struct KeyCase {
    const char* name;
    const char* focus; // the control the key goes to
    std::function<void(ComparisonWindow*, QWidget*)> press;
};
void PrintTo(const KeyCase& c, std::ostream* out) {
    *out << c.name;
}

class ComparisonCopy : public ComparisonWindowTest, public ::testing::WithParamInterface<KeyCase> {};

// The whole comparison goes to the clipboard, whichever cell is current, in the spreadsheet's form
// (Ctrl+C in the table is pressed on the display).
TEST_P(ComparisonCopy, PutsTheWholeTableOnTheClipboard) {
    Open(3);
    window->Table->setCurrentCell(1, 1);
    GetParam().press(window, window->findChild<QWidget*>(QString::fromUtf8(GetParam().focus)));
    EXPECT_EQ(machine.copiedTexts, QStringList{QString::fromStdString(HistoryCopyText(records))});
    EXPECT_TRUE(window->CopyNote->isVisible() && !window->CopyNote->text().isEmpty());
}

void CtrlC(ComparisonWindow*, QWidget* focus) {
    QTest::keyClick(focus, Qt::Key_C, Qt::ControlModifier);
}

INSTANTIATE_TEST_SUITE_P(Ways, ComparisonCopy,
                         ::testing::Values(KeyCase{"copy button", "CopyButton",
                                                   [](ComparisonWindow*, QWidget* button) {
                                                       QTest::mouseClick(button, Qt::LeftButton);
                                                   }},
                                           KeyCase{"Ctrl+C on the print button", "PrintButton", CtrlC}),
                         [](const auto& info) { return testing::CaseName(info.param.name); });

class ComparisonClose : public ComparisonWindowTest, public ::testing::WithParamInterface<KeyCase> {};

TEST_P(ComparisonClose, UnloadsTheWindowAndNothingElse) {
    Open(2);
    GetParam().press(window, window->findChild<QWidget*>(QString::fromUtf8(GetParam().focus)));
    testing::DestroyUnloadedWindows();
    EXPECT_TRUE(window.isNull());
    EXPECT_EQ(machine.screens.Count(), 0);
    EXPECT_TRUE(machine.printedDocuments.empty() && machine.copiedTexts.isEmpty());
}

void Escape(ComparisonWindow*, QWidget* focus) {
    QTest::keyClick(focus, Qt::Key_Escape);
}

INSTANTIATE_TEST_SUITE_P(Ways, ComparisonClose,
                         ::testing::Values(KeyCase{"Escape on the copy button", "CopyButton", Escape},
                                           KeyCase{"Space on the close button", "CloseButton",
                                                   [](ComparisonWindow*, QWidget* button) {
                                                       QTest::keyClick(button, Qt::Key_Space);
                                                   }},
                                           KeyCase{
                                               "title-bar close", "Comparison",
                                               [](ComparisonWindow* window, QWidget*) { window->close(); }}),
                         [](const auto& info) { return testing::CaseName(info.param.name); });

// A long session: the newest row is current and in view, every wrapped text has the height it
// needs at its column's width, and nothing a student presses edits a cell.
TEST_F(ComparisonWindowTest, ShowsTheNewestAndEveryTextWholeAndEditsNothing) {
    Open(12);
    QTableWidget* table = window->Table;
    // The room a cell's text has: the column less the item view's margin on either side.
    const int margin = table->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, table) + 1;
    for (const int width : {900, 600}) {
        window->resize(width, window->height());
        QTest::qWait(20);
        const int last = table->rowCount() - 1;
        EXPECT_EQ(table->currentRow(), last);
        const QRect newest = table->visualItemRect(table->item(last, 0));
        EXPECT_TRUE(table->viewport()->rect().contains(newest))
            << "width " << width << ", scrolled " << table->verticalScrollBar()->value() << " of "
            << table->verticalScrollBar()->maximum();
        int wrapped = 0;
        for (int r = 0; r < table->rowCount(); ++r) {
            for (int c = 0; c < table->columnCount(); ++c) {
                const QString text = table->item(r, c)->text();
                const QRect room(0, 0, table->columnWidth(c) - 2 * margin, 100000);
                const int needed = table->fontMetrics().boundingRect(room, Qt::TextWordWrap, text).height();
                EXPECT_GE(table->rowHeight(r), needed)
                    << "width " << width << ", row " << r + 1 << ", column " << c + 1 << ", column width "
                    << table->columnWidth(c);
                wrapped += table->fontMetrics().horizontalAdvance(text) > room.width() ? 1 : 0;
            }
        }
        EXPECT_GT(wrapped, 0) << "no text long enough to wrap at width " << width;
    }

    const std::vector<HistoryRow> rows = HistoryRows(records);
    table->setCurrentCell(2, 1);
    QTest::keyClick(table, Qt::Key_F2);
    QTest::keyClicks(table, QStringLiteral("x"));
    QTest::keyClick(table, Qt::Key_Return);
    QTest::mouseDClick(table->viewport(), Qt::LeftButton, {},
                       table->visualItemRect(table->item(2, 1)).center());
    QTest::keyClicks(QApplication::focusWidget() ? QApplication::focusWidget() : table, QStringLiteral("y"));
    for (int r = 0; r < table->rowCount(); ++r) {
        for (int c = 0; c < table->columnCount(); ++c)
            // What the student reads; the blanks that bind a value to its name do not break.
            EXPECT_EQ(table->item(r, c)->text().replace(QChar(0x00A0), QLatin1Char(' ')).toStdString(),
                      rows[static_cast<std::size_t>(r)][static_cast<std::size_t>(c)]);
    }
}

} // namespace
} // namespace radirav
