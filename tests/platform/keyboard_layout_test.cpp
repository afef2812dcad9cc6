#include "platform/keyboard_layout.h"
#include "support/test_names.h"

#include <gtest/gtest.h>

namespace radirav {
namespace {

struct GroupCase {
    std::string name;
    std::string symbols;
    std::optional<int> russian, latin;
};
void PrintTo(const GroupCase& c, std::ostream* os) {
    *os << c.name;
}

class XkbGroups : public ::testing::TestWithParam<GroupCase> {};

TEST_P(XkbGroups, RussianForNamesLatinForNumbers) {
    EXPECT_EQ(XkbGroupForLayout(kRussianLayout, GetParam().symbols), GetParam().russian);
    EXPECT_EQ(XkbGroupForLayout(kEnglishUsLayout, GetParam().symbols), GetParam().latin);
}

// Symbols names as setxkbmap leaves them on the server ("setxkbmap -print" shows the same).
INSTANTIATE_TEST_SUITE_P(
    Keyboard, XkbGroups,
    ::testing::Values(
        GroupCase{"us then ru", "pc+us+ru:2+inet(evdev)", 1, 0},
        GroupCase{"ru first with a switch option", "pc+ru+us:2+inet(evdev)+group(alt_shift_toggle)", 0, 1},
        GroupCase{"us alone", "pc+us+inet(evdev)", std::nullopt, 0},
        GroupCase{"ru alone", "pc+ru+inet(evdev)", 0, std::nullopt},
        GroupCase{"German then phonetic Russian", "pc+de(nodeadkeys)+ru(phonetic):2+inet(evdev)", 1, 0},
        GroupCase{"Ukrainian is not Russian", "pc+us+ua:2+inet(evdev)", std::nullopt, 0},
        GroupCase{"us as the third group", "pc+ru+de:2+us:3", 0, 2},
        GroupCase{"an option numbered with its group", "pc+us+ru:2+level3(ralt_switch):2", 1, 0},
        GroupCase{"nothing known", "", std::nullopt, std::nullopt},
        GroupCase{"a broken group number", "pc+us+ru:x", std::nullopt, 0}),
    [](const auto& info) { return testing::CaseName(info.param.name); });

TEST(XkbGroups, OtherLayoutHandlesAreNotSwitched) {
    EXPECT_EQ(XkbGroupForLayout(0x04070407, "pc+us+de:2"), std::nullopt);
}

} // namespace
} // namespace radirav
