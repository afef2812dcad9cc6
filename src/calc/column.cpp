#include "calc/column.h"

#include "calc/equilibrium.h"
#include "calc/minimum_reflux.h"
#include "calc/properties.h"
#include "calc/tray_model.h"

#include <algorithm>
#include <cmath>
#include <initializer_list>
#include <limits>

namespace radirav {

namespace {

bool AllFinite(std::initializer_list<double> values) {
    for (const double v : values) {
        if (!std::isfinite(v))
            return false;
    }
    return true;
}

SectionParams LoadSection(const ProgramState& state, int first, double phi12, double phi21) {
    auto value = [&](int offset) { return state.InputParams[first + offset].Value; };
    return {value(param::kLS),
            value(param::kHP),
            value(param::kS),
            value(param::kT),
            value(param::kRO),
            value(param::kMu1),
            value(param::kMu2),
            value(param::kE),
            phi12,
            phi21};
}

constexpr TrayRecord kBlankTray{};

// Rounding of single-precision compositions: a vapour this close to the equilibrium with the
// inlet liquid has reached it, as trays creeping into a pinch do.
constexpr double kEquilibriumTolerance = 1e-5;

class ColumnStepper {
public:
    ColumnStepper(const ProgramState& state, const ColumnOptions& options)
        : state_(state), options_(options), equilibrium_(state),
          R_(options.reflux.value_or(state.InputParams[param::kR].Value)) {}

    ColumnResult Run() {
        result_.reason.reflux = R_;
        result_.trays.reserve(kMaxTrays); // one allocation, whatever the column needs
        StopCause cause = Prepare();
        if (cause == StopCause::None)
            cause = StepTrays();
        if (cause == StopCause::TooManyTrays)
            cause = ExplainTrayLimit();
        result_.reason.cause = cause;
        // What the tray loop left, as the program keeps it: the last temperature and volatility.
        result_.trayTemperature = temperature_;
        if (!std::isnan(lastAlfa_) && state_.EquilibriumKind != kKindConstantAlfa)
            result_.lastAlfa = lastAlfa_;
        result_.reason.boilUp = result_.balance.b;
        result_.stop = StopOf(cause);
        if (result_.stop == CalcStop::None)
            result_.warnings = CheckHydraulics(result_.trays, column_.bubbleCap);
        return std::move(result_);
    }

private:
    float Value(int index) const { return state_.InputParams[index].Value; }

    StopCause Prepare() {
        using namespace param;
        const float F = Value(kF), XF = Value(kXF), XP = Value(kXP), XW = Value(kXW);
        const float M1 = Value(kM1), M2 = Value(kM2);
        column_ = {Value(kDY), Value(kDX), Value(kPRES), M1, M2, state_.TrayType == "K"};
        MaterialBalance& mb = result_.balance;

        const double r = static_cast<double>(M1) / M2;
        // Mass balance in kg/s, then the flows in kmol/s.
        mb.P = static_cast<float>((static_cast<double>(XF) - XW) * F / (static_cast<double>(XP) - XW));
        mb.W = F - mb.P;
        mb.xP = MassToMoleFraction(XP, M1, M2);
        mb.xW = MassToMoleFraction(XW, M1, M2);
        const float MP = MeanMolarMass(mb.xP, M1, M2);
        const float MW = MeanMolarMass(mb.xW, M1, M2);
        mb.P = mb.P / MP;
        const auto H =
            static_cast<float>(static_cast<double>(mb.W) * Value(kRW)); // reboiler duty the bottoms need, kW
        mb.W = mb.W / MW;

        const int uk = kFirstRectifying, is = kFirstStripping;
        const double rUK = static_cast<double>(Value(uk + kMu1)) / Value(uk + kMu2);
        if (!(r >= 0.0 && rUK >= 0.0))
            return StopCause::ViscosityRatio;
        // Wilke: phi12 = (1 + sqrt(mu1/mu2) (M2/M1)^1/4)^2 / sqrt(8 (1 + M1/M2)), phi21 = phi12
        // (mu2/mu1)(M1/M2).
        const double c = std::sqrt(8.0 * (1.0 + r));
        const double m = std::sqrt(std::sqrt(1.0 / r));
        const double phi12UK = std::pow(m * std::sqrt(rUK) + 1.0, 2) / c;
        const double phi21UK = r * phi12UK / rUK;
        const double rIS = static_cast<double>(Value(is + kMu1)) / Value(is + kMu2);
        if (!(rIS >= 0.0))
            return StopCause::ViscosityRatio;
        const auto phi12IS = static_cast<float>(std::pow(m * std::sqrt(rIS) + 1.0, 2) / c);
        const auto phi21IS = static_cast<float>(phi12IS * r / rIS);
        rectifying_ = LoadSection(state_, uk, phi12UK, phi21UK);
        const SectionParams stripping = LoadSection(state_, is, phi12IS, phi21IS);

        mb.b = static_cast<float>(static_cast<double>(Value(kQ)) / H);
        mb.ys = static_cast<float>(((mb.b + 1.0) * mb.xP + static_cast<double>(R_) * mb.xW) /
                                   (mb.b + (R_ + 1.0)));
        ys_ = mb.ys;

        // Stripping section: V = b W, L = V + W; operating line x = k1 y + k0.
        V_ = mb.b * mb.W;
        L_ = V_ + mb.W;
        section_ = TraySection(stripping, column_);
        temperature_ = stripping.temperature;
        k1_ = static_cast<float>(mb.b / (mb.b + 1.0));
        k0_ = static_cast<float>(mb.xW / (mb.b + 1.0));
        L_ = static_cast<float>((stripping.entrainment + 1.0) * L_);
        result_.column = column_;
        result_.stripping = {stripping, k1_, k0_};

        // A column needs both products and vapour from the reboiler.
        if (!(mb.P > 0.0f))
            return StopCause::NoDistillate;
        if (!(mb.W > 0.0f))
            return StopCause::NoBottoms;
        if (!(mb.b > 0.0f && std::isfinite(mb.b)))
            return StopCause::NoBoilUp;
        if (!AllFinite({mb.P, mb.W, mb.xP, mb.xW, mb.b, mb.ys, V_, L_, k0_, k1_, phi12UK, phi21UK, phi12IS,
                        phi21IS}))
            return StopCause::BalanceNotFinite;
        return StopCause::None;
    }

