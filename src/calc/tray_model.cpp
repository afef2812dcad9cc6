#include "calc/tray_model.h"

#include "calc/properties.h"

#include <cmath>
#include <utility>

namespace radirav {

namespace {

// Correlation constants, SI units unless noted: HP and h in m, w in m/s, F in kg^1/2 m^-1/2 s^-1,
// q in m3/(m s), DE in m2/s, DY and DX in cm2/s, viscosities in cP.

// r = 1/Sc = 0.1 rho_v DY / mu: cP is 1e-3 Pa s and cm2/s is 1e-4 m2/s.
constexpr double kSchmidtUnits = 0.1;

// Clear liquid height and longitudinal mixing coefficient of the liquid, by tray type. The
// coefficients are the program's own.
// Bubble caps: h = 0.19 HP + 0.042 - 0.0135 F + 2.4 q; DE = (0.017 w + 0.0038 + 3.68 q + 0.18 HP)^2.
constexpr double kCapHeightWeir = 0.19, kCapHeight = 0.042, kCapHeightF = 0.0135, kCapHeightLoad = 2.4;
constexpr double kCapMixingVelocity = 0.017, kCapMixing = 0.0038, kCapMixingLoad = 3.68,
                 kCapMixingWeir = 0.18;
// Sieve trays: h = 0.73 HP + 0.006 - 0.24 F HP + 1.22 q; DE = 0.0922 h + 0.00668 w^1.44 - 0.00562.
constexpr double kSieveHeightWeir = 0.73, kSieveHeight = 0.006, kSieveHeightF = 0.24, kSieveHeightLoad = 1.22;
constexpr double kSieveMixingHeight = 0.0922, kSieveMixingVelocity = 0.00668, kSieveMixingPower = 1.44,
                 kSieveMixing = 0.00562;

// Transfer units of the AIChE Bubble-Tray Design Manual (1958), SI form with its coefficients
// rounded: NG = (0.776 + 4.57 HP - 0.238 F + 104.8 q) / sqrt(Sc) for both tray types, and
// NL = sqrt(4.13e8 DL) (0.21 F + 0.15) tau with DL in m2/s, where sqrt(4.13e8 * 1e-4) = 203 takes
// DX in cm2/s.
constexpr double kVapourUnitsWeir = 4.6, kVapourUnits = 0.776, kVapourUnitsF = 0.24, kVapourUnitsLoad = 105.0;
constexpr double kLiquidUnitsF = 0.21, kLiquidUnits = 0.15, kLiquidUnitsDiffusion = 203.0;

// Pe = Z^2 / (DE tau) of the AIChE eddy-diffusion model, the flow path Z taken as S / LS (the
// program's own estimate); without longitudinal mixing (DE <= 0) the program takes Pe = 50.
constexpr float kPecletWithoutMixing = 50.0f;

// The mixing exponent eta must leave exp(eta) finite with room to spare, and must not vanish:
// both bounds are the program's own.
constexpr double kMaxMixingExponent = 60.0, kMinMixingExponent = 1e-19;
// Past s = 81 exp(-s) no longer changes the sum in single precision.
constexpr double kNegligibleForward = 81.0;

// Murphree efficiency of a partly mixed liquid (eddy-diffusion model of the AIChE manual) from
// the point efficiency, with s = Pe + eta.
double MurphreeEfficiency(double eog, double s, double eta) {
    const double backMixed = (std::exp(eta) - 1.0) / eta / (eta / s + 1.0);
    const double forward = (s > kNegligibleForward ? 1.0 : 1.0 - std::exp(-s)) / (s * (s / eta + 1.0));
    return eog * (forward + backMixed);
}

TrayFault Stop(TrayRecord& tray, TrayStep step, StopCause cause, double value) {
    tray.stoppedAt = step;
    return {cause, value};
}

// The first quantity of the results table, in its row order, that is not finite (the value the
// stop quotes), and the first step in the model's order whose value is not finite.
[[gnu::cold, gnu::noinline]] TrayFault NotFinite(TrayRecord& tray) {
    double value = tray.yOut;
    for (auto it = kResultRowQuantities.rbegin(); it != kResultRowQuantities.rend(); ++it) {
        if (!std::isfinite(tray.*(*it)))
            value = tray.*(*it);
    }
    const std::pair<TrayStep, double> steps[] = {{TrayStep::EquilibriumFactor, tray.k},
                                                 {TrayStep::MassTransferFactor, tray.lambda},
                                                 {TrayStep::EquilibriumVapour, tray.yStar},
                                                 {TrayStep::VapourVelocity, tray.w},
                                                 {TrayStep::FFactor, tray.F},
                                                 {TrayStep::SchmidtNumber, tray.Sc},
                                                 {TrayStep::WeirLoad, tray.q},
                                                 {TrayStep::ClearLiquidHeight, tray.h},
                                                 {TrayStep::ResidenceTime, tray.tau},
                                                 {TrayStep::VapourTransferUnits, tray.NG},
                                                 {TrayStep::LiquidTransferUnits, tray.NL},
                                                 {TrayStep::OverallTransferUnits, tray.NOG},
                                                 {TrayStep::PointEfficiency, tray.EOG},
                                                 {TrayStep::PecletNumber, tray.Pe},
                                                 {TrayStep::MurphreeEfficiency, tray.EMV},
                                                 {TrayStep::EntrainedEfficiency, tray.Ea}};
    TrayStep first = TrayStep::VapourLeaving;
    for (const auto& [step, quantity] : steps) {
        if (!std::isfinite(quantity)) {
            first = step;
            break;
        }
    }
    return Stop(tray, first, StopCause::TrayNotFinite, value);
}

// Zero when every value is finite, not a number otherwise: a finite single less itself is 0, an
// infinity or a NaN gives NaN, and a sum keeps it.
template <typename... Singles> float NonFiniteResidue(Singles... values) {
    return (... + (values - values));
}

// Whether the singles a tray stores are finite. Read back from the record out of line, so that
// none of them is held in a register across the exponentials before it.
[[gnu::noinline]] bool StoredFinite(const TrayRecord& t) {
    return NonFiniteResidue(t.w, t.F, t.q, t.h, t.tau, t.lambda, t.Pe, t.Sc, t.NL, t.NG, t.NOG, t.EOG, t.EMV,
                            t.Ea, t.yOut) == 0.0f;
}

} // namespace

TraySection::TraySection(const SectionParams& sec, const ColumnConstants& col)
    : params(sec), column(col), densityFactor(MolarDensityFactor(col.pressure)),
      liquidDiffusion(std::sqrt(static_cast<double>(col.diffusivityLiquid))) {
    const double HP = sec.weirHeight;
    heightBase = col.bubbleCap ? kCapHeightWeir * HP + kCapHeight : kSieveHeightWeir * HP + kSieveHeight;
    mixingWeir = kCapMixingWeir * HP;
    vapourUnitsBase = kVapourUnitsWeir * HP + kVapourUnits;
    const double S = sec.trayArea, LS = sec.weirLength;
    flowPathSquared = S * S / LS / LS;
}

TrayFault ComputeTray(TrayRecord& tray, const TraySection& section, float x, float y, double alfa) {
    const SectionParams& sec = section.params;
    const ColumnConstants& col = section.column;
    tray.x = x;
    tray.yIn = y;
    tray.alfa = alfa;
    const float V = tray.V;
    const float L = tray.L;

    // Equilibrium: y* = alpha x / (1 + (alpha - 1) x); lambda = m V / L with the local slope m.
    const float k = EquilibriumFactor(x, alfa);
    const auto lambda = static_cast<float>(alfa * V / L * k * k);
    const float yStar = EquilibriumVapour(x, alfa);
    tray.k = k;
    tray.lambda = lambda;
    tray.yStar = yStar;

    // Vapour velocity over the working area and the F-factor.
    const float My = MeanMolarMass(y, col.m1, col.m2);
    const double rhoV = VaporDensity(section.densityFactor, My, tray.T);
    const auto w = static_cast<float>((V * static_cast<double>(My) / rhoV) / sec.trayArea);
    tray.vapourMolarMass = My;
    tray.rhoV = rhoV;
    tray.w = w;
    if (!(w >= 0.0f && rhoV >= 0.0)) {
        return rhoV >= 0.0 ? Stop(tray, TrayStep::VapourVelocity, StopCause::VapourDensity, w)
                           : Stop(tray, TrayStep::VapourDensity, StopCause::VapourDensity, rhoV);
    }
    const auto F = static_cast<float>(w * std::sqrt(rhoV));
    tray.F = F;

    // Vapour viscosity by Wilke's mixing rule (1950), cP; r = 1/Sc.
    const double yd = y;
    const double mu = (1.0 - yd) * sec.viscosity2 / (yd * sec.phi21 + (1.0 - yd)) +
                      yd * sec.viscosity1 / (yd + (1.0 - yd) * sec.phi12);
    const auto r = static_cast<float>(kSchmidtUnits * rhoV * col.diffusivityVapour / mu);
    tray.mu = mu;
    tray.r = r;
    if (!(r >= 0.0f))
        return Stop(tray, TrayStep::SchmidtReciprocal, StopCause::SchmidtNumber, r);
    const auto Sc = static_cast<float>(1.0 / r);
    tray.Sc = Sc;

    // Liquid load: volume flow m3/s and per metre of weir.
    const float Mx = MeanMolarMass(x, col.m1, col.m2);
    const auto QL = static_cast<float>(static_cast<double>(Mx) * L / sec.liquidDensity);
    const auto q = static_cast<float>(static_cast<double>(QL) / sec.weirLength);
    tray.liquidMolarMass = Mx;
    tray.QL = QL;
    tray.q = q;

    // Clear liquid height h (m) and longitudinal mixing coefficient DE by tray type.
    float h = 0, DE = 0;
    if (col.bubbleCap) {
        h = static_cast<float>(section.heightBase - kCapHeightF * F + kCapHeightLoad * q);
        const double bracket = kCapMixingVelocity * w + kCapMixing + kCapMixingLoad * q + section.mixingWeir;
        DE = static_cast<float>(bracket * bracket);
    } else {
        const double HP = sec.weirHeight;
        h = static_cast<float>(section.heightBase - kSieveHeightF * F * HP + kSieveHeightLoad * q);
        DE = static_cast<float>(kSieveMixingHeight * h +
                                kSieveMixingVelocity *
                                    std::exp(kSieveMixingPower * std::log(static_cast<double>(w))) -
                                kSieveMixing);
    }
    tray.h = h;
    if (!(h >= 0.0f))
        return Stop(tray, TrayStep::ClearLiquidHeight, StopCause::ClearLiquidHeight, h);
    tray.DE = DE;

    const auto tau = static_cast<float>(static_cast<double>(sec.trayArea) * h / QL);
    const auto NG = static_cast<float>((section.vapourUnitsBase - kVapourUnitsF * F + kVapourUnitsLoad * q) *
                                       std::sqrt(static_cast<double>(r)));
    tray.tau = tau;
    tray.NG = NG;
    // The vapour-phase correlation holds while its bracket is positive: past it (a high F-factor
    // over a low weir) the number of transfer units is negative and the overall resistance adds
    // up wrongly, raising the efficiency as the tray blows dry. The tray is outside the model.
    if (!(NG >= 0.0f))
        return Stop(tray, TrayStep::VapourTransferUnits, StopCause::VapourTransferUnits, NG);
    const auto NL = static_cast<float>((kLiquidUnitsF * F + kLiquidUnits) * kLiquidUnitsDiffusion * tau *
                                       section.liquidDiffusion);
    // The two film resistances in series; the vapour rises in plug flow through liquid mixed
    // over the froth's height.
    const auto NOG = static_cast<float>(1.0 / (static_cast<double>(lambda) / NL + 1.0 / NG));
    const auto EOG = static_cast<float>(1.0 - std::exp(-static_cast<double>(NOG)));
    tray.NL = NL;
    tray.NOG = NOG;
    tray.EOG = EOG;

    const auto Pe = DE > 0.0f ? static_cast<float>(section.flowPathSquared / tau / DE) : kPecletWithoutMixing;
    tray.Pe = Pe;

    const double g = static_cast<double>(lambda) * 4.0 * EOG / Pe + 1.0;
    tray.g = g;
    if (!(g >= 0.0))
        return Stop(tray, TrayStep::MixingRoot, StopCause::MixingModel, g);
    const double eta = (std::sqrt(g) - 1.0) * Pe / 2.0;
    tray.eta = eta;
    if (!(eta <= kMaxMixingExponent))
        return Stop(tray, TrayStep::MixingExponent, StopCause::MixingModel, eta);
    if (std::fabs(eta) < kMinMixingExponent)
        return Stop(tray, TrayStep::MixingExponent, StopCause::NoTransfer, eta);
    const double s = static_cast<double>(Pe) + eta;
    tray.s = s;

    // Colburn's correction (1936) for the liquid entrained to the tray above.
    const auto EMV = static_cast<float>(MurphreeEfficiency(EOG, s, eta));
    const auto Ea =
        static_cast<float>(static_cast<double>(EMV) / (static_cast<double>(EMV) * sec.entrainment + 1.0));
    tray.EMV = EMV;
    tray.Ea = Ea;

    const double delta = (static_cast<double>(yStar) - y) * Ea;
    const auto yOut = static_cast<float>(y + delta);
    tray.yOut = yOut;

    if (!StoredFinite(tray)) [[unlikely]]
        return NotFinite(tray);
    return {};
}

} // namespace radirav
