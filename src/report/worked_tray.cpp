#include "report/worked_tray.h"

#include "calc/hydraulics.h"
#include "model/text.h"
#include "report/stop_text.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string_view>
#include <utility>

namespace radirav {
namespace {

const char* SectionName(ColumnSection section) {
    return section == ColumnSection::Rectifying ? "укрепляющей" : "исчерпывающей";
}

const char* SectionSuffix(ColumnSection section) {
    return section == ColumnSection::Rectifying ? "UK" : "IS";
}

// A step of the worked tray with the step of the calculation it shows, if it shows one.
struct Tagged {
    std::optional<TrayStep> step;
    WorkedStep worked;
};

class TrayWriter {
public:
    TrayWriter(const ProgramState& state, const ColumnResult& result, const TrayRecord& tray, char separator)
        : state_(state), result_(result), t_(tray), separator_(separator),
          stopped_(result.stoppedTray && &tray == &*result.stoppedTray) {}

    WorkedTray Write() const {
        WorkedTray worked;
        worked.number = t_.number;
        worked.title = Title();
        worked.section = SectionLine();
        worked.parameters = Parameters();
        if (result_.stop != CalcStop::None)
            worked.stop = StopReasonText(result_.reason);
        worked.inputs = Finish(Inputs(), worked.stop);
        worked.steps = Finish(Steps(), worked.stop);
        return worked;
    }

private:
    bool Reached(TrayStep step) const { return result_.Reached(t_, step); }

    // The steps reached, the hydraulic ones marked against their windows and the one that
    // stopped the calculation with the stop's words.
    std::vector<WorkedStep> Finish(std::vector<Tagged> tagged, const std::string& stop) const {
        std::vector<WorkedStep> steps;
        for (Tagged& t : tagged) {
            if (t.step && !Reached(*t.step))
                break;
            if (t.step)
                Mark(*t.step, t.worked);
            if (t.step && stopped_ && *t.step == t_.stoppedAt) {
                t.worked.mark = StepMark::Stop;
                t.worked.note = stop;
            }
            steps.push_back(std::move(t.worked));
        }
        return steps;
    }

    // A figure as a student copies it: five significant digits, the separator of the screen,
    // powers of ten written out.
    std::string N(double value, int digits = 5) const {
        if (std::isnan(value))
            return "не число";
        if (std::isinf(value))
            return value > 0 ? "бесконечность" : "минус бесконечность";
        char text[40];
        std::snprintf(text, sizeof text, "%.*g", digits, value);
        std::string s = C(text);
        if (const auto e = s.find('e'); e != std::string::npos)
            s = s.substr(0, e) + "·10^" + std::to_string(std::atoi(s.c_str() + e + 1));
        return s[0] == '-' ? "−" + s.substr(1) : s;
    }
    // A negative figure in parentheses, as it stands after an operator.
    std::string P(double value) const { return value < 0 ? "(" + N(value) + ")" : N(value); }
    // A figure under a root sign, bracketed when it is written with a power of ten.
    std::string Root(double value) const {
        const std::string n = N(value);
        return n.find("·10^") == std::string::npos ? "√" + n : "√(" + n + ")";
    }
    // A formula's constants written with a decimal point, in the separator of the figures.
    std::string C(std::string text) const {
        for (char& c : text)
            c = c == '.' ? separator_ : c;
        return text;
    }

    std::string Title() const {
        std::string title = "Тарелка " + std::to_string(t_.number);
        if (result_.stop == CalcStop::None)
            title += " из " + std::to_string(result_.requiredTrays);
        title += " (считая снизу)";
        if (t_.number == result_.feedTray)
            title += " — тарелка питания";
        else if (result_.stop == CalcStop::None && t_.number == result_.requiredTrays)
            title += " — верхняя тарелка";
        else if (t_.number == 1)
            title += " — нижняя тарелка";
        return title;
    }

    std::string SectionLine() const {
        const ColumnSection s = t_.section;
        std::string line = std::string("Параметры и рабочая линия ") + SectionName(s) + " части (LS" +
                           SectionSuffix(s) + " … E" + SectionSuffix(s) + ").";
        if (t_.number == result_.feedTray)
            line += " Тарелка питания ещё принадлежит исчерпывающей части; жидкость тарелки " +
                    std::to_string(t_.number + 1) + " приходит уже с рабочей линии укрепляющей части.";
        else if (s == ColumnSection::Rectifying && t_.number == result_.feedTray + 1)
            line += " Первая тарелка над тарелкой питания " + std::to_string(result_.feedTray) + ".";
        return line;
    }

