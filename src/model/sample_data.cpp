#include "model/sample_data.h"

#include "model/checks.h"
#include "model/param_codes.h"
#include "model/val.h"

#include <array>

namespace radirav {

namespace {

struct ParamRow {
    const char* label;
    const char* sample;
};

// Labels are stored with their trailing blanks: the lists and the report align on them.
constexpr std::array<ParamRow, 20> kParamRows{{
    {"РАСХОД ИСХОДНОЙ СМЕСИ, КГ/С                     ", "2.78"},
    {"МАСС. ДОЛЯ БОЛЕЕ ЛЕТ. КОМП. В ИСХОДНОЙ СМЕСИ    ", "0.08"},
    {"МАССОВАЯ ДОЛЯ БОЛЕЕ ЛЕТУЧЕГО КОМП. В ДИСТИЛЛАТЕ ", "0.95"},
    {"МАСС.ДОЛЯ БОЛЕЕ ЛЕТУЧ. КОМП. В КУБОВОМ ОСТАТКЕ  ", "0.0006"},
    {"ТЕПЛОТА ИСПАРЕНИЯ КУБОВОГО ОСТАТКА, КДЖ/КГ      ", "2257.67"},
    {"МОЛЕКУЛЯРНАЯ МАССА БОЛЕЕ ЛЕТУЧ. КОМПОНЕНТА      ", "46"},
    {"МОЛЕКУЛЯРНАЯ МАССА МЕНЕЕ ЛЕТУЧ. КОМПОНЕНТА      ", "18"},
    {"КОЭФФИЦИЕНТ ДИФФУЗИИ В ПАРОВОЙ ФАЗЕ, СМ^2/С     ", "0.187"},
    {"КОЭФФИЦИЕНТ ДИФФУЗИИ В ЖИДКОЙ ФАЗЕ, СМ^2/С      ", "0.0000263"},
    {"ДАВЛЕНИЕ В КОЛОННЕ, ММ. РТ. СТ.                ", "760"},
    {"ФЛЕГМОВОЕ ЧИСЛО                                 ", "5.25"},
    {"ТЕПЛОВАЯ НАГРУЗКА КИПЯТИЛЬНИКА, КВТ             ", "1386.3"},
    {"ДЛИНА ПЕРЕЛИВА, М                              ", "0.683"},
    {"ВЫСОТА ПЕРЕЛИВА, М                             ", "0.04"},
    {"РАБОЧАЯ ПЛОЩАДЬ ТАРЕЛКИ, М^2                   ", "0.6589"},
    {"СРЕДНЯЯ ТЕМПЕРАТУРА, ГР. ЦЕЛЬСИЯ               ", "96.33"},
    {"ПЛОТНОСТЬ ЖИДКОСТИ, КГ/М^3                     ", "960.7"},
    {"ВЯЗКОСТЬ БОЛЕЕ ЛЕТ. КОМП. В ГАЗ. СОСТ., СП     ", "0.011"},
    {"ВЯЗКОСТЬ МЕНЕЕ ЛЕТ. КОМП. В ГАЗ. СОСТ., СП     ", "0.0121"},
    {"УНОС В КМОЛЯХ НА КМОЛЬ ЖИДКОСТИ                ", "0.21"},
}};

// The stripping section's samples; its labels are copies of the rectifying section's.
constexpr std::array<const char*, param::kSectionCount> kStrippingSamples{
    "0.592", "0.04", "0.3602", "81.9", "796.676", "0.01057", "0.0115", "0.0432"};

// Label 6 carries the Latin letters "MG/L".
constexpr std::array<const char*, kResultRows> kResultLabels{
    "СКОРОСТЬ ПАРА М/С                     ",   "ЭФ-ФАКТОР КГ^1/2 М^-1/2 С^-1          ",
    "РАСХОД ЖИДК. НА ЕД. ДЛ. ПЕРЕЛИВА М^3/М",   "ВЫСОТА СВЕТЛОГО СЛОЯ ЖИДКОСТИ М       ",
    "ВРЕМЯ ПРЕБЫВАНИЯ ЖИДКОСТИ НА ТАРЕЛКЕ, С ", "ФАКТОР МАССОПЕРЕДАЧИ   MG/L            ",
    "КРИТЕРИЙ ПЕКЛЕ (ПРОД. ПЕРЕМ. В ЖИДК.)  ",  "КРИТЕРИЙ ПРАНДТЛЯ (ШМИДТА) ДЛЯ ПАРА    ",
    "ЧИСЛО ЕДИНИЦ ПЕРЕНОСА ДЛЯ ЖИДК. ФАЗЫ   ",  "ЧИСЛО ЕДИНИЦ ПЕРЕНОСА ДЛЯ ПАРА         ",
    "ОБЩЕЕ ЧИСЛО ЕД. ПЕРЕНОСА ПО ПАР. ФАЗЕ  ",  "ЛОКАЛЬНАЯ ЭФФЕКТИВНОСТЬ                ",
    "ЭФФЕКТИВНОСТЬ ПО МЭРФРИ ПО ПАР. ФАЗЕ   ",  "ЭФФЕКТИВН. ПО МЭРФРИ С УЧЕТОМ УНОСА    ",
};

constexpr std::array<const char*, 6> kAntoineSample{"23", "1200", "-120", "12", "1100", "-145"};

// Twenty point slots: the first 15 are the ethanol-water table in use; the rest are left-overs
// beyond the point count that only a later increase of the count would bring into view.
constexpr std::array<const char*, kMaxEqPoints> kSampleEqX{
    "0.019",  "0.0721", "0.0966", "0.1238", "0.1661", "0.2337", "0.2608", "0.3273", "0.3965", "0.5079",
    "0.5198", "0.5732", "0.6763", "0.7472", "0.8943", "0.917",  "0.97",   "0.99",   "0.963",  "0.99"};
constexpr std::array<const char*, kMaxEqPoints> kSampleEqY{
    "0.17",   "0.3891", "0.4375", "0.4704", "0.5089", "0.5445", "0.558", "0.5826", "0.6122", "0.6564",
    "0.6599", "0.6841", "0.7385", "0.7815", "0.8943", "0.906",  "0.986", "0.997",  "0.98",   "0.99"};
constexpr int kSamplePointCount = 15;

} // namespace

void LoadSampleData(ProgramState& state) {
    for (int i = 1; i <= kResultRows; ++i)
        state.ResultLabels[i] = kResultLabels[i - 1];

    for (int i = 1; i <= 20; ++i) {
        state.InputParams[i].Label = kParamRows[i - 1].label;
        state.InputValueTexts[i] = kParamRows[i - 1].sample;
    }
    for (int k = 0; k < param::kSectionCount; ++k) {
        InputParam& row = state.InputParams[param::kFirstStripping + k];
        row.Label = state.InputParams[param::kFirstRectifying + k].Label;
        state.InputValueTexts[param::kFirstStripping + k] = kStrippingSamples[k];
    }
    for (int i = 1; i <= param::kCount; ++i)
        state.InputParams[i].Code = kParamCodes[static_cast<std::size_t>(i - 1)];

    for (int i = 1; i <= 6; ++i)
        state.AntoineNames[i] = kAntoineNames[static_cast<std::size_t>(i - 1)];

    state.StudentName = " Петров П.П.";
    state.SystemName = "Этанол-Вода";

    state.EqPointCount = kSamplePointCount;
    for (int i = 1; i <= kMaxEqPoints; ++i) {
        state.EqXText[i] = kSampleEqX[i - 1];
        state.EqYText[i] = kSampleEqY[i - 1];
    }
    state.EqXText[kEqSlots].clear();
    state.EqYText[kEqSlots].clear();

    for (int i = 1; i <= param::kCount; ++i)
        state.InputParams[i].Value = ToSingle(Val(state.InputValueTexts[i]));
    for (int i = 1; i <= state.EqPointCount; ++i) {
        state.EqX[i] = ToSingle(Val(state.EqXText[i]));
        state.EqY[i] = ToSingle(Val(state.EqYText[i]));
    }

    for (int i = 1; i <= 6; ++i) {
        state.AntoineTexts[i] = kAntoineSample[i - 1];
        state.AntoineValues[i] = ToSingle(Val(state.AntoineTexts[i]));
    }
}

void UseSampleTabulatedEquilibrium(ProgramState& state) {
    SortPointsAndComputeAlfa(state);
    RereadPointTexts(state);
    state.EquilibriumKind = state.EqPointCount;
    state.ConstantVolatility = false;
    state.TableMode = true;
    state.TrayType = "K";
}

} // namespace radirav
