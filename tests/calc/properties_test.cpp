#include "calc/properties.h"

#include <gtest/gtest.h>

#include <cmath>

namespace radirav {
namespace {

struct MoleFractionCase {
    const char* name;
    float mass, m1, m2, mole, tolerance;
};

class MassToMoleFractionCases : public ::testing::TestWithParam<MoleFractionCase> {};

TEST_P(MassToMoleFractionCases, ConvertsWithTheMolarMasses) {
    const auto& c = GetParam();
    EXPECT_NEAR(MassToMoleFraction(c.mass, c.m1, c.m2), c.mole, c.tolerance);
}

// Ethanol-water figures to the three significant digits quoted for them.
INSTANTIATE_TEST_SUITE_P(
    Fractions, MassToMoleFractionCases,
    ::testing::Values(MoleFractionCase{"NoneIsNone", 0.0f, 46, 18, 0.0f, 0},
                      MoleFractionCase{"AllIsAll", 1.0f, 46, 18, 1.0f, 0},
                      MoleFractionCase{"EqualMolarMassesKeepTheFraction", 0.3f, 30, 30, 0.3f, 1e-7f},
                      MoleFractionCase{"EthanolDistillate", 0.95f, 46, 18, 0.881f, 5e-4f},
                      MoleFractionCase{"EthanolBottoms", 0.0006f, 46, 18, 0.000235f, 5e-7f}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(MeanMolarMass, InterpolatesBetweenTheComponents) {
    EXPECT_EQ(MeanMolarMass(0.0f, 46, 18), 18.0f);
    EXPECT_EQ(MeanMolarMass(1.0f, 46, 18), 46.0f);
    EXPECT_FLOAT_EQ(MeanMolarMass(0.5f, 46, 18), 32.0f);
}

struct AntoineCase {
    const char* name;
    float a, b, c, temperature;
    double expected; // 0 for a zero result
    bool flag;
};

class AntoinePressureCases : public ::testing::TestWithParam<AntoineCase> {};

TEST_P(AntoinePressureCases, HonoursTheExponentBounds) {
    const auto& c = GetParam();
    bool flag = !c.flag; // a stale value must be cleared or set by the call
    const float p = AntoinePressure(c.a, c.b, c.c, c.temperature, flag);
    EXPECT_EQ(flag, c.flag);
    if (c.expected == 0.0)
        EXPECT_EQ(p, 0.0f);
    else
        EXPECT_NEAR(p / c.expected, 1.0, 1e-6);
}

// With B = 0 the exponent is A itself, so the bounds can be hit exactly.
INSTANTIATE_TEST_SUITE_P(
    Bounds, AntoinePressureCases,
    ::testing::Values(AntoineCase{"ExactlyEightyOne", 81, 0, 0, 20, std::exp(81.0), false},
                      AntoineCase{"AboveEightyOne", 81.001f, 0, 0, 20, 0, true},
                      AntoineCase{"ExactlyMinusFifty", -50, 0, 0, 20, std::exp(-50.0), false},
                      AntoineCase{"MinusSixty", -60, 0, 0, 20, 0, false},
                      AntoineCase{"WaterAtHundred", 18.3036f, 3816.44f, -46.13f, 100,
                                  std::exp(18.3036 - 3816.44 / (100 - 46.13 + 273.15)), false}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(VaporDensity, FollowsTheIdealGasLaw) {
    // Steam at 760 mm Hg and 100 deg C: about 0.588 kg/m3.
    EXPECT_NEAR(VaporDensity(0.0f, 100.0f, 760.0f, 46, 18), 0.588, 5e-4);
}

} // namespace
} // namespace radirav
