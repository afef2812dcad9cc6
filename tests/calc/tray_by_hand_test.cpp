// The first tray of the ethanol-water sample worked by hand: every figure below is computed here
// in double precision straight from the correlations, independently of the program's code, and
// compared with what the calculation stores.
#include "calc/column.h"
#include "calc/tray_model.h"
#include "support/sample_state.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <string>
#include <utility>

namespace radirav {
namespace {

using std::exp;
using std::log;
using std::sqrt;

// The sample's values as typed.
constexpr double F = 2.78, XF = 0.08, XP = 0.95, XW = 0.0006, RW = 2257.67, M1 = 46, M2 = 18;
constexpr double DY = 0.187, DX = 0.0000263, PRES = 760, Q = 1386.3;
struct Section {
    double LS, HP, S, T, RO, mu1, mu2, e;
};
constexpr Section kStripping{0.592, 0.04, 0.3602, 81.9, 796.676, 0.01057, 0.0115, 0.0432};

double MoleFraction(double a) {
    return a / (a + (1 - a) * M1 / M2);
}
double MolarMass(double x) {
    return (1 - x) * M2 + x * M1;
}
double PointAlfa(double x, double y) {
    return (1 - x) * y / x / (1 - y);
}

struct HandTray {
    double x, y, alfa, V, L, T; // L with entrainment
    Section sec;
    double phi12, phi21;
    bool bubbleCap;
    double dx = DX; // liquid diffusivity, cm2/s
};

struct HandRows {
    std::array<double, 14> row; // w, F, q, h, tau, lambda, Pe, Sc, NL, NG, NOG, EOG, EMV, Ea
    double yOut;
    double eta; // mixing exponent of the partial-mixing model
};

HandRows WorkTray(const HandTray& t) {
    const Section& s = t.sec;
    const double k = 1 / (1 + (t.alfa - 1) * t.x);
    const double lambda = t.alfa * t.V / t.L * k * k;
    const double yStar = t.x * t.alfa * k;
    const double rhoV = PRES * 0.01603 * MolarMass(t.y) / (t.T + 273.15); // ideal gas, kg/m3
    const double w = t.V * MolarMass(t.y) / rhoV / s.S;
    const double Ff = w * sqrt(rhoV);
    const double mu =
        (1 - t.y) * s.mu2 / (t.y * t.phi21 + (1 - t.y)) + t.y * s.mu1 / (t.y + (1 - t.y) * t.phi12);
    const double r = 0.1 * rhoV * DY / mu;
    const double QL = MolarMass(t.x) * t.L / s.RO;
    const double q = QL / s.LS;
    double h, DE;
    if (t.bubbleCap) {
        h = 0.19 * s.HP + 0.042 - 0.0135 * Ff + 2.4 * q;
        DE = std::pow(0.017 * w + 0.0038 + 3.68 * q + 0.18 * s.HP, 2);
    } else {
        h = 0.73 * s.HP + 0.006 - 0.24 * Ff * s.HP + 1.22 * q;
        DE = 0.0922 * h + 0.00668 * std::pow(w, 1.44) - 0.00562;
    }
    const double tau = s.S * h / QL;
    const double NG = (4.6 * s.HP + 0.776 - 0.24 * Ff + 105 * q) * sqrt(r);
    const double Sc = 1 / r;
    const double NL = (0.21 * Ff + 0.15) * 203 * tau * sqrt(t.dx);
    const double NOG = 1 / (lambda / NL + 1 / NG);
    const double EOG = 1 - exp(-NOG);
    const double Pe = DE > 0 ? (s.S / s.LS) * (s.S / s.LS) / (tau * DE) : 50;
    const double eta = (sqrt(1 + 4 * lambda * EOG / Pe) - 1) * Pe / 2;
    const double sum = Pe + eta;
    const double EMV =
        EOG * ((1 - exp(-sum)) / (sum * (1 + sum / eta)) + (exp(eta) - 1) / (eta * (1 + eta / sum)));
    const double Ea = EMV / (1 + s.e * EMV);
    return {{w, Ff, q, h, tau, lambda, Pe, Sc, NL, NG, NOG, EOG, EMV, Ea}, t.y + (yStar - t.y) * Ea, eta};
}

// The bottom tray: liquid and vapour entering from the reboiler have the bottoms composition.
HandTray SampleFirstTray(bool bubbleCap) {
    double P = (XF - XW) * F / (XP - XW), W = F - P; // kg/s
    const double xP = MoleFraction(XP), xW = MoleFraction(XW);
    P /= MolarMass(xP);
    const double H = W * RW; // kW the bottoms need to boil
    W /= MolarMass(xW);
    const double b = Q / H; // boil-up ratio
    const double V = b * W, L = (V + W) * (1 + kStripping.e);
    // Wilke's mixing coefficients of the vapour viscosity.
    const double ratio = kStripping.mu1 / kStripping.mu2;
    const double phi12 = std::pow(1 + sqrt(ratio) * std::pow(M2 / M1, 0.25), 2) / sqrt(8 * (1 + M1 / M2));
    const double phi21 = phi12 * (M1 / M2) / ratio;
    // Below the first point the volatility is extrapolated from the first two sample points.
    const double x1 = 0.019, y1 = 0.17, x2 = 0.0721, y2 = 0.3891;
    const double a1 = PointAlfa(x1, y1), a2 = PointAlfa(x2, y2);
    const double alfa = a1 + (xW - x1) * (a2 - a1) / (x2 - x1);
    return {xW, xW, alfa, V, L, kStripping.T, kStripping, phi12, phi21, bubbleCap};
}

const char* const kRowNames[14] = {"w",  "F",  "q",  "h",   "tau", "lambda", "Pe",
                                   "Sc", "NL", "NG", "NOG", "EOG", "EMV",    "Ea"};

// Single precision carries about 7 digits and the program rounds every stored intermediate to it
// (some 30 roundings on the way to Ea); the rows come out within 4e-7 of the double-precision
// figures. 2e-6 leaves room for that and lies far below the effect of a coefficient off by 5 %.
constexpr double kRelativeTolerance = 2e-6;

struct SampleCase {
    const char* name;
    const char* trayType;
    double alfa; // constant ALFA; 0: the sample's tabulated points
};

class SampleFirstTrayByHand : public ::testing::TestWithParam<SampleCase> {};

TEST_P(SampleFirstTrayByHand, MatchesEveryStoredRow) {
    const SampleCase& c = GetParam();
    ProgramState state =
        c.alfa > 0 ? testing::SampleWithAlfa(c.alfa, c.trayType) : testing::SampleWithPoints(c.trayType);
    CalculateAndStore(state);
    HandTray tray = SampleFirstTray(std::string(c.trayType) == "K");
    if (c.alfa > 0)
        tray.alfa = c.alfa;
    // The hand calculation itself against the published stripping flows (five digits).
    ASSERT_NEAR(tray.V, 0.034101, 5e-7);
    ASSERT_NEAR(tray.L, 0.18316, 5e-6);
    const HandRows hand = WorkTray(tray);
    for (int i = 1; i <= 14; ++i) {
        const double expected = hand.row[static_cast<std::size_t>(i - 1)];
        EXPECT_NEAR(state.TrayResults(i, 1), expected, std::fabs(expected) * kRelativeTolerance)
            << kRowNames[i - 1];
    }
}

INSTANTIATE_TEST_SUITE_P(Sample, SampleFirstTrayByHand,
                         ::testing::Values(SampleCase{"BubbleCapPoints", "K", 0},
                                           SampleCase{"SievePoints", "S", 0},
                                           SampleCase{"BubbleCapAlfaTen", "K", 10}),
                         [](const auto& info) { return std::string(info.param.name); });

// Trays handed straight to the tray model, inputs rounded to single precision as the program
// holds them, so that only the correlations are compared.
struct DirectCase {
    const char* name;
    bool bubbleCap;
    double alfa, trayArea, dx;
    double etaLow, etaHigh; // the case is built for eta in this range (checked first)
    CalcStop stop;
    // Inputs agree exactly, so only the single-precision stores separate the two, some parts in ten
    // million; exp(eta) multiplies the relative error of eta by eta, hence more near eta = 60.
    double tolerance = 1e-6;
};

HandTray Rounded(HandTray t) {
    auto f = [](double v) { return static_cast<double>(static_cast<float>(v)); };
    for (double* v : {&t.x, &t.y, &t.V, &t.L, &t.T, &t.dx, &t.sec.LS, &t.sec.HP, &t.sec.S, &t.sec.RO,
                      &t.sec.mu1, &t.sec.mu2, &t.sec.e})
        *v = f(*v);
    return t;
}

// The tray model on the hand tray's inputs, rounded to single precision as the program holds them.
CalcStop RunTray(const HandTray& t, TrayRecord& tray) {
    const Section& s = t.sec;
    auto f = [](double v) { return static_cast<float>(v); };
    tray.V = f(t.V);
    tray.L = f(t.L);
    tray.T = f(t.T);
    const SectionParams section{f(s.LS),  f(s.HP),  f(s.S), f(s.T),  f(s.RO),
                                f(s.mu1), f(s.mu2), f(s.e), t.phi12, t.phi21};
    const ColumnConstants column{f(DY), f(t.dx), f(PRES), f(M1), f(M2), t.bubbleCap};
    return StopOf(ComputeTray(tray, TraySection(section, column), f(t.x), f(t.y), t.alfa).cause);
}

class TraysByHand : public ::testing::TestWithParam<DirectCase> {};

TEST_P(TraysByHand, AgreeWithTheCorrelationsOrStop) {
    const DirectCase& c = GetParam();
    HandTray t = SampleFirstTray(c.bubbleCap);
    t.alfa = c.alfa;
    t.sec.S = c.trayArea;
    t.dx = c.dx;
    t = Rounded(t);
    const HandRows hand = WorkTray(t);
    ASSERT_GT(hand.eta, c.etaLow);
    ASSERT_LT(hand.eta, c.etaHigh);

    TrayRecord tray;
    ASSERT_EQ(RunTray(t, tray), c.stop);
    if (c.stop != CalcStop::None)
        return;
    for (std::size_t i = 0; i < kResultRowQuantities.size(); ++i) {
        EXPECT_NEAR(tray.*kResultRowQuantities[i], hand.row[i], std::fabs(hand.row[i]) * c.tolerance)
            << kRowNames[i];
    }
    EXPECT_NEAR(tray.yOut - t.y, hand.yOut - t.y, std::fabs(hand.yOut - t.y) * c.tolerance);
}

// The sample's first tray has Pe + eta near 17; a tray four times wider (longer flow path S/LS)
// passes 81, where the exponential term exp(-(Pe + eta)) is dropped. A very large ALFA with a
// large liquid diffusivity drives eta to the limit of 60.
INSTANTIATE_TEST_SUITE_P(
    Correlations, TraysByHand,
    ::testing::Values(DirectCase{"SampleBubbleCap", true, 10.0, 0.3602, DX, 0.1, 60, CalcStop::None},
                      DirectCase{"SampleSieve", false, 10.0, 0.3602, DX, 0.1, 60, CalcStop::None},
                      DirectCase{"LongFlowPathDropsTheExponentialTerm", true, 30.0, 1.06, DX, 2.0, 2.5,
                                 CalcStop::None},
                      DirectCase{"MixingExponentJustBelowSixtyPasses", true, 1000.0, 3.602, 0.008, 58, 60,
                                 CalcStop::None, 1e-5},
                      DirectCase{"MixingExponentJustAboveSixtyStops", true, 1000.0, 3.602, 0.01, 60, 63,
                                 CalcStop::InputDataError}),
    [](const auto& info) { return std::string(info.param.name); });

// The mixing exponent eta = (sqrt(1 + 4 lambda EOG / Pe) - 1) Pe / 2 stops the calculation below
// 1e-19. A hair-thin tray (S / LS = 0.001, Pe near 0.0009) with an almost involatile liquid puts
// eta one step of double precision above 1: eta = 2^-52 Pe / 2, about 1.02e-19.
TEST(TrayModel, MixingExponentJustAboveItsFloorPasses) {
    for (const auto& [alfa, stop] :
         {std::pair{5.5e-17, CalcStop::None}, std::pair{0.0, CalcStop::InputDataError}}) {
        HandTray t = SampleFirstTray(true);
        t.sec.LS = 10;
        t.sec.S = 0.01;
        t.V = 1e-5;
        t.L = 0.00267;
        t.alfa = alfa;
        t = Rounded(t);
        const HandRows hand = WorkTray(t);
        if (alfa > 0) {
            ASSERT_GT(hand.eta, 1.01e-19);
            ASSERT_LT(hand.eta, 1.04e-19);
        }
        TrayRecord tray;
        EXPECT_EQ(RunTray(t, tray), stop) << "eta " << hand.eta;
    }
}

} // namespace
} // namespace radirav
