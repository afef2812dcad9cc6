#include "report/stop_text.h"

#include <cmath>
#include <cstdio>
#include <utility>

namespace radirav {

namespace {

// A quantity to three significant digits, as a student would quote it.
std::string Approx(double value, int digits = 3) {
    char text[32];
    std::snprintf(text, sizeof text, "%.*g", digits, value);
    return text;
}

// Two compositions a tray puts side by side, with as many digits as it takes to tell them apart.
std::pair<std::string, std::string> Distinct(double a, double b) {
    for (int digits = 3; digits < 9; ++digits) {
        if (Approx(a, digits) != Approx(b, digits))
            return {Approx(a, digits), Approx(b, digits)};
    }
    return {Approx(a, 9), Approx(b, 9)};
}

std::string TrayPlace(const StopReason& reason) {
    const char* part =
        reason.section == ColumnSection::Rectifying ? "укрепляющая часть" : "исчерпывающая часть";
    return "Тарелка " + std::to_string(reason.tray) + " (" + part + "): ";
}

bool Rectifying(ColumnSection section) {
    return section == ColumnSection::Rectifying;
}

// The vapour load of the stripping section comes from the reboiler duty, that of the
// rectifying section from the reflux ratio.
std::string LessVapour(ColumnSection section) {
    return Rectifying(section) ? "уменьшите флегмовое число R или увеличьте площадь тарелки SUK"
                               : "уменьшите тепловую нагрузку куба Q или увеличьте площадь тарелки SIS";
}

std::string Suffix(ColumnSection section) {
    return Rectifying(section) ? "UK" : "IS";
}

const char* kEfficiencyAdvice = "Проверьте коэффициенты диффузии DY, DX и размеры тарелок.";

// A Murphree efficiency above 1 comes from a liquid that crosses the tray unmixed while the
// equilibrium line is steep against the operating line (lambda = m V / L). From five times as
// steep on (the program's own mark; a column usually works near 1) it is the volatility that
// drives the efficiency past 1, and the advice says so.
std::string OvershootAdvice(const StopReason& r) {
    if (r.lambda < 5.0)
        return kEfficiencyAdvice;
    return "Равновесная линия здесь в λ = " + Approx(r.lambda) +
           " раза круче рабочей (летучесть α = " + Approx(r.alfa) +
           "): дело в летучести. Проверьте ALFA или равновесные данные у этого состава.";
}

} // namespace

std::string StopReasonText(const StopReason& r) {
    const std::string at = TrayPlace(r);
    const std::string x = Approx(r.value);
    switch (r.cause) {
    case StopCause::None:
        return {};
    case StopCause::NoDistillate:
        return "Поток дистиллята P = 0: питание не богаче кубового остатка (XF <= XW). Увеличьте XF или "
               "уменьшите XW.";
    case StopCause::NoBottoms:
        return "Поток кубового остатка W = 0: питание не беднее дистиллята (XF = XP). Уменьшите XF или "
               "увеличьте XP.";
    case StopCause::NoBoilUp:
        return "Паровое число куба b = Q / (W RW) не положительное число. Проверьте Q и RW.";
    case StopCause::ViscosityRatio:
        return "Отношение молярных масс или вязкостей паров компонентов отрицательно. Проверьте M1, M2 и "
               "вязкости паров частей колонны.";
    case StopCause::BalanceNotFinite:
        return "Материальный баланс колонны не вычисляется (деление на нуль или переполнение). Проверьте F, "
               "XF, XP, XW, RW, Q и R.";
    case StopCause::NoUsableTable:
        return "Равновесная зависимость не задана: нужна таблица от 8 до 20 точек.";
    case StopCause::TableVolatility:
        return at + "летучесть, интерполированная по таблице при x = " + x +
               ", не больше нуля: состав вне таблицы равновесия. Проверьте точки таблицы у этого состава.";
    case StopCause::AntoineExponent:
        return at + "давление насыщенного пара по уравнению Антуана слишком велико (показатель больше 81). "
                    "Проверьте константы A, B, C.";
    case StopCause::AntoineNoPressure:
        return at +
               "давление насыщенного пара второго компонента равно нулю. Проверьте константы A2, B2, C2.";
    case StopCause::AntoineVolatility:
        return at +
               "при температуре кипения летучесть меньше 1: первый компонент не легколетучий. A1, B1, C1 — "
               "константы легколетучего компонента.";
    case StopCause::AntoineNoBubblePoint:
        return at + "температура кипения жидкости x = " + x +
               " не найдена. Проверьте константы Антуана и давление PRES.";
    case StopCause::BubblePointPressure:
        return at + "парциальное давление второго компонента не положительно. Проверьте давление PRES и "
                    "константы Антуана.";
    case StopCause::VapourDensity:
        return at + "плотность или скорость пара отрицательна. Проверьте температуру T" + Suffix(r.section) +
               " и давление PRES.";
    case StopCause::SchmidtNumber:
        return at + "критерий Шмидта пара отрицателен. Проверьте DY и вязкости паров M1" + Suffix(r.section) +
               ", M2" + Suffix(r.section) + ".";
    case StopCause::ClearLiquidHeight:
        return at + "высота светлого слоя жидкости " + x +
               " м меньше нуля: пар сдувает жидкость с тарелки. "
               "Чаще всего помогает: " +
               LessVapour(r.section) + ".";
    case StopCause::VapourTransferUnits:
        return at + "число единиц переноса в паровой фазе " + x +
               " меньше нуля: F-фактор пара велик для перегородки HP" + Suffix(r.section) + ". " +
               "Чаще всего помогает: " + LessVapour(r.section) + ".";
    case StopCause::MixingModel:
        return at + "модель перемешивания жидкости вне своей области (" + x +
               "). Проверьте DX, DY и размеры тарелки LS" + Suffix(r.section) + ", S" + Suffix(r.section) +
               ".";
    case StopCause::NoTransfer:
        return at +
               "тарелка не переносит вещества (КПД равен нулю): жидкости на ней почти нет. Чаще всего "
               "помогает: " +
               LessVapour(r.section) + ".";
    case StopCause::TrayNotFinite:
        return at + "расчёт тарелки даёт не число (деление на нуль или переполнение). Проверьте параметры "
                    "этой части колонны.";
    case StopCause::VapourAboveOne:
        return at + "мольная доля пара " + x + " больше 1 при КПД тарелки " + Approx(r.efficiency) +
               ": такой тарелки не бывает. " + OvershootAdvice(r);
    case StopCause::VapourBelowZero:
        return at + "мольная доля пара " + x + " меньше 0 при КПД тарелки " + Approx(r.efficiency) +
               ": КПД выше 1 перешагнул равновесную кривую. " + OvershootAdvice(r);
    case StopCause::LiquidOutsideRange:
        return at + "мольная доля жидкости " + x +
               " вне 0..1: рабочая линия вышла за диаграмму. Проверьте R, "
               "Q и составы XF, XP, XW.";
    case StopCause::BeyondEquilibrium: {
        if (r.tableEnd)
            return at + "жидкость, стекающая на тарелку (x = " + Approx(r.inletLiquid) +
                   "), богаче последней точки таблицы равновесия (x = " + Approx(*r.tableEnd) +
                   "): за ней летучесть лишь экстраполируется. Добавьте точки до состава дистиллята.";
        const auto [y, yStar] = Distinct(r.value, r.bound);
        const std::string richer = at + "пар (y = " + y +
                                   ") богаче равновесного с жидкостью, стекающей на тарелку (y* = " + yStar +
                                   ")";
        // A tray no better than equilibrium stays below its own y*: the curve itself falls.
        if (r.efficiency <= 1.0)
            return richer + ", хотя КПД тарелки " + Approx(r.efficiency) +
                   " не больше 1: равновесный пар беднеет, когда жидкость богатеет. Дело в летучести: "
                   "проверьте равновесные данные у x = " +
                   Approx(r.inletLiquid) + ".";
        return richer + ", при КПД " + Approx(r.efficiency) + ": такой тарелки не бывает. " +
               OvershootAdvice(r);
    }
    case StopCause::Pinch:
        if (!Rectifying(r.section))
            return "Рабочая линия исчерпывающей части встречает равновесную кривую: тарелки не поднимают пар "
                   "выше y = " +
                   x + ". Паровое число куба b = Q / (W RW) = " + Approx(r.boilUp) + " мало: увеличьте Q.";
        if (r.minReflux && r.reflux < *r.minReflux)
            return "Рабочая линия укрепляющей части касается равновесной кривой при y = " + x +
                   ": флегмовое число R = " + Approx(r.reflux) +
                   " меньше минимального Rmin = " + Approx(*r.minReflux) + ". Увеличьте R.";
        return "Рабочая линия укрепляющей части подходит к равновесной кривой при y = " + x +
               ": флегмовое число R = " + Approx(r.reflux) + " близко к минимальному. Увеличьте R.";
    case StopCause::TraysWorkDry:
        return "Тарелки " + std::string(Rectifying(r.section) ? "укрепляющей" : "исчерпывающей") +
               " части работают почти без жидкости (светлый слой " + x + " м, КПД " + Approx(r.efficiency) +
               " на тарелке 300) и не доводят пар до дистиллята. Чаще всего помогает: " +
               LessVapour(r.section) + ".";
    case StopCause::TooManyTrays: {
        const auto [y, xP] = Distinct(r.value, r.bound);
        if (r.value > r.bound)
            return "Пар доходит до состава дистиллята лишь на тарелке 300 (y = " + y + " при xP = " + xP +
                   "), последней, которую рассчитывает программа. Увеличьте флегмовое число R, чтобы "
                   "колонне хватило меньшего числа тарелок.";
        return "Пар обогащается, но за 300 тарелок доходит лишь до y = " + y +
               " при составе дистиллята xP = " + xP + " (КПД тарелки 300 — " + Approx(r.efficiency) +
               "). Увеличьте флегмовое число R.";
    }
    case StopCause::NoSeparation: {
        const std::string stages =
            r.bound >= 1e6 ? std::string("больше миллиона") : Approx(std::ceil(r.bound), 7);
        return "Относительная летучесть в колонне не больше α = " + Distinct(r.value, 1.0).first +
               ": она почти равна 1. Даже при бесконечном флегмовом числе и тарелках, работающих как "
               "теоретические, число тарелок по уравнению Фенске — " +
               stages +
               ", а программа рассчитывает до 300. Ни флегмовое число, ни нагрузка куба не помогут: такие "
               "компоненты ректификацией не разделяются.";
    }
    }
    return {};
}

namespace {

std::string Trays(const HydraulicWarning& w) {
    const std::string part = Rectifying(w.section) ? " укрепляющей части" : " исчерпывающей части";
    if (w.trayCount == 1)
        return "тарелке " + std::to_string(w.firstTray) + part;
    return "тарелках " + std::to_string(w.firstTray) + "–" + std::to_string(w.lastTray) + part;
}

} // namespace

bool FarOutside(double value, double bound, bool below) {
    return below ? value <= bound / 10.0 : value >= bound * 10.0;
}

std::string RangeConsequence(HydraulicQuantity quantity, bool below, bool far) {
    const char* cannotWork = ", тарелка с таким режимом работать не может.";
    switch (quantity) {
    case HydraulicQuantity::ClearLiquidHeight:
        if (far)
            return std::string(below ? ": жидкости на тарелке почти нет"
                                     : ": такой слой жидкости не удержит ни одна тарелка") +
                   cannotWork;
        return below ? ": тарелки работают почти без жидкости." : ": велико гидравлическое сопротивление.";
    case HydraulicQuantity::FFactor:
        if (far)
            return std::string(below ? ": пара так мало, что жидкость проваливается сквозь тарелку"
                                     : ": пар уносит с тарелки всю жидкость") +
                   cannotWork;
        return below ? ": пар проходит не через всю тарелку, жидкость может проваливаться."
                     : ": велик унос жидкости, тарелки близки к захлёбыванию.";
    case HydraulicQuantity::WeirLoad:
        if (far)
            return std::string(below ? ": жидкости так мало, что она не покрывает тарелку"
                                     : ": такой поток жидкости не пропустит ни один слив") +
                   cannotWork;
        return below ? ": жидкость не покрывает тарелку равномерно." : ": нужна многопоточная тарелка.";
    case HydraulicQuantity::ResidenceTime:
        if (far)
            return std::string(below ? ": жидкость проскакивает тарелку, не встретив пара"
                                     : ": жидкость стоит на тарелке") +
                   cannotWork;
        return below ? ": жидкость не успевает контактировать с паром." : ": жидкость почти застаивается.";
    }
    return {};
}

std::string WarningText(const HydraulicWarning& w) {
    // "falls to 0.8 mm (below 10 mm)" or "reaches 3.3 (above 2.5)".
    auto reach = [&](double value, double bound, const std::string& unit) {
        return std::string(w.below ? " падает до " : " доходит до ") + Approx(value) + unit +
               (w.below ? " (меньше " : " (больше ") + Approx(bound) + unit + ")";
    };
    const std::string on = "На " + Trays(w);
    const std::string consequence =
        RangeConsequence(w.quantity, w.below, FarOutside(w.extreme, w.bound, w.below));
    switch (w.quantity) {
    case HydraulicQuantity::ClearLiquidHeight:
        return on + " светлый слой жидкости" + reach(1000.0 * w.extreme, 1000.0 * w.bound, " мм") +
               consequence;
    case HydraulicQuantity::FFactor:
        return on + " F-фактор пара" + reach(w.extreme, w.bound, "") + consequence;
    case HydraulicQuantity::WeirLoad:
        return on + " нагрузка на слив" + reach(3600.0 * w.extreme, 3600.0 * w.bound, " м3/(м ч)") +
               consequence;
    case HydraulicQuantity::ResidenceTime:
        return on + " время пребывания жидкости" + reach(w.extreme, w.bound, " с") + consequence;
    }
    return {};
}

std::string StopCauseName(StopCause cause) {
    switch (cause) {
    case StopCause::None:
        return {};
    case StopCause::NoDistillate:
        return "нет дистиллята (XF <= XW)";
    case StopCause::NoBottoms:
        return "нет кубового остатка (XF = XP)";
    case StopCause::NoBoilUp:
        return "паровое число куба b <= 0";
    case StopCause::ViscosityRatio:
        return "отношение масс или вязкостей < 0";
    case StopCause::BalanceNotFinite:
        return "баланс не вычисляется";
    case StopCause::NoUsableTable:
        return "нет таблицы равновесия";
    case StopCause::TableVolatility:
        return "состав вне таблицы равновесия";
    case StopCause::AntoineExponent:
    case StopCause::AntoineNoPressure:
    case StopCause::AntoineVolatility:
    case StopCause::AntoineNoBubblePoint:
    case StopCause::BubblePointPressure:
        return "равновесие по Антуану не вычисляется";
    case StopCause::VapourDensity:
        return "скорость или плотность пара < 0";
    case StopCause::SchmidtNumber:
        return "число Шмидта вне области";
    case StopCause::ClearLiquidHeight:
        return "пар сдувает жидкость (h < 0)";
    case StopCause::VapourTransferUnits:
        return "NG < 0: пар вне области корреляции";
    case StopCause::MixingModel:
        return "модель перемешивания вне области";
    case StopCause::NoTransfer:
        return "тарелка без массообмена";
    case StopCause::TrayNotFinite:
        return "тарелка не вычисляется";
    case StopCause::VapourAboveOne:
        return "пар богаче чистого компонента";
    case StopCause::VapourBelowZero:
        return "состав пара < 0";
    case StopCause::LiquidOutsideRange:
        return "состав жидкости вне 0..1";
    case StopCause::BeyondEquilibrium:
        return "пар богаче равновесного";
    case StopCause::NoSeparation:
        return "летучесть почти 1: разделения нет";
    case StopCause::Pinch:
        return "пинч (рабочая линия касается равновесной)";
    case StopCause::TraysWorkDry:
        return "КПД тарелок падает до нуля";
    case StopCause::TooManyTrays:
        return "больше 300 тарелок";
    }
    return {};
}

} // namespace radirav
