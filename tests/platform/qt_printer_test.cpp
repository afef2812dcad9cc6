#include "platform/qt_printer.h"
#include "platform/scripted_platform.h"

#include <QDir>
#include <QFile>
#include <QPrinterInfo>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace radirav {
namespace {

int PdfPageCount(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return -1;
    }
    const QString content = QString::fromLatin1(file.readAll());
    return static_cast<int>(content.count(QRegularExpression(QStringLiteral("/Type\\s*/Page[^s]"))));
}

class QtPrinterWithoutPrinter : public ::testing::Test {
protected:
    void SetUp() override {
        if (!QPrinterInfo::defaultPrinter().isNull()) {
            GTEST_SKIP() << "a system printer exists; the report would go to paper";
        }
        ASSERT_TRUE(folder.isValid());
    }

    QStringList PdfFiles() const {
        return QDir(folder.path()).entryList({QStringLiteral("*.pdf")}, QDir::Files);
    }

    QTemporaryDir folder;
    testing::ScriptedPlatform machine;
    QtPrinter printer{machine, folder.path() + QStringLiteral("/Документы")};
};

TEST_F(QtPrinterWithoutPrinter, WritesEveryDocumentAsPagesOfOnePdfAndSaysWhere) {
    printer.SetFont(QStringLiteral("Courier New Cyr"), 10);
    printer.PrintLine(QStringLiteral("Студент И.и. Гр. 5-12"));
    printer.EndDoc();
    printer.PrintText(QStringLiteral("07 декабря 2026г."));
    printer.PrintLine(QStringLiteral("  Solmina-9  стр.2"));
    printer.EndDoc();
    printer.EndReport();

    const QDir written(folder.path() + QStringLiteral("/Документы"));
    const QStringList files = written.entryList({QStringLiteral("RADIRAV-9 *.pdf")}, QDir::Files);
    ASSERT_EQ(files.size(), 1);
    EXPECT_EQ(PdfPageCount(written.filePath(files[0])), 2);
    ASSERT_EQ(machine.messages.size(), 1);
    EXPECT_TRUE(machine.messages[0].contains(written.filePath(files[0])))
        << machine.messages[0].toStdString();
}

struct PageCase {
    int lines;
    int pages;
};
void PrintTo(const PageCase& c, std::ostream* out) {
    *out << c.lines << " lines";
}

class QtPrinterPages : public QtPrinterWithoutPrinter, public ::testing::WithParamInterface<PageCase> {};

// A4 with 10 mm margins holds about 69 lines of 10 points at full spacing and about 80 closed up,
// so the tabulated first page of the report (under 80 lines) stays one page.
TEST_P(QtPrinterPages, KeepADocumentOnOnePageUntilItCannotFit) {
    printer.SetFont(QStringLiteral("Courier New Cyr"), 10);
    for (int i = 0; i < GetParam().lines; ++i) {
        printer.PrintLine(QStringLiteral("строка %1").arg(i));
    }
    printer.EndDoc();
    printer.EndReport();
    const QDir written(folder.path() + QStringLiteral("/Документы"));
    const QStringList files = written.entryList({QStringLiteral("*.pdf")}, QDir::Files);
    ASSERT_EQ(files.size(), 1);
    EXPECT_EQ(PdfPageCount(written.filePath(files[0])), GetParam().pages);
}

INSTANTIATE_TEST_SUITE_P(LineCounts, QtPrinterPages,
                         ::testing::Values(PageCase{60, 1}, PageCase{78, 1}, PageCase{120, 2},
                                           PageCase{200, 3}),
                         [](const auto& info) { return std::to_string(info.param.lines) + "Lines"; });

TEST_F(QtPrinterWithoutPrinter, TellsTheStudentWhenTheFileCannotBeWritten) {
    QFile blocker(folder.path() + QStringLiteral("/занято"));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly)); // a file where the folder should be
    blocker.close();
    QtPrinter blocked(machine, blocker.fileName());
    blocked.PrintLine(QStringLiteral("строка"));
    blocked.EndDoc();
    blocked.EndReport();
    ASSERT_EQ(machine.messages.size(), 1);
    EXPECT_TRUE(
        machine.messages[0].startsWith(QStringLiteral("Принтер не найден, и отчёт не удалось записать")))
        << machine.messages[0].toStdString();
}

TEST_F(QtPrinterWithoutPrinter, TwoReportsInOneSecondGoToTwoFiles) {
    for (int report = 0; report < 2; ++report) {
        printer.PrintLine(QStringLiteral("отчёт %1").arg(report));
        printer.EndReport();
    }
    const QDir written(folder.path() + QStringLiteral("/Документы"));
    // Both written within the same second or in two: never one over the other.
    EXPECT_EQ(written.entryList({QStringLiteral("*.pdf")}, QDir::Files).size(), 2);
    EXPECT_EQ(QtPrinter::PdfFileName(QDateTime(QDate(2026, 12, 7), QTime(14, 35, 12)), 2),
              QStringLiteral("RADIRAV-9 2026-12-07 14-35-12 (2).pdf"));
}

TEST(QtPrinterFileName, CarriesTheDateAndTime) {
    EXPECT_EQ(QtPrinter::PdfFileName(QDateTime(QDate(2026, 12, 7), QTime(14, 35, 12))),
              QStringLiteral("RADIRAV-9 2026-12-07 14-35-12.pdf"));
}

} // namespace
} // namespace radirav