    std::vector<Tagged> Inputs() const {
        const MaterialBalance& mb = result_.balance;
        const SectionSetup& section = result_.Section(t_.section);
        std::vector<Tagged> steps;
        if (t_.number == 1) {
            steps.push_back({TrayStep::Liquid,
                             {"Жидкость на нижней тарелке (мольная доля НК): состав кубового остатка",
                              "x = xW", "", N(t_.x)}});
            steps.push_back({{}, {"Пар, входящий снизу, из куба", "yвх = xW", "", N(t_.yIn)}});
        } else {
            steps.push_back(
                {TrayStep::Liquid,
                 {std::string("Жидкость на тарелке: рабочая линия ") + SectionName(t_.section) +
                      " части при паре, входящем снизу",
                  "x = k1·yвх + k0", N(section.k1) + "·" + N(t_.yIn) + " + " + P(section.k0), N(t_.x)}});
            steps.push_back({{},
                             {"Пар, входящий снизу: пар, уходящий с тарелки " + std::to_string(t_.number - 1),
                              "yвх", "", N(t_.yIn)}});
        }
        steps.push_back(
            {TrayStep::Volatility,
             {VolatilityWhat(), "α", "", Reached(TrayStep::EquilibriumFactor) ? N(t_.alfa) : "не найдена"}});
        if (!Reached(TrayStep::EquilibriumFactor))
            return steps;
        const bool antoine = state_.EquilibriumKind == kKindAntoine;
        steps.push_back({{},
                         {antoine ? "Температура кипения жидкости"
                                  : std::string("Температура тарелки T") + SectionSuffix(t_.section),
                          "T", "", N(t_.T) + " °C"}});
        const std::string e = N(section.params.entrainment);
        if (t_.section == ColumnSection::Stripping) {
            steps.push_back({{},
                             {"Поток пара исчерпывающей части", "V = b·W", N(mb.b) + "·" + N(mb.W),
                              N(t_.V) + " кмоль/с"}});
            steps.push_back({{},
                             {"Поток жидкости с уносом", "L = (V + W)·(1 + EIS)",
                              "(" + N(t_.V) + " + " + N(mb.W) + ")·(1 + " + e + ")", N(t_.L) + " кмоль/с"}});
        } else {
            const std::string R = N(result_.reason.reflux), Pd = N(mb.P);
            steps.push_back({{},
                             {"Поток пара укрепляющей части", "V = R·P + P", R + "·" + Pd + " + " + Pd,
                              N(t_.V) + " кмоль/с"}});
            steps.push_back({{},
                             {"Поток жидкости с уносом", "L = R·P·(1 + EUK)",
                              R + "·" + Pd + "·(1 + " + e + ")", N(t_.L) + " кмоль/с"}});
        }
        return steps;
    }

    std::string VolatilityWhat() const {
        const int kind = state_.EquilibriumKind.value_or(0);
        if (kind == kKindConstantAlfa)
            return "Относительная летучесть (постоянная, ALFA)";
        if (kind == kKindAntoine)
            return "Относительная летучесть при температуре кипения жидкости (уравнение Антуана)";
        return "Относительная летучесть при x (линейно между точками таблицы равновесия)";
    }

    std::vector<std::string> Parameters() const {
        const SectionParams& p = result_.Section(t_.section).params;
        const ColumnConstants& c = result_.column;
        const std::string s = SectionSuffix(t_.section);
        return {"LS" + s + " = " + N(p.weirLength) + " м;  HP" + s + " = " + N(p.weirHeight) + " м;  S" + s +
                    " = " + N(p.trayArea) + " м²;  RO" + s + " = " + N(p.liquidDensity) + " кг/м³;  E" + s +
                    " = " + N(p.entrainment),
                "μ1 = M1" + s + " = " + N(p.viscosity1) + " сП;  μ2 = M2" + s + " = " + N(p.viscosity2) +
                    " сП;  по Уилке Φ12 = " + N(p.phi12) + ", Φ21 = " + N(p.phi21),
                "DY = " + N(c.diffusivityVapour) + " см²/с;  DX = " + N(c.diffusivityLiquid) +
                    " см²/с;  PRES = " + N(c.pressure) + " мм рт. ст.",
                "M1 = " + N(c.m1) + ", M2 = " + N(c.m2) + " кг/кмоль;  тарелки " +
                    (c.bubbleCap ? "колпачковые" : "ситчатые")};
    }

