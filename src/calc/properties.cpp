#include "calc/properties.h"

#include <cmath>

namespace radirav {

float MassToMoleFraction(float a, float m1, float m2) {
    double t = (1.0 - a) * m1;
    t = t / m2;
    t = t + a;
    return static_cast<float>(a / t);
}

float AntoinePressure(float a, float b, float c, float temperatureC, bool& exponentTooLarge) {
    exponentTooLarge = false;
    const float s = temperatureC + c;
    const auto exponent = static_cast<float>(a - b / (static_cast<double>(s) + 273.15));
    if (exponent > 81.0f) {
        exponentTooLarge = true;
        return 0.0f;
    }
    if (exponent >= -50.0f)
        return static_cast<float>(std::exp(static_cast<double>(exponent)));
    return 0.0f;
}

} // namespace radirav
