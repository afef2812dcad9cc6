// What every tray the column keeps must satisfy whatever the correlations' coefficients are: the
// definitions that tie its quantities together, the operating line of its section and the
// section's parameters and flows.
#include "calc/column.h"
#include "model/entry.h"
#include "support/sample_state.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <string>

namespace radirav {
namespace {

// The quantities are kept in single precision, each rounded once; an identity between a few of
// them holds to some parts in ten million. 1e-5 leaves room for that and for the subtraction in
// 1 - exp(-NOG), and lies far below any coefficient gone astray.
constexpr double kRelative = 1e-5;

void ExpectRelative(double actual, double expected, const char* what, int tray) {
    EXPECT_NEAR(actual, expected, kRelative * std::fabs(expected)) << what << " on tray " << tray;
}

struct ColumnCase {
    const char* name;
    std::function<ProgramState()> make;
};

class EveryTrayKept : public ::testing::TestWithParam<ColumnCase> {};

TEST_P(EveryTrayKept, HoldsTheIdentitiesBetweenItsSteps) {
    const ProgramState state = GetParam().make();
    const ColumnResult result = CalculateColumn(state);
    ASSERT_EQ(result.stop, CalcStop::None);
    for (const TrayRecord& t : result.trays) {
        const SectionParams& p = result.Section(t.section).params;
        const int n = t.number;
        ExpectRelative(t.k * (1.0 + (t.alfa - 1.0) * t.x), 1.0, "k (1 + (alpha - 1) x)", n);
        ExpectRelative(t.lambda, t.alfa * t.V / t.L * t.k * t.k, "lambda = alpha V / L k^2", n);
        ExpectRelative(t.yStar, t.alfa * t.x / (1.0 + (t.alfa - 1.0) * t.x), "y*", n);
        ExpectRelative(t.F, t.w * std::sqrt(t.rhoV), "F = w sqrt(rho_v)", n);
        ExpectRelative(static_cast<double>(t.Sc) * t.r, 1.0, "Sc r", n);
        ExpectRelative(t.q, t.QL / p.weirLength, "q = QL / LS", n);
        ExpectRelative(t.tau, p.trayArea * t.h / t.QL, "tau = S h / QL", n);
        ExpectRelative(t.NOG, 1.0 / (t.lambda / t.NL + 1.0 / t.NG), "NOG = 1 / (lambda / NL + 1 / NG)", n);
        ExpectRelative(t.EOG, 1.0 - std::exp(-static_cast<double>(t.NOG)), "EOG = 1 - exp(-NOG)", n);
        ExpectRelative(t.g, 1.0 + 4.0 * t.lambda * t.EOG / t.Pe, "g = 1 + 4 lambda EOG / Pe", n);
        ExpectRelative(t.eta, (std::sqrt(t.g) - 1.0) * t.Pe / 2.0, "eta = (sqrt(g) - 1) Pe / 2", n);
        ExpectRelative(t.s, t.Pe + t.eta, "s = Pe + eta", n);
        ExpectRelative(t.Ea, t.EMV / (1.0 + p.entrainment * t.EMV), "Ea = EMV / (1 + e EMV)", n);
        // The vapour moves towards the equilibrium by Ea of the way: a difference of compositions
        // near each other, measured against the step it takes, and the vapour rounded to single
        // precision (half a unit in the last place is 6e-8 of it).
        const double step = static_cast<double>(t.yStar) - t.yIn;
        EXPECT_NEAR(t.yOut, t.yIn + t.Ea * step, 1e-6 * std::fabs(step) + 6e-8 * t.yOut)
            << "y out on tray " << n;
    }
}

TEST_P(EveryTrayKept, TakesItsLiquidFromTheOperatingLineAndItsFlowsFromItsSection) {
    const ProgramState state = GetParam().make();
    const ColumnResult result = CalculateColumn(state);
    ASSERT_EQ(result.stop, CalcStop::None);
    const MaterialBalance& mb = result.balance;
    const double R = state.InputParams[param::kR].Value;
    auto value = [&](int first, int offset) { return state.InputParams[first + offset].Value; };
    for (const TrayRecord& t : result.trays) {
        const int n = t.number;
        const bool rectifying = result.feedTray > 0 && n > result.feedTray;
        EXPECT_EQ(t.section, rectifying ? ColumnSection::Rectifying : ColumnSection::Stripping) << n;
        const int first = rectifying ? param::kFirstRectifying : param::kFirstStripping;
        const SectionParams& p = result.Section(t.section).params;
        EXPECT_EQ(p.trayArea, value(first, param::kS)) << n;
        EXPECT_EQ(p.weirLength, value(first, param::kLS)) << n;
        EXPECT_EQ(p.entrainment, value(first, param::kE)) << n;
        // The flows of the balance: V = b W, L = (V + W)(1 + e) below the feed; L = R P (1 + e),
        // V = R P + P above it.
        const double e = p.entrainment;
        const double V = rectifying ? (R + 1.0) * mb.P : mb.b * mb.W;
        const double L = rectifying ? R * mb.P * (1.0 + e) : (mb.b * mb.W + mb.W) * (1.0 + e);
        ExpectRelative(t.V, V, "V", n);
        ExpectRelative(t.L, L, "L", n);
        // The liquid: the bottoms on tray 1, above it the operating line of the tray's own section
        // at the vapour entering it, y = ((b + 1) x - xW) / b and y = (R x + xP) / (R + 1).
        if (n == 1) {
            EXPECT_EQ(t.x, mb.xW);
            EXPECT_EQ(t.yIn, mb.xW);
            continue;
        }
        const TrayRecord& below = result.trays[static_cast<std::size_t>(n - 2)];
        EXPECT_EQ(t.yIn, below.yOut) << n;
        const double x = rectifying ? ((R + 1.0) * t.yIn - mb.xP) / R : (mb.b * t.yIn + mb.xW) / (mb.b + 1.0);
        EXPECT_NEAR(t.x, x, 2e-7) << "liquid on tray " << n;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Sample, EveryTrayKept,
    ::testing::Values(ColumnCase{"TableBubbleCap", [] { return testing::SampleWithPoints(); }},
                      ColumnCase{"TableSieve", [] { return testing::SampleWithPoints("S"); }},
                      ColumnCase{"Alfa10", [] { return testing::SampleWithAlfa(10.0); }},
                      ColumnCase{"Antoine", [] { return testing::SampleWithAntoine(); }}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace radirav