    std::vector<Tagged> Steps() const {
        const SectionParams& p = result_.Section(t_.section).params;
        const ColumnConstants& c = result_.column;
        const std::string x = N(t_.x), a = N(t_.alfa), y = N(t_.yIn), k = N(t_.k), V = N(t_.V), L = N(t_.L);
        const std::string My = N(t_.vapourMolarMass), rho = N(t_.rhoV), w = N(t_.w), F = N(t_.F);
        const std::string mu = N(t_.mu), r = N(t_.r), Mx = N(t_.liquidMolarMass), QL = N(t_.QL), q = N(t_.q);
        const std::string h = N(t_.h), tau = N(t_.tau), NG = N(t_.NG), NL = N(t_.NL), NOG = N(t_.NOG);
        const std::string EOG = N(t_.EOG), Pe = N(t_.Pe), g = N(t_.g), eta = N(t_.eta), s = N(t_.s);
        const std::string EMV = N(t_.EMV), Ea = N(t_.Ea), yStar = N(t_.yStar), S = N(p.trayArea);
        return {
            {TrayStep::EquilibriumFactor,
             {"Множитель равновесия", "k = 1/(1 + (α − 1)·x)", "1/(1 + (" + a + " − 1)·" + x + ")", k}},
            {TrayStep::MassTransferFactor,
             {"Фактор массопередачи mG/L; m = α·k² — наклон равновесной линии", "λ = α·V/L·k²",
              a + "·" + V + "/" + L + "·" + k + "²", N(t_.lambda)}},
            {TrayStep::EquilibriumVapour,
             {"Пар, равновесный с жидкостью на тарелке", "y* = α·x·k", a + "·" + x + "·" + k, yStar}},
            {TrayStep::VapourMolarMass,
             {"Средняя мольная масса пара, входящего снизу", "Mп = (1 − yвх)·M2 + yвх·M1",
              "(1 − " + y + ")·" + N(c.m2) + " + " + y + "·" + N(c.m1), My + " кг/кмоль"}},
            {TrayStep::VapourDensity,
             {"Плотность пара, идеальный газ: " + C("0.01603") + " = 1/R, кмоль·К/(мм рт. ст.·м³)",
              C("ρп = PRES·0.01603·Mп/(T + 273.15)"),
              N(c.pressure) + C("·0.01603·") + My + "/(" + N(t_.T) + C(" + 273.15)"), rho + " кг/м³"}},
            {TrayStep::VapourVelocity,
             {"Скорость пара в рабочем сечении тарелки", "w = V·Mп/ρп/S", V + "·" + My + "/" + rho + "/" + S,
              w + " м/с"}},
            {TrayStep::FFactor,
             {"F-фактор пара", "F = w·√ρп", w + "·" + Root(t_.rhoV), F + " кг^1/2·м^-1/2·с^-1"}},
            {TrayStep::VapourViscosity,
             {"Вязкость пара, входящего снизу, по правилу смешения Уилке; y = yвх",
              "μ = (1 − y)·μ2/(y·Φ21 + 1 − y) + y·μ1/(y + (1 − y)·Φ12)",
              "(1 − " + y + ")·" + N(p.viscosity2) + "/(" + y + "·" + N(p.phi21) + " + 1 − " + y + ") + " +
                  y + "·" + N(p.viscosity1) + "/(" + y + " + (1 − " + y + ")·" + N(p.phi12) + ")",
              mu + " сП"}},
            {TrayStep::SchmidtReciprocal,
             {"Величина, обратная критерию Шмидта; " + C("0.1") + " переводит сП и см²/с в единицы СИ",
              C("r = 0.1·ρп·DY/μ"), C("0.1·") + rho + "·" + N(c.diffusivityVapour) + "/" + mu, r}},
            {TrayStep::SchmidtNumber,
             {"Критерий Прандтля (Шмидта) для пара", "Sc = 1/r", "1/" + r, N(t_.Sc)}},
            {TrayStep::LiquidMolarMass,
             {"Средняя мольная масса жидкости", "Mж = (1 − x)·M2 + x·M1",
              "(1 − " + x + ")·" + N(c.m2) + " + " + x + "·" + N(c.m1), Mx + " кг/кмоль"}},
            {TrayStep::LiquidVolumeFlow,
             {"Объёмный расход жидкости", "QL = Mж·L/RO", Mx + "·" + L + "/" + N(p.liquidDensity),
              QL + " м³/с"}},
            {TrayStep::WeirLoad,
             {"Расход жидкости на единицу длины слива", "q = QL/LS", QL + "/" + N(p.weirLength),
              q + " м³/(м·с) = " + N(3600.0 * t_.q, 3) + " м³/(м·ч)"}},
            {TrayStep::ClearLiquidHeight, HeightStep(p)},
            {TrayStep::MixingCoefficient, MixingStep(p)},
            {TrayStep::ResidenceTime,
             {"Время пребывания жидкости на тарелке", "τ = S·h/QL", S + "·" + h + "/" + QL, tau + " с"}},
            {TrayStep::VapourTransferUnits,
             {"Число единиц переноса в паровой фазе", C("NG = (4.6·HP + 0.776 − 0.24·F + 105·q)·√r"),
              C("(4.6·") + N(p.weirHeight) + C(" + 0.776 − 0.24·") + F + " + 105·" + q + ")·" + Root(t_.r),
              NG}},
            {TrayStep::LiquidTransferUnits,
             {"Число единиц переноса в жидкой фазе", C("NL = (0.21·F + 0.15)·203·τ·√DX"),
              C("(0.21·") + F + C(" + 0.15)·203·") + tau + "·" + Root(c.diffusivityLiquid), NL}},
            {TrayStep::OverallTransferUnits,
             {"Общее число единиц переноса по паровой фазе", "NOG = 1/(λ/NL + 1/NG)",
              "1/(" + N(t_.lambda) + "/" + NL + " + 1/" + NG + ")", NOG}},
            {TrayStep::PointEfficiency,
             {"Локальная эффективность", "EOG = 1 − exp(−NOG)", "1 − exp(−" + NOG + ")", EOG}},
            {TrayStep::PecletNumber, PecletStep(p)},
            {TrayStep::MixingRoot,
             {"Подкоренное выражение модели перемешивания", "g = 1 + 4·λ·EOG/Pe",
              "1 + 4·" + N(t_.lambda) + "·" + EOG + "/" + Pe, g}},
            {TrayStep::MixingExponent,
             {"Показатель модели перемешивания", "η = (√g − 1)·Pe/2", "(" + Root(t_.g) + " − 1)·" + Pe + "/2",
              eta}},
            {TrayStep::MixingSum, {"Сумма для эффективности по Мэрфри", "s = Pe + η", Pe + " + " + eta, s}},
            {TrayStep::MurphreeEfficiency, MurphreeStep()},
            {TrayStep::EntrainedEfficiency,
             {"Эффективность по Мэрфри с учётом уноса (поправка Колберна)", "Ea = EMV/(1 + e·EMV)",
              EMV + "/(1 + " + N(p.entrainment) + "·" + EMV + ")", Ea}},
            {TrayStep::VapourLeaving,
             {"Пар, уходящий с тарелки", "yвых = yвх + Ea·(y* − yвх)",
              y + " + " + Ea + "·(" + yStar + " − " + y + ")", N(t_.yOut)}},
        };
    }

