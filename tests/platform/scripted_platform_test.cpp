#include "platform/scripted_platform.h"

#include <gtest/gtest-spi.h>
#include <gtest/gtest.h>

namespace radirav {
namespace {

// The double must fail the running test when a screen asks more than the script answers:
// a silent empty answer would let a wrong road pass, a real dialog would hang the run.
TEST(ScriptedPlatform, FailsTheTestLoudlyWhenTheInputScriptRunsDry) {
    testing::ScriptedPlatform machine;
    machine.AnswerInputBoxes({QStringLiteral("ответ")});
    ::testing::TestPartResultArray failures;
    QString first, second;
    {
        ::testing::ScopedFakeTestPartResultReporter reporter(
            ::testing::ScopedFakeTestPartResultReporter::INTERCEPT_ONLY_CURRENT_THREAD, &failures);
        first = machine.InputBox({QStringLiteral("вопрос 1"), QStringLiteral("ЗАГОЛОВОК"), {}, {}});
        second = machine.InputBox({QStringLiteral("вопрос 2"), QStringLiteral("ЗАГОЛОВОК"), {}, {}});
    }
    EXPECT_EQ(first, QStringLiteral("ответ"));
    EXPECT_TRUE(second.isEmpty());
    ASSERT_EQ(failures.size(), 1);
    EXPECT_TRUE(failures.GetTestPartResult(0).nonfatally_failed());
    EXPECT_NE(std::string(failures.GetTestPartResult(0).message()).find("вопрос 2"), std::string::npos);
    EXPECT_EQ(machine.inputBoxes.size(), 2u);
}

TEST(ScriptedPlatform, FailsTheTestLoudlyWhenTheYesNoScriptRunsDry) {
    testing::ScriptedPlatform machine;
    ::testing::TestPartResultArray failures;
    bool answer = true;
    {
        ::testing::ScopedFakeTestPartResultReporter reporter(
            ::testing::ScopedFakeTestPartResultReporter::INTERCEPT_ONLY_CURRENT_THREAD, &failures);
        answer = machine.AskYesNo(QStringLiteral("Продолжить?"), QStringLiteral("ВОПРОС"), SafeAnswer::Yes);
    }
    EXPECT_FALSE(answer);
    EXPECT_EQ(failures.size(), 1);
}

TEST(ScriptedPlatform, AnswersACancelledBoxWithAnEmptyText) {
    testing::ScriptedPlatform machine;
    machine.AnswerInputBoxes({std::nullopt, QStringLiteral("б")});
    EXPECT_TRUE(machine.InputBox({}).isEmpty());
    EXPECT_EQ(machine.InputBox({}), QStringLiteral("б"));
}

TEST(ScriptedPlatform, JoinsTextPrintedWithoutLineEndToTheNextLine) {
    testing::ScriptedPlatform machine;
    machine.PrintText(QStringLiteral("X( 1)="));
    machine.PrintLine(QStringLiteral("0.1"));
    machine.EndDoc();
    ASSERT_EQ(machine.printedDocuments.size(), 1u);
    EXPECT_EQ(machine.printedDocuments[0], QStringList{QStringLiteral("X( 1)=0.1")});
}

} // namespace
} // namespace radirav
