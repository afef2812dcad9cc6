#include "screens/modal_watchdog.h"

#include <QMessageBox>
#include <gtest/gtest-spi.h>

namespace radirav {
namespace {

TEST(ModalWatchdog, ClosesAStrayModalWindowAndFailsTheTest) {
    testing::ModalWatchdog watchdog;
    ::testing::TestPartResultArray failures;
    {
        ::testing::ScopedFakeTestPartResultReporter reporter(
            ::testing::ScopedFakeTestPartResultReporter::INTERCEPT_ONLY_CURRENT_THREAD, &failures);
        QMessageBox box(QMessageBox::Question, QStringLiteral("ЗАБЫТЫЙ ВОПРОС"),
                        QStringLiteral("Продолжить?"));
        box.exec(); // returns only because the watchdog closes it
    }
    ASSERT_GE(failures.size(), 1);
    EXPECT_NE(std::string(failures.GetTestPartResult(0).message()).find("ЗАБЫТЫЙ ВОПРОС"), std::string::npos);
}

} // namespace
} // namespace radirav