    WorkedStep HeightStep(const SectionParams& p) const {
        const std::string HP = N(p.weirHeight), F = N(t_.F), q = N(t_.q), h = N(t_.h) + " м";
        const std::string what = "Высота светлого слоя жидкости";
        if (result_.column.bubbleCap)
            return {what, C("h = 0.19·HP + 0.042 − 0.0135·F + 2.4·q"),
                    C("0.19·") + HP + C(" + 0.042 − 0.0135·") + F + C(" + 2.4·") + q, h};
        return {what, C("h = 0.73·HP + 0.006 − 0.24·F·HP + 1.22·q"),
                C("0.73·") + HP + C(" + 0.006 − 0.24·") + F + "·" + HP + C(" + 1.22·") + q, h};
    }

    WorkedStep MixingStep(const SectionParams& p) const {
        const std::string what = "Коэффициент продольного перемешивания жидкости", DE = N(t_.DE) + " м²/с";
        if (result_.column.bubbleCap)
            return {what, C("DE = (0.017·w + 0.0038 + 3.68·q + 0.18·HP)²"),
                    C("(0.017·") + N(t_.w) + C(" + 0.0038 + 3.68·") + N(t_.q) + C(" + 0.18·") +
                        N(p.weirHeight) + ")²",
                    DE};
        return {what, C("DE = 0.0922·h + 0.00668·w^1.44 − 0.00562"),
                C("0.0922·") + N(t_.h) + C(" + 0.00668·") + N(t_.w) + C("^1.44 − 0.00562"), DE};
    }