    // Where and why the column stopped; `efficiency` is Ea of a tray that was calculated.
    StopCause Fail(StopCause cause, int tray, double value, double bound = 0, double efficiency = 0) {
        StopReason& reason = result_.reason;
        reason.tray = tray;
        reason.section = result_.feedTray > 0 && tray > result_.feedTray ? ColumnSection::Rectifying
                                                                         : ColumnSection::Stripping;
        reason.value = value;
        reason.bound = bound;
        reason.efficiency = efficiency;
        return cause;
    }

    StopCause StepTrays() {
        const float xP = result_.balance.xP;
        float x = result_.balance.xW;
        float y = x;
        int column = 1;
        for (int n = 1;; ++n) {
            // Written in place, from a copy of a blank record: cheaper than zeroing a new one.
            TrayRecord& tray = result_.trays.emplace_back(kBlankTray);
            tray.number = n;
            tray.section = result_.feedTray > 0 ? ColumnSection::Rectifying : ColumnSection::Stripping;
            tray.V = V_;
            tray.L = L_;
            double alfa = 0;
            const StopCause volatility = equilibrium_.RelativeVolatility(x, temperature_, alfa);
            tray.T = temperature_;
            if (volatility != StopCause::None) {
                tray.x = x;
                tray.yIn = y;
                tray.stoppedAt = TrayStep::Volatility;
                return StopOnTray(tray, volatility, x);
            }
            lastAlfa_ = alfa;

            const TrayFault fault = ComputeTray(tray, section_, x, y, alfa);
            // The tray below against the equilibrium with the liquid flowing onto it, which is the
            // liquid of this tray.
            if (n > 1 && ExceedsEquilibrium(y, tray.yStar)) [[unlikely]] {
                const double yStarIn = tray.yStar;
                result_.trays.pop_back();
                return StopBeyondEquilibrium(n - 1, y, x, yStarIn);
            }
            if (fault)
                return StopOnTray(tray, fault.cause, fault.value);
            y = tray.yOut;
            // No tray sends up more than the pure component, nor less than nothing (an efficiency
            // above 1 overshooting a curve that lies under the operating line).
            if (y > 1.0f)
                return StopOnTray(tray, StopCause::VapourAboveOne, y, 1.0, tray.Ea);
            if (y < 0.0f)
                return StopOnTray(tray, StopCause::VapourBelowZero, y, 0.0, tray.Ea);

            bool top = false;
            if (y > xP) {
                result_.requiredTrays = n;
                column = 3;
                top = true;
            } else if (y > ys_) {
                result_.feedTray = n;
                ys_ = 1.0f; // the feed tray is found once
                column = 2;
            }
            if (n == 1 || n == result_.feedTray || n == result_.requiredTrays)
                Store(tray, column);
            if (n == result_.feedTray)
                SwitchToRectifying();

            // The liquid flowing onto tray n from above: the operating line at the vapour leaving it.
            const float xTray = x;
            x = static_cast<float>(static_cast<double>(y) * k1_ + k0_);
            if (!std::isfinite(x) || x < 0.0f)
                return StopOnLiquid(n + 1, x, y, 0.0);
            if (n == kMaxTrays) {
                result_.requiredTrays = kMaxTrays;
                break; // the limit ends the loop like the top does
            }
            if (top) {
                // Above the top there is no tray to calculate, so a volatility that cannot be
                // found there bounds nothing; the last tray's temperature stays as it was. A
                // curve that rises with x (constant ALFA, an ideal mixture) bounds a vapour no
                // richer than the tray's own equilibrium when the inlet liquid is the richer one.
                const bool bounded = equilibrium_.RisesWithX() && y <= tray.yStar && x >= xTray;
                float scratchTemperature = temperature_;
                if (!bounded && x < 1.0f &&
                    equilibrium_.RelativeVolatility(x, scratchTemperature, alfa) == StopCause::None) {
                    if (const double yStarTop = EquilibriumVapour(x, alfa); ExceedsEquilibrium(y, yStarTop))
                        return StopBeyondEquilibrium(n, y, x, yStarTop);
                }
                break;
            }
            if (x > 1.0f)
                return StopOnLiquid(n + 1, x, y, 1.0);
        }
        if (result_.feedTray == 1)
            CopyColumn(2, 1);
        if (result_.requiredTrays == result_.feedTray)
            CopyColumn(3, 2);
        if (result_.requiredTrays == 1)
            CopyColumn(3, 1); // the first tray from the bottom is the top tray
        return result_.requiredTrays == kMaxTrays ? StopCause::TooManyTrays : StopCause::None;
    }

