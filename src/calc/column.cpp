#include "calc/column.h"

#include "calc/equilibrium.h"
#include "calc/properties.h"
#include "calc/tray_model.h"

#include <cmath>
#include <initializer_list>

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

class ColumnStepper {
public:
    ColumnStepper(ProgramState& state, std::vector<TrayRecord>* profile)
        : state_(state), profile_(profile), equilibrium_(state) {}

    ColumnResult Run() {
        state_.InputError = false;
        state_.TrayResults = {};
        state_.RequiredTrays = 0;
        state_.FeedTray = 0;
        if (profile_)
            profile_->clear();
        result_.stop = Prepare();
        if (result_.stop == CalcStop::None)
            result_.stop = StepTrays();
        if (result_.stop != CalcStop::None)
            state_.InputError = true;
        result_.requiredTrays = state_.RequiredTrays;
        result_.feedTray = state_.FeedTray;
        return result_;
    }

private:
    float Value(int index) const { return state_.InputParams[index].Value; }

    CalcStop Prepare() {
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
            return CalcStop::InputDataError;
        // Wilke: phi12 = (1 + sqrt(mu1/mu2) (M2/M1)^1/4)^2 / sqrt(8 (1 + M1/M2)), phi21 = phi12
        // (mu2/mu1)(M1/M2).
        const double c = std::sqrt(8.0 * (1.0 + r));
        const double m = std::sqrt(std::sqrt(1.0 / r));
        const double phi12UK = std::pow(m * std::sqrt(rUK) + 1.0, 2) / c;
        const double phi21UK = r * phi12UK / rUK;
        const double rIS = static_cast<double>(Value(is + kMu1)) / Value(is + kMu2);
        if (!(rIS >= 0.0))
            return CalcStop::InputDataError;
        const auto phi12IS = static_cast<float>(std::pow(m * std::sqrt(rIS) + 1.0, 2) / c);
        const auto phi21IS = static_cast<float>(phi12IS * r / rIS);
        rectifying_ = LoadSection(state_, uk, phi12UK, phi21UK);
        const SectionParams stripping = LoadSection(state_, is, phi12IS, phi21IS);

        mb.b = static_cast<float>(static_cast<double>(Value(kQ)) / H);
        const float R = Value(kR);
        mb.ys =
            static_cast<float>(((mb.b + 1.0) * mb.xP + static_cast<double>(R) * mb.xW) / (mb.b + (R + 1.0)));
        ys_ = mb.ys;

        // Stripping section: V = b W, L = V + W; operating line x = k1 y + k0.
        V_ = mb.b * mb.W;
        L_ = V_ + mb.W;
        section_ = stripping;
        state_.TrayTemperature = stripping.temperature;
        k1_ = static_cast<float>(mb.b / (mb.b + 1.0));
        k0_ = static_cast<float>(mb.xW / (mb.b + 1.0));
        L_ = static_cast<float>((stripping.entrainment + 1.0) * L_);

        if (!AllFinite({mb.P, mb.W, mb.xP, mb.xW, mb.b, mb.ys, V_, L_, k0_, k1_, phi12UK, phi21UK, phi12IS,
                        phi21IS}))
            return CalcStop::InputDataError;
        return CalcStop::None;
    }

    CalcStop StepTrays() {
        const float xP = result_.balance.xP;
        float x = result_.balance.xW;
        float y = x;
        int column = 1;
        TrayRow row{};
        CalcStop end = CalcStop::None;
        for (int n = 1;; ++n) {
            double alfa = 0;
            if (const CalcStop stop = equilibrium_.RelativeVolatility(x, state_.TrayTemperature, alfa);
                stop != CalcStop::None)
                return stop;
            if (state_.EquilibriumKind != kKindConstantAlfa)
                state_.Alfa = alfa;

            const TrayConditions tray{x, alfa, V_, L_, state_.TrayTemperature};
            if (const CalcStop stop = ComputeTray(tray, section_, column_, y, row); stop != CalcStop::None)
                return stop;
            // A vapour leaner than nothing: an efficiency above 1 overshot an equilibrium curve
            // lying under the operating line, and the trays stepped back down past the bottoms.
            if (y < 0)
                return CalcStop::InputDataError;

            if (profile_)
                Record(n, x, alfa, y, row);

            bool top = false;
            if (y > xP) {
                state_.RequiredTrays = n;
                column = 3;
                top = true;
            } else if (y > ys_) {
                state_.FeedTray = n;
                ys_ = 1.0f; // the feed tray is found once
                column = 2;
            }
            if (n == 1 || n == state_.FeedTray || n == state_.RequiredTrays)
                Store(row, column);
            if (n == state_.FeedTray)
                SwitchToRectifying();

            x = static_cast<float>(static_cast<double>(y) * k1_ + k0_);
            if (!std::isfinite(x) || x < 0) // the same overshoot seen on the operating line
                return CalcStop::InputDataError;
            if (n == kMaxTrays) {
                state_.RequiredTrays = kMaxTrays;
                end = CalcStop::TrayLimit; // the limit ends the loop like the top does
                break;
            }
            if (top)
                break;
        }
        if (state_.FeedTray == 1)
            CopyColumn(2, 1);
        if (state_.RequiredTrays == state_.FeedTray)
            CopyColumn(3, 2);
        if (state_.RequiredTrays == 1)
            CopyColumn(3, 1); // the first tray from the bottom is the top tray
        return end;
    }

    // Above the feed tray: rectifying parameters, operating line x = ((R + 1) y - xP) / R,
    // L = R P and V = L + P.
    void SwitchToRectifying() {
        const float R = Value(param::kR);
        const float P = result_.balance.P;
        section_ = rectifying_;
        state_.TrayTemperature = rectifying_.temperature;
        k0_ = static_cast<float>(-static_cast<double>(result_.balance.xP) / R);
        k1_ = static_cast<float>((R + 1.0) / R);
        L_ = R * P;
        V_ = L_ + P;
        L_ = static_cast<float>((rectifying_.entrainment + 1.0) * L_);
    }

    // Called before the position tests of tray n, so a feed tray found means a tray above it.
    void Record(int n, float x, double alfa, float y, const TrayRow& row) {
        const auto section = state_.FeedTray > 0 ? ColumnSection::Rectifying : ColumnSection::Stripping;
        // Rows of the tray model: w, F, q, h, ... Ea last.
        profile_->push_back({n, x, y, EquilibriumVapour(x, alfa), row[13], row[0], row[1], row[3], section});
    }

    void Store(const TrayRow& row, int column) {
        for (int i = 1; i <= kResultRows; ++i)
            state_.TrayResults(i, column) = row[static_cast<std::size_t>(i - 1)];
    }

    void CopyColumn(int from, int to) {
        for (int i = 1; i <= kResultRows; ++i)
            state_.TrayResults(i, to) = state_.TrayResults(i, from);
    }

    ProgramState& state_;
    std::vector<TrayRecord>* profile_;
    EquilibriumModel equilibrium_;
    ColumnResult result_;
    ColumnConstants column_;
    SectionParams section_, rectifying_;
    float V_ = 0, L_ = 0, k0_ = 0, k1_ = 0, ys_ = 0;
};

} // namespace

ColumnResult CalculateColumn(ProgramState& state, std::vector<TrayRecord>* profile) {
    return ColumnStepper(state, profile).Run();
}

} // namespace radirav
