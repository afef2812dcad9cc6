#include "calc/tray_model.h"

#include "calc/properties.h"

#include <bit>
#include <cmath>
#include <cstdint>

namespace radirav {

namespace {

constexpr std::uint32_t kExponentBits = 0x7F800000;

// Murphree efficiency of a partly mixed liquid (eddy-diffusion model) from the point efficiency.
double MurphreeEfficiency(double eog, double pe, double eta) {
    const double s = pe + eta;
    const double backMixed = (std::exp(eta) - 1.0) / eta / (eta / s + 1.0);
    // Past s = 81 exp(-s) no longer changes the sum in single precision.
    const double forward =
        s > 81.0 ? 1.0 / (s * (s / eta + 1.0)) : (1.0 - std::exp(-s)) / (s * (s / eta + 1.0));
    return eog * (forward + backMixed);
}

} // namespace

TrayFault ComputeTray(const TrayConditions& tray, const SectionParams& sec, const ColumnConstants& col,
                      float& y, TrayRow& row, float* yStarOut) {
    const float x = tray.x;
    const double alfa = tray.alfa;
    const float V = tray.vapourFlow;
    const float L = tray.liquidFlow;

    // Equilibrium: y* = alpha x / (1 + (alpha - 1) x); lambda = m V / L with the local slope m.
    const float k = EquilibriumFactor(x, alfa);
    const auto lambda = static_cast<float>(alfa * V / L * k * k);
    const float yStar = EquilibriumVapour(x, alfa);
    if (yStarOut)
        *yStarOut = yStar;

    // Vapour velocity over the working area and the F-factor.
    const double rhoV = VaporDensity(y, tray.temperature, col.pressure, col.m1, col.m2);
    const auto w =
        static_cast<float>((V * static_cast<double>(MeanMolarMass(y, col.m1, col.m2)) / rhoV) / sec.trayArea);
    if (!(w >= 0.0f && rhoV >= 0.0))
        return {StopCause::VapourDensity, rhoV >= 0.0 ? static_cast<double>(w) : rhoV};
    const auto F = static_cast<float>(w * std::sqrt(rhoV));

    // Vapour viscosity (Wilke), cP; r = 1/Sc, the factor 0.1 converting cP and cm2/s.
    const double yd = y;
    const double mu = (1.0 - yd) * sec.viscosity2 / (yd * sec.phi21 + (1.0 - yd)) +
                      yd * sec.viscosity1 / (yd + (1.0 - yd) * sec.phi12);
    const auto r = static_cast<float>(0.1 * rhoV * col.diffusivityVapour / mu);
    if (!(r >= 0.0f))
        return {StopCause::SchmidtNumber, r};

    // Liquid load: volume flow m3/s and per metre of weir.
    const auto QL =
        static_cast<float>(static_cast<double>(MeanMolarMass(x, col.m1, col.m2)) * L / sec.liquidDensity);
    const auto q = static_cast<float>(static_cast<double>(QL) / sec.weirLength);
    const double HP = sec.weirHeight;

    // Clear liquid height h (m) and longitudinal mixing coefficient DE by tray type.
    float h = 0, DE = 0;
    if (col.bubbleCap) {
        h = static_cast<float>(0.19 * HP + 0.042 - 0.0135 * F + 2.4 * q);
        const double bracket = 0.017 * w + 0.0038 + 3.68 * q + 0.18 * HP;
        DE = static_cast<float>(bracket * bracket);
    } else {
        h = static_cast<float>(0.73 * HP + 0.006 - 0.24 * F * HP + 1.22 * q);
        DE = static_cast<float>(0.0922 * h + 0.00668 * std::exp(1.44 * std::log(static_cast<double>(w))) -
                                0.00562);
    }
    if (!(h >= 0.0f))
        return {StopCause::ClearLiquidHeight, h};

    const auto tau = static_cast<float>(static_cast<double>(sec.trayArea) * h / QL);
    const auto NG =
        static_cast<float>((4.6 * HP + 0.776 - 0.24 * F + 105.0 * q) * std::sqrt(static_cast<double>(r)));
    // The vapour-phase correlation holds while its bracket is positive: past it (a high F-factor
    // over a low weir) the number of transfer units is negative and the overall resistance adds
    // up wrongly, raising the efficiency as the tray blows dry. The tray is outside the model.
    if (!(NG >= 0.0f))
        return {StopCause::VapourTransferUnits, NG};
    const auto Sc = static_cast<float>(1.0 / r);
    const auto NL = static_cast<float>((0.21 * F + 0.15) * 203.0 * tau *
                                       std::sqrt(static_cast<double>(col.diffusivityLiquid)));
    const auto NOG = static_cast<float>(1.0 / (static_cast<double>(lambda) / NL + 1.0 / NG));
    const auto EOG = static_cast<float>(1.0 - std::exp(-static_cast<double>(NOG)));

    // Peclet number with the flow path taken as S / LS.
    const double S = sec.trayArea, LS = sec.weirLength;
    const auto Pe = DE > 0.0f ? static_cast<float>(S * S / LS / LS / tau / DE) : 50.0f;

    const double g = static_cast<double>(lambda) * 4.0 * EOG / Pe + 1.0;
    if (!(g >= 0.0))
        return {StopCause::MixingModel, g};
    const double eta = (std::sqrt(g) - 1.0) * Pe / 2.0;
    if (!(eta <= 60.0))
        return {StopCause::MixingModel, eta};
    if (std::fabs(eta) < 1e-19)
        return {StopCause::NoTransfer, eta};

    const auto EMV = static_cast<float>(MurphreeEfficiency(EOG, Pe, eta));
    const auto Ea =
        static_cast<float>(static_cast<double>(EMV) / (static_cast<double>(EMV) * sec.entrainment + 1.0));

    row = {w, F, q, h, tau, lambda, Pe, Sc, NL, NG, NOG, EOG, EMV, Ea};
    const double delta = (static_cast<double>(yStar) - y) * Ea;
    y = static_cast<float>(y + delta);

    // A single is infinite or not a number exactly when its exponent bits are all set; the
    // fourteen are tested together, and one by one only when some of them failed.
    std::uint32_t nonFinite = 0;
    for (const float value : row)
        nonFinite |= (std::bit_cast<std::uint32_t>(value) & kExponentBits) == kExponentBits;
    if (nonFinite != 0 || !std::isfinite(y)) {
        for (const float value : row) {
            if (!std::isfinite(value))
                return {StopCause::TrayNotFinite, value};
        }
        return {StopCause::TrayNotFinite, y};
    }
    return {};
}

} // namespace radirav
