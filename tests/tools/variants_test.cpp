#include "calc_output.h"
#include "model/case_file.h"
#include "model/param_codes.h"
#include "model/val.h"
#include "variants.h"

#include <gtest/gtest.h>

#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <set>
#include <sstream>

namespace radirav {
namespace {

ProgramState Example() {
    CaseFileResult loaded = ReadCaseFromPath(RADIRAV_EXAMPLES_DIR "/ethanol-water.case");
    EXPECT_FALSE(loaded.error);
    return loaded.state;
}

VariantsOrder Order(int count, std::uint64_t seed, const std::string& vary) {
    VaryList list = ParseVaryList(vary);
    EXPECT_FALSE(list.error) << *list.error;
    return {count, seed, list.ranges, std::nullopt};
}

std::string ValueText(const std::string& caseText, const std::string& key) {
    std::istringstream in(caseText);
    for (std::string line; std::getline(in, line);) {
        if (line.starts_with(key + " = "))
            return line.substr(key.size() + 3, line.find_first_of(" #", key.size() + 3) - key.size() - 3);
    }
    return {};
}

TEST(Variants, SameSeedGivesByteIdenticalFilesAndAnotherSeedOthers) {
    const ProgramState base = Example();
    const VariantsResult first = MakeVariants(base, Order(5, 42, "XF=0.05:0.15,R=4:8"));
    const VariantsResult again = MakeVariants(base, Order(5, 42, "XF=0.05:0.15,R=4:8"));
    const VariantsResult other = MakeVariants(base, Order(5, 43, "XF=0.05:0.15,R=4:8"));
    ASSERT_FALSE(first.error) << *first.error;
    ASSERT_EQ(first.variants.size(), 5u);
    ASSERT_EQ(again.variants.size(), 5u);
    ASSERT_EQ(other.variants.size(), 5u);
    for (std::size_t i = 0; i < 5; ++i) {
        EXPECT_EQ(first.variants[i].fileName, again.variants[i].fileName);
        EXPECT_EQ(first.variants[i].text, again.variants[i].text);
    }
    EXPECT_NE(first.variants[0].text, other.variants[0].text);
}

// The draws follow SplitMix64, whose first outputs from seed 0 are published
// (0xE220A8397B1DCDAF, 0x6E789E6AA1B965F4): on XF's grid 0.0600..0.0800 (201 values) they give
// 0.0600 + 70 and 0.0600 + 48 ten-thousandths, both columns that build without a warning. Any
// machine must give these files.
TEST(Variants, DrawsFollowThePublishedGenerator) {
    const VariantsResult made = MakeVariants(Example(), Order(2, 0, "XF=0.06:0.08"));
    ASSERT_FALSE(made.error) << *made.error;
    EXPECT_EQ(made.rejected, 0);
    EXPECT_EQ(ValueText(made.variants[0].text, "XF"), "0.067");
    EXPECT_EQ(ValueText(made.variants[1].text, "XF"), "0.0648");
}

// The instructor's class: thirty tasks, each a column that builds, inside the ranges, no two alike.
TEST(Variants, ThirtyVariantsAllCalculateToANormalEndInsideTheirRanges) {
    const VariantsOrder numbers = Order(30, 2026, "XF=0.05:0.2,R=4.5:9,F=2:3.5");
    const VariantsResult made = MakeVariants(Example(), numbers);
    ASSERT_FALSE(made.error) << *made.error;
    ASSERT_EQ(made.variants.size(), 30u);
    std::set<std::string> tasks;
    for (const Variant& variant : made.variants) {
        CaseFileResult loaded = ReadCaseText(variant.text, variant.fileName);
        ASSERT_FALSE(loaded.error) << *loaded.error;
        EXPECT_TRUE(IsBuildableColumn(CalculateColumn(loaded.state))) << variant.fileName;
        const ProgramState& state = loaded.state;
        EXPECT_GE(state.InputParams[param::kXF].Value, 0.05f);
        EXPECT_LE(state.InputParams[param::kXF].Value, 0.2f);
        EXPECT_GE(state.InputParams[param::kR].Value, 4.5f);
        EXPECT_LE(state.InputParams[param::kR].Value, 9.0f);
        EXPECT_GE(state.InputParams[param::kF].Value, 2.0f);
        EXPECT_LE(state.InputParams[param::kF].Value, 3.5f);
        EXPECT_EQ(state.InputValueTexts[param::kXP], "0.95"); // not varied: the case's own
        EXPECT_EQ(state.EquilibriumKind, 15);                 // the example's fifteen points
        EXPECT_TRUE(
            state.StudentName.starts_with("Вариант " + variant.fileName.substr(8, 2) + ", студент: ___"))
            << state.StudentName;
        tasks.insert(state.InputValueTexts[param::kXF] + " " + state.InputValueTexts[param::kR] + " " +
                     state.InputValueTexts[param::kF]);
    }
    EXPECT_EQ(tasks.size(), 30u);
    EXPECT_EQ(made.variants.front().fileName, "variant-01.case");
    EXPECT_EQ(made.variants.back().fileName, "variant-30.case");
}

TEST(Variants, ChosenEquilibriumIsWrittenIntoEveryFile) {
    const ProgramState base = Example();
    VariantsOrder order = Order(3, 5, "R=5:8");
    order.equilibrium = EquilibriumSource::Antoine;
    const VariantsResult antoine = MakeVariants(base, order);
    ASSERT_FALSE(antoine.error) << *antoine.error;
    EXPECT_NE(antoine.variants[0].text.find("\nANTOINE = 23 1200 -120 12 1100 -145\n"), std::string::npos);
    EXPECT_EQ(antoine.variants[0].text.find("POINT"), std::string::npos);

    VariantsOrder alfa = Order(3, 5, "R=5:8,ALFA=8:12");
    alfa.equilibrium = EquilibriumSource::ConstantAlfa;
    const VariantsResult constant = MakeVariants(base, alfa);
    ASSERT_FALSE(constant.error) << *constant.error;
    const double value = Val(ValueText(constant.variants[0].text, "ALFA"));
    EXPECT_GE(value, 8.0);
    EXPECT_LE(value, 12.0);
}

struct RefusedOrder {
    const char* name;
    std::string vary;
    std::optional<EquilibriumSource> equilibrium;
    std::string message;
};

class RefusedVariants : public ::testing::TestWithParam<RefusedOrder> {};

TEST_P(RefusedVariants, SayWhyInRussian) {
    const VaryList list = ParseVaryList(GetParam().vary);
    if (list.error) {
        EXPECT_EQ(*list.error, GetParam().message);
        return;
    }
    VariantsOrder order{3, 1, list.ranges, GetParam().equilibrium};
    const VariantsResult made = MakeVariants(Example(), order);
    ASSERT_TRUE(made.error);
    EXPECT_EQ(*made.error, GetParam().message);
    EXPECT_TRUE(made.variants.empty());
    EXPECT_EQ(made.tooFew, GetParam().message.starts_with("из ")); // exit status 1, not 2
}

INSTANTIATE_TEST_SUITE_P(
    CommandLine, RefusedVariants,
    ::testing::Values(
        RefusedOrder{"TrayTypeIsNoNumber",
                     "TRAY=K:S",
                     {},
                     "--vary «TRAY»: не код параметра (F, XF, ... EIS) и не ALFA"},
        RefusedOrder{"NoEquals",
                     "XF",
                     {},
                     "--vary «XF»: нужно КОД=ОТ:ДО с десятичной точкой (запятая разделяет параметры), "
                     "например XF=0.05:0.15"},
        RefusedOrder{"UnknownCode", "XY=1:2", {}, "--vary «XY»: не код параметра (F, XF, ... EIS) и не ALFA"},
        RefusedOrder{
            "ExponentNotAccepted",
            "DX=1e-5:2e-5",
            {},
            "--vary DX: «1e-5» не десятичное число (точка, не больше 9 знаков после неё, без порядка)"},
        RefusedOrder{"DecimalComma",
                     "R=4,5:6",
                     {},
                     "--vary «R=4»: нужно КОД=ОТ:ДО с десятичной точкой (запятая разделяет параметры), "
                     "например XF=0.05:0.15"},
        RefusedOrder{
            "BoundOutsideTheRange", "XF=0.5:1.2", {}, "--vary XF: «1.2» вне диапазона; допустимо 0 < XF < 1"},
        RefusedOrder{"BoundsReversed", "R=8:4", {}, "--vary R: начало 8 больше конца 4"},
        RefusedOrder{"CodeTwice", "R=4:5,r=5:6", {}, "--vary R: задан дважды"},
        RefusedOrder{
            "AlfaWithPoints",
            "ALFA=5:9",
            {},
            "--vary ALFA: ALFA меняется только у вариантов с постоянной летучестью (--equilibrium alfa)"},
        RefusedOrder{"AlfaKindWithoutAlfa", "R=5:8", EquilibriumSource::ConstantAlfa,
                     "--equilibrium alfa: в файле нет ALFA; задайте его там или в --vary ALFA=ОТ:ДО"},
        // Below the minimum reflux (about 3.3) no column reaches the distillate within 300 trays.
        RefusedOrder{
            "NoColumnBuilds",
            "R=1:2",
            {},
            "из 300 попыток получилось только 0 различных вариантов, которые считаются до конца, из 3; "
            "сузьте диапазоны --vary или измените вариант"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(VaryList, RefinesTheGridToAHundredValuesAtLeast) {
    const VaryList list = ParseVaryList("XF=0.05:0.15,Q=1000:1500,R=5:5");
    ASSERT_FALSE(list.error);
    ASSERT_EQ(list.ranges.size(), 3u);
    EXPECT_EQ(std::make_tuple(list.ranges[0].from, list.ranges[0].to, list.ranges[0].decimals),
              std::make_tuple(50LL, 150LL, 3));
    EXPECT_EQ(std::make_tuple(list.ranges[1].from, list.ranges[1].to, list.ranges[1].decimals),
              std::make_tuple(1000LL, 1500LL, 0));
    EXPECT_EQ(list.ranges[2].from, list.ranges[2].to); // one value: every variant gets R = 5
}

TEST(WriteVariants, WritesIntoANewFolderAndNeverOverAnEarlierClass) {
    const auto folder =
        std::filesystem::temp_directory_path() / ("radirav-variants-" + std::to_string(::getpid()));
    std::filesystem::remove_all(folder);
    const VariantsResult made = MakeVariants(Example(), Order(3, 9, "R=5:8"));
    ASSERT_FALSE(made.error);
    EXPECT_FALSE(WriteVariants(made.variants, (folder / "class").string()));
    std::ifstream in(folder / "class" / "variant-02.case", std::ios::binary);
    const std::string written((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    EXPECT_EQ(written, made.variants[1].text);

    const auto again = WriteVariants(made.variants, (folder / "class").string());
    ASSERT_TRUE(again);
    EXPECT_NE(again->find("в папке уже есть варианты"), std::string::npos) << *again;

    std::ofstream(folder / "file") << "x";
    const auto notFolder = WriteVariants(made.variants, (folder / "file").string());
    ASSERT_TRUE(notFolder);
    EXPECT_NE(notFolder->find("папка не создаётся"), std::string::npos) << *notFolder;
    std::filesystem::remove_all(folder);
}

} // namespace
} // namespace radirav