    // A stop on the last tray begun: it leaves the whole ones, as far as it was calculated.
    [[gnu::cold, gnu::noinline]] StopCause StopOnTray(TrayRecord& tray, StopCause cause, double value,
                                                      double bound = 0, double efficiency = 0) {
        const int n = tray.number;
        result_.stoppedTray = tray;
        result_.trays.pop_back();
        result_.reason.alfa = result_.stoppedTray->alfa;
        result_.reason.lambda = result_.stoppedTray->lambda;
        return Fail(cause, n, value, bound, efficiency);
    }

    // The liquid that tray n would hold lies outside 0..1: the tray stops at its first step.
    [[gnu::cold, gnu::noinline]] StopCause StopOnLiquid(int n, float x, float yIn, double bound) {
        TrayRecord& tray = result_.stoppedTray.emplace();
        tray.number = n;
        tray.section = result_.feedTray > 0 ? ColumnSection::Rectifying : ColumnSection::Stripping;
        tray.stoppedAt = TrayStep::Liquid;
        tray.x = x;
        tray.yIn = yIn;
        tray.V = V_;
        tray.L = L_;
        tray.T = temperature_;
        return Fail(StopCause::LiquidOutsideRange, n, x, bound);
    }

    // No tray can send up a vapour richer than the equilibrium yStarIn with the liquid that
    // enters it, however its liquid is mixed.
    static bool ExceedsEquilibrium(float y, double yStarIn) {
        return y > yStarIn * (1.0 + kEquilibriumTolerance);
    }

    // The stop of a tray n, the last one recorded, that exceeds it: kept out of the tray loop.
    [[gnu::cold, gnu::noinline]] StopCause StopBeyondEquilibrium(int n, float y, float xIn, double yStarIn) {
        const float efficiency = result_.trays.back().Ea;
        // The trays kept are whole ones; the one that exceeds it is whole but impossible.
        result_.stoppedTray = std::move(result_.trays.back());
        result_.trays.pop_back();
        result_.reason.alfa = result_.stoppedTray->alfa;
        result_.reason.lambda = result_.stoppedTray->lambda;
        result_.reason.inletLiquid = xIn;
        // Past its last point a table is only extrapolated: that, not the tray, is then at fault.
        if (const std::optional<float> tableEnd = equilibrium_.TableEnd(); tableEnd && xIn > *tableEnd)
            result_.reason.tableEnd = *tableEnd;
        return Fail(StopCause::BeyondEquilibrium, n, y, yStarIn, efficiency);
    }

    // After 300 trays: still enriching, or stalled. The vapour gain of the last tray against the
    // mean gain per tray tells them apart; a stalled tray that still has a driving force has lost
    // its efficiency, one without it sits where an operating line meets the equilibrium curve.
    StopCause ExplainTrayLimit() {
        const auto& trays = result_.trays;
        const TrayRecord& last = trays.back();
        const double gain = static_cast<double>(last.yOut) - trays[trays.size() - 2].yOut;
        const double meanGain = (static_cast<double>(last.yOut) - result_.balance.xW) / kMaxTrays;
        StopReason& reason = result_.reason;
        reason.tray = kMaxTrays;
        reason.section = last.section;
        reason.value = last.yOut;
        reason.bound = result_.balance.xP;
        reason.efficiency = last.Ea;
        if (last.yOut <= result_.balance.xP) {
            if (const double stages = MinimumStagesAtTotalReflux(); stages > kMaxTrays) {
                reason.value = largestAlfa_;
                reason.bound = stages;
                return StopCause::NoSeparation;
            }
        }
        if (!(gain < 0.01 * meanGain))
            return StopCause::TooManyTrays;
        if (last.Ea < 0.01f) {
            reason.value = last.h;
            return StopCause::TraysWorkDry;
        }
        if (last.section == ColumnSection::Rectifying && options_.explainTrayLimit)
            reason.minReflux = MinimumReflux(state_, result_.balance);
        return StopCause::Pinch;
    }

