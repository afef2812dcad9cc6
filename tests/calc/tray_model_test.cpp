#include "calc/tray_model.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>

namespace radirav {
namespace {

// A stripping-section tray of the ethanol-water sample, near the bottom of the column.
struct TraySetup {
    TraySetup() {
        tray.V = 0.034101f;
        tray.L = 0.18316f;
        tray.T = 81.9f;
    }
    TrayFault Compute() { return ComputeTray(tray, TraySection(section, column), x, y, 10.0); }
    TrayRecord tray;
    float x = 0.00023487f, y = 0.00023487f;
    SectionParams section{0.592f, 0.04f, 0.3602f, 81.9f, 796.676f, 0.01057f, 0.0115f, 0.0432f, 1.3, 0.6};
    ColumnConstants column{0.187f, 0.0000263f, 760.0f, 46.0f, 18.0f, true};
};

TEST(TrayModel, SieveTrayWithNegativeMixingCoefficientUsesPecletFifty) {
    TraySetup s;
    s.column.bubbleCap = false;
    s.tray.V = 0.0005f; // slow vapour: 0.0922 h + 0.00668 w^1.44 < 0.00562
    s.tray.L = 0.002f;
    ASSERT_EQ(StopOf(s.Compute().cause), CalcStop::None);
    ASSERT_LT(0.0922 * s.tray.h + 0.00668 * std::pow(s.tray.w, 1.44) - 0.00562, 0.0);
    EXPECT_EQ(s.tray.Pe, 50.0f);
}

struct StopCase {
    const char* name;
    std::function<void(TraySetup&)> spoil;
};

class TrayModelStops : public ::testing::TestWithParam<StopCase> {};

TEST_P(TrayModelStops, EndWithTheInputDataError) {
    TraySetup s;
    GetParam().spoil(s);
    EXPECT_EQ(StopOf(s.Compute().cause), CalcStop::InputDataError);
}

INSTANTIATE_TEST_SUITE_P(
    Domain, TrayModelStops,
    ::testing::Values(
        StopCase{"NegativeVelocity", [](TraySetup& s) { s.section.trayArea = -0.36f; }},
        StopCase{"NegativeDensityFromTemperatureBelowZeroKelvin", [](TraySetup& s) { s.tray.T = -300.0f; }},
        StopCase{"NegativeSchmidtReciprocal", [](TraySetup& s) { s.column.diffusivityVapour = -0.1f; }},
        StopCase{"NegativeClearLiquidHeight", [](TraySetup& s) { s.tray.V = 2.0f; }},
        StopCase{"ZeroTrayAreaDividesByZero", [](TraySetup& s) { s.section.trayArea = 0.0f; }},
        StopCase{"ZeroWeirLengthDividesByZero", [](TraySetup& s) { s.section.weirLength = 0.0f; }},
        StopCase{"ZeroLiquidFlow", [](TraySetup& s) { s.tray.L = 0.0f; }},
        StopCase{"NegativeLiquidDiffusivity", [](TraySetup& s) { s.column.diffusivityLiquid = -1e-5f; }},
        // Found by fuzzing: a sieve tray with a 1 cm weir and F = 7.63 keeps h = 3.5 mm but gets
        // NG = (4.6 * 0.01 + 0.776 - 0.24 * 7.63 + 105 q) sqrt(r) = -0.28.
        StopCase{"NegativeVapourTransferUnits",
                 [](TraySetup& s) {
                     s.column.bubbleCap = false;
                     s.section.weirHeight = 0.01f;
                     s.tray.V = 0.12f;
                 }}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace radirav