    WorkedStep PecletStep(const SectionParams& p) const {
        if (!(t_.DE > 0.0f))
            return {"Критерий Пекле: при DE ≤ 0 перемешивания нет, и программа принимает Pe = 50", "Pe", "",
                    N(t_.Pe)};
        return {"Критерий Пекле продольного перемешивания; путь жидкости принят S/LS", "Pe = (S/LS)²/(τ·DE)",
                "(" + N(p.trayArea) + "/" + N(p.weirLength) + ")²/(" + N(t_.tau) + "·" + N(t_.DE) + ")",
                N(t_.Pe)};
    }

    WorkedStep MurphreeStep() const {
        const std::string e = N(t_.EOG), s = N(t_.s), eta = N(t_.eta);
        const std::string back = "(exp(" + eta + ") − 1)/(" + eta + "·(1 + " + eta + "/" + s + "))";
        if (t_.s > 81.0)
            return {"Эффективность по Мэрфри по паровой фазе; при s > 81 член exp(−s) не меняет результата",
                    "EMV = EOG·[1/(s·(1 + s/η)) + (exp(η) − 1)/(η·(1 + η/s))]",
                    e + "·[1/(" + s + "·(1 + " + s + "/" + eta + ")) + " + back + "]", N(t_.EMV)};
        return {"Эффективность по Мэрфри по паровой фазе",
                "EMV = EOG·[(1 − exp(−s))/(s·(1 + s/η)) + (exp(η) − 1)/(η·(1 + η/s))]",
                e + "·[(1 − exp(−" + s + "))/(" + s + "·(1 + " + s + "/" + eta + ")) + " + back + "]",
                N(t_.EMV)};
    }

    // The hydraulic quantities against their usual windows, in the words of the warnings.
    void Mark(TrayStep step, WorkedStep& worked) const {
        struct Measure {
            HydraulicQuantity quantity;
            double value, scale;
            const char* unit;
        };
        std::optional<Measure> m;
        if (step == TrayStep::FFactor)
            m = Measure{HydraulicQuantity::FFactor, t_.F, 1, ""};
        else if (step == TrayStep::WeirLoad)
            m = Measure{HydraulicQuantity::WeirLoad, t_.q, 3600, " м³/(м·ч)"};
        else if (step == TrayStep::ClearLiquidHeight)
            m = Measure{HydraulicQuantity::ClearLiquidHeight, t_.h, 1000, " мм"};
        else if (step == TrayStep::ResidenceTime)
            m = Measure{HydraulicQuantity::ResidenceTime, t_.tau, 1, " с"};
        if (!m || !std::isfinite(m->value))
            return;
        const HydraulicRange range = UsualRange(m->quantity, result_.column.bubbleCap);
        const std::string window =
            "обычно " + N(m->scale * range.low, 3) + "…" + N(m->scale * range.high, 3) + m->unit;
        if (m->value >= range.low && m->value <= range.high) {
            worked.mark = StepMark::Inside;
            worked.note = "в обычных пределах: " + window;
            return;
        }
        const bool below = m->value < range.low;
        const double bound = below ? range.low : range.high;
        worked.mark = StepMark::Outside;
        worked.note = std::string(below ? "меньше " : "больше ") + N(m->scale * bound, 3) + m->unit + ", " +
                      window + RangeConsequence(m->quantity, below, FarOutside(m->value, bound, below));
    }

