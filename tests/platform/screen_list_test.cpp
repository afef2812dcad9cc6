#include "platform/screen_list.h"
#include "platform/screen_window.h"
#include "screens/screen_test.h"
#include "support/test_names.h"

#include <QGuiApplication>
#include <QScreen>

#include <QPointer>
#include <gtest/gtest.h>

namespace radirav {
namespace {

using testing::DestroyUnloadedWindows;

class PlainScreen final : public ScreenWindow {
public:
    PlainScreen(ScreenList& screens, const QString& name) : ScreenWindow(screens, name) {}
    int closeRequests = 0;

protected:
    void OnCloseRequested() override { ++closeRequests; }
};

class UnloadOtherFormsKeepsTheLatest : public ::testing::TestWithParam<int> {};

TEST_P(UnloadOtherFormsKeepsTheLatest, WhateverNumberWasLoaded) {
    ScreenList screens;
    std::vector<QPointer<PlainScreen>> windows;
    for (int i = 1; i <= GetParam(); ++i) {
        windows.emplace_back(new PlainScreen(screens, QStringLiteral("Form%1").arg(i)));
        windows.back()->show();
    }
    screens.UnloadOtherForms();
    DestroyUnloadedWindows();

    const QString latest = QStringLiteral("Form%1").arg(GetParam());
    EXPECT_EQ(screens.LoadedNames(), QStringList{latest});
    for (int i = 0; i + 1 < GetParam(); ++i) {
        EXPECT_TRUE(windows[static_cast<std::size_t>(i)].isNull()) << "Form" << i + 1 << " still exists";
    }
    ASSERT_FALSE(windows.back().isNull());
    EXPECT_TRUE(windows.back()->isVisible());
}

INSTANTIATE_TEST_SUITE_P(Counts, UnloadOtherFormsKeepsTheLatest, ::testing::Values(1, 2, 3, 5),
                         [](const auto& info) { return std::to_string(info.param) + "Loaded"; });

TEST(ScreenList, KeepsScreensInLoadOrderAndForgetsUnloadedOnes) {
    ScreenList screens;
    auto* first = new PlainScreen(screens, QStringLiteral("Form1"));
    new PlainScreen(screens, QStringLiteral("Form2"));
    new PlainScreen(screens, QStringLiteral("Form3"));
    EXPECT_EQ(screens.LoadedNames(), (QStringList{"Form1", "Form2", "Form3"}));
    first->Unload();
    EXPECT_EQ(screens.LoadedNames(), (QStringList{"Form2", "Form3"}));
    DestroyUnloadedWindows();
}

TEST(ScreenList, DestroysTheWindowsStillLoadedWhenItGoes) {
    QPointer<PlainScreen> window;
    {
        ScreenList screens;
        window = new PlainScreen(screens, QStringLiteral("Form1"));
    }
    EXPECT_TRUE(window.isNull());
}

TEST(ScreenWindow, TitleBarCloseRunsTheWindowsOwnEndInsteadOfHidingIt) {
    ScreenList screens;
    auto* window = new PlainScreen(screens, QStringLiteral("Form1"));
    window->show();
    window->close();
    EXPECT_EQ(window->closeRequests, 1);
    EXPECT_TRUE(window->isVisible());
    EXPECT_TRUE(screens.Contains(window));
}

TEST(ScreenWindow, UnloadHidesWithoutAskingTheWindowsEnd) {
    ScreenList screens;
    QPointer<PlainScreen> window = new PlainScreen(screens, QStringLiteral("Form1"));
    window->show();
    window->Unload();
    EXPECT_FALSE(window->isVisible());
    EXPECT_EQ(window->closeRequests, 0);
    DestroyUnloadedWindows();
    EXPECT_TRUE(window.isNull());
}

} // namespace
} // namespace radirav

namespace radirav {
namespace {

struct OuterCase {
    std::string name;
    QRect design;       // the outer geometry asked for, as a part of the available area
    QRect expectedPart; // what the frame gets, likewise
};
void PrintTo(const OuterCase& c, std::ostream* os) {
    *os << c.name;
}

class OuterGeometryOnTheScreen : public ::testing::TestWithParam<OuterCase> {};

// On a scaled screen the designs outgrew it: the title window and Form15 hung below its bottom.
// The frame takes the designed place and size, cut down only where the design is larger than
// the screen, and then to end at the screen's edge.
TEST_P(OuterGeometryOnTheScreen, KeepsTheDesignOrEndsAtTheScreensEdge) {
    const QRect area = QGuiApplication::primaryScreen()->availableGeometry();
    const auto part = [&](const QRect& r) {
        return QRect(area.x() + r.x() * area.width() / 100, area.y() + r.y() * area.height() / 100,
                     r.width() * area.width() / 100, r.height() * area.height() / 100);
    };
    ScreenList screens;
    auto* window = new PlainScreen(screens, QStringLiteral("Designed"));
    window->SetOuterGeometry(part(GetParam().design));
    window->show();
    EXPECT_EQ(window->frameGeometry(), part(GetParam().expectedPart));
    window->Unload();
    DestroyUnloadedWindows();
}

INSTANTIATE_TEST_SUITE_P(
    Screen, OuterGeometryOnTheScreen,
    ::testing::Values(OuterCase{"fits", {10, 10, 50, 50}, {10, 10, 50, 50}},
                      OuterCase{"reaching past the edge but no larger", {60, 10, 80, 50}, {60, 10, 80, 50}},
                      OuterCase{"taller than the screen", {10, 20, 50, 150}, {10, 20, 50, 80}},
                      OuterCase{"larger both ways", {25, 50, 200, 200}, {25, 50, 75, 50}},
                      OuterCase{"the whole screen", {0, 0, 100, 100}, {0, 0, 100, 100}}),
    [](const auto& info) { return testing::CaseName(info.param.name); });

} // namespace
} // namespace radirav
