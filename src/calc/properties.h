#pragma once

// Property functions of a binary mixture. Component 1 is always the more volatile one.
// Compositions are fractions of component 1; molar masses in kg/kmol.
namespace radirav {

// x = a / (a + (1 - a) M1 / M2), in single precision.
float MassToMoleFraction(float massFraction, float m1, float m2);

// M = (1 - x) M2 + x M1, kg/kmol. Inline with VaporDensity: the tray model calls both on every tray.
inline float MeanMolarMass(float moleFraction, float m1, float m2) {
    return static_cast<float>((1.0 - moleFraction) * m2 + static_cast<double>(moleFraction) * m1);
}

// Saturated vapour pressure, mm Hg, from ln(Po) = A - B / (C + T) with T in kelvin; the argument
// is the temperature in degrees Celsius. An exponent above 81 sets `exponentTooLarge` and
// returns 0; below -50 the result is 0 without the flag. The flag is always cleared first.
float AntoinePressure(float a, float b, float c, float temperatureC, bool& exponentTooLarge);

// PRES / R, kmol/(m3 K): the reciprocal of the gas constant is 0.01603 kmol K / (mm Hg m3)
// (R = 62.36 mm Hg m3 / (kmol K)).
inline double MolarDensityFactor(float pressureMmHg) {
    return pressureMmHg * 0.01603;
}

// Ideal-gas vapour density, kg/m3: PRES * M / (R T), T in kelvin.
inline double VaporDensity(double molarDensityFactor, float molarMass, float temperatureC) {
    return molarDensityFactor * molarMass / (temperatureC + 273.15);
}
inline double VaporDensity(float y, float temperatureC, float pressureMmHg, float m1, float m2) {
    return VaporDensity(MolarDensityFactor(pressureMmHg), MeanMolarMass(y, m1, m2), temperatureC);
}

} // namespace radirav