    const ProgramState& state_;
    const ColumnResult& result_;
    const TrayRecord& t_;
    char separator_;
    bool stopped_; // the tray on which the calculation stopped
};

// `text` broken into lines of at most `width` characters, the continuation indented by `indent`.
std::vector<std::string> Wrap(const std::string& text, std::size_t width, std::size_t indent) {
    const auto chars = [](std::string_view piece) { return static_cast<double>(CharCount(piece)); };
    std::vector<std::string> lines = BreakLine(
        text, static_cast<double>(width), static_cast<double>(width > indent ? width - indent : 1), chars);
    for (std::size_t i = 1; i < lines.size(); ++i)
        lines[i] = Spaces(indent) + lines[i];
    return lines;
}

void Append(std::vector<std::string>& lines, const std::vector<std::string>& more) {
    lines.insert(lines.end(), more.begin(), more.end());
}

void AddStep(std::vector<std::string>& lines, const WorkedStep& step, int index, std::size_t width) {
    const char* mark = step.mark == StepMark::Outside ? " [вне обычных пределов]"
                       : step.mark == StepMark::Stop  ? " [здесь расчёт остановлен]"
                                                      : "";
    const std::string number = index > 0 ? std::to_string(index) + ". " : "";
    Append(lines, Wrap(number + step.what + mark, width, 4));
    std::string formula = "    " + step.formula;
    if (!step.numbers.empty())
        formula += " = " + step.numbers;
    Append(lines, Wrap(formula + " = " + step.result, width, 8));
    if (!step.note.empty())
        Append(lines, Wrap("    " + step.note, width, 4));
}

} // namespace

std::vector<std::string> BreakLine(const std::string& text, double firstWidth, double restWidth,
                                   const std::function<double(std::string_view)>& measure) {
    std::vector<std::string> lines;
    std::string_view rest = text;
    double width = firstWidth;
    while (!rest.empty() && measure(rest) > width) {
        // Blanks a line may end at, each with how good a place it is: lower is better.
        std::size_t cut = std::string::npos;
        int best = 0, depth = 0;
        for (std::size_t i = 0; i < rest.size(); ++i) {
            const char c = rest[i];
            depth += (c == '(' || c == '[') - (c == ')' || c == ']');
            // Never between an operator and the term it stands before.
            const std::string_view before = rest.substr(0, i);
            if (c != ' ' || i == 0 || before.ends_with("=") || before.ends_with("+") || before.ends_with("−"))
                continue;
            if (measure(before) > width)
                break;
            const std::string_view next = rest.substr(i + 1);
            const bool sign = next.starts_with("+ ") || next.starts_with("− ");
            const int score = next.starts_with("= ") ? 0 : 1 + 2 * depth + (sign ? 0 : 1);
            if (cut == std::string::npos || score <= best) {
                cut = i;
                best = score;
            }
        }
        if (cut == std::string::npos)
            break; // a word longer than the line stays whole
        lines.emplace_back(rest.substr(0, cut));
        rest = rest.substr(cut + 1);
        width = restWidth;
    }
    lines.emplace_back(rest);
    return lines;
}

std::optional<WorkedTray> WorkTray(const ProgramState& state, const ColumnResult& result, int number,
                                   char decimalSeparator) {
    const TrayRecord* tray = result.Tray(number);
    if (tray == nullptr)
        return std::nullopt;
    return TrayWriter(state, result, *tray, decimalSeparator).Write();
}

std::vector<std::string> WorkedTrayLines(const WorkedTray& tray, const ProgramState& state,
                                         const std::string& dateText, std::size_t width) {
    std::vector<std::string> lines;
    const std::string student = TrimBlanks(state.StudentName);
    const std::size_t used = CharCount(student) + CharCount(dateText);
    lines.push_back(student + Spaces(used < width ? width - used : 1) + dateText);
    lines.push_back("RADIRAV-9, расчёт тарелки. Система: " + TrimBlanks(state.SystemName));
    lines.push_back(tray.title);
    Append(lines, Wrap(tray.section, width, 0));
    lines.emplace_back();
    lines.emplace_back("Исходные величины");
    for (const WorkedStep& step : tray.inputs)
        AddStep(lines, step, 0, width);
    for (const std::string& parameter : tray.parameters)
        Append(lines, Wrap("    " + parameter, width, 8));
    if (!tray.steps.empty()) {
        lines.emplace_back();
        lines.emplace_back("Расчёт по модели тарелки");
    }
    int index = 0;
    for (const WorkedStep& step : tray.steps)
        AddStep(lines, step, ++index, width);
    const auto stopped = [](const WorkedStep& step) { return step.mark == StepMark::Stop; };
    const bool stopShown = std::any_of(tray.inputs.begin(), tray.inputs.end(), stopped) ||
                           std::any_of(tray.steps.begin(), tray.steps.end(), stopped);
    if (!tray.stop.empty() && !stopShown) {
        lines.emplace_back();
        Append(lines, Wrap("Расчёт колонны остановлен. " + tray.stop, width, 0));
    }
    return lines;
}

} // namespace radirav