    // Fenske's number of equilibrium stages from xW to xP at total reflux, with the largest
    // volatility the column meets (its trays', the table's points between xW and xP, and the
    // liquid at xP): no reflux ratio does with fewer. Infinite where alpha never exceeds 1; none
    // (0) for a pure product, which no finite column makes whatever the volatility, so the
    // volatility is not to blame.
    double MinimumStagesAtTotalReflux() {
        const double xW = result_.balance.xW, xP = result_.balance.xP;
        double alfa = 0;
        for (const TrayRecord& tray : result_.trays)
            alfa = std::max(alfa, tray.alfa);
        if (state_.EquilibriumKind != kKindConstantAlfa && state_.EquilibriumKind != kKindAntoine) {
            for (int i = 1; i <= std::min(state_.EqPointCount, kMaxEqPoints); ++i) {
                if (state_.EqX[i] >= xW && state_.EqX[i] <= xP)
                    alfa = std::max(alfa, static_cast<double>(state_.EqAlfa[i]));
            }
        }
        float temperature = section_.params.temperature;
        if (double top = 0; EquilibriumModel(state_).RelativeVolatility(result_.balance.xP, temperature,
                                                                        top) == StopCause::None)
            alfa = std::max(alfa, top);
        largestAlfa_ = alfa;
        if (!(alfa > 1.0))
            return std::numeric_limits<double>::infinity();
        if (!(xW > 0.0 && xP < 1.0))
            return 0.0;
        return std::log(xP / (1.0 - xP) * ((1.0 - xW) / xW)) / std::log(alfa);
    }

    // Above the feed tray: rectifying parameters, operating line x = ((R + 1) y - xP) / R,
    // L = R P and V = L + P.
    void SwitchToRectifying() {
        const float P = result_.balance.P;
        section_ = TraySection(rectifying_, column_);
        temperature_ = rectifying_.temperature;
        k0_ = static_cast<float>(-static_cast<double>(result_.balance.xP) / R_);
        k1_ = static_cast<float>((R_ + 1.0) / R_);
        L_ = R_ * P;
        V_ = L_ + P;
        L_ = static_cast<float>((rectifying_.entrainment + 1.0) * L_);
        result_.rectifying = {rectifying_, k1_, k0_};
    }

    void Store(const TrayRecord& tray, int column) {
        for (int i = 1; i <= kResultRows; ++i)
            result_.trayResults(i, column) = tray.*kResultRowQuantities[static_cast<std::size_t>(i - 1)];
    }

    void CopyColumn(int from, int to) {
        for (int i = 1; i <= kResultRows; ++i)
            result_.trayResults(i, to) = result_.trayResults(i, from);
    }

    const ProgramState& state_;
    const ColumnOptions& options_;
    EquilibriumModel equilibrium_;
    const float R_;
    ColumnResult result_;
    ColumnConstants column_;
    SectionParams rectifying_;
    TraySection section_; // the parameters the trays now use
    float V_ = 0, L_ = 0, k0_ = 0, k1_ = 0, ys_ = 0, temperature_ = 0;
    double lastAlfa_ = std::numeric_limits<double>::quiet_NaN(); // none before the first tray
    double largestAlfa_ = 0;
};

} // namespace

const TrayRecord* ColumnResult::Tray(int number) const {
    if (number >= 1 && number <= static_cast<int>(trays.size()))
        return &trays[static_cast<std::size_t>(number - 1)];
    if (stoppedTray && stoppedTray->number == number)
        return &*stoppedTray;
    return nullptr;
}

ColumnResult CalculateColumn(const ProgramState& state, const ColumnOptions& options) {
    return ColumnStepper(state, options).Run();
}

void StoreColumnResult(const ColumnResult& result, ProgramState& state) {
    state.TrayResults = result.trayResults;
    state.RequiredTrays = result.requiredTrays;
    state.FeedTray = result.feedTray;
    state.InputError = result.stop != CalcStop::None;
    state.TrayTemperature = result.trayTemperature;
    if (result.lastAlfa)
        state.Alfa = result.lastAlfa;
}

ColumnResult CalculateAndStore(ProgramState& state) {
    ColumnResult result = CalculateColumn(state);
    StoreColumnResult(result, state);
    return result;
}

} // namespace radirav
