// radirav-calc: the batch companion of the desktop program. Reads a case file, calculates the
// column exactly as the program does and prints the report text or a JSON summary; also the
// study of one input of a case (CSV or JSON) and the summary of a whole class's cases (CSV), and
// writes a class's individual variants around one case.

#include "calc/input_study.h"
#include "calc_output.h"
#include "model/case_file.h"
#include "model/message_text.h"
#include "report/report_text.h"
#include "report/stop_text.h"
#include "study_output.h"
#include "tray_output.h"
#include "variants.h"

#include <charconv>
#include <chrono>
#include <cstdint>
#include <ctime>
#include <iostream>
#include <limits>
#include <optional>
#include <string>
#include <vector>

namespace {

constexpr const char* kHelp = R"(Использование:
  radirav-calc [--json [--profile]] ФАЙЛ.case
  radirav-calc --tray N|feed|top [--json] ФАЙЛ.case
  radirav-calc [--json] --sweep [КОД=FROM:TO:COUNT | TRAY=K,S] ФАЙЛ.case
  radirav-calc --summary ФАЙЛ.case...
  radirav-calc --variants N --seed S --vary КОД=ОТ:ДО[,КОД=ОТ:ДО...]
               [--equilibrium alfa|antoine|points] ФАЙЛ.case ПАПКА
  radirav-calc --help | --version

Рассчитывает число тарелок колонны бинарной ректификации по файлу варианта и печатает
отчёт программы RADIRAV-9 (документы разделены строкой с символом перевода страницы).

--json: один объект JSON:
  {"stop": "ok" | "tray_limit" | "input_error" | "antoine_error",
   "trays": число тарелок, "feed": тарелка питания (null после остановки расчёта),
   "error": null или сообщение окна результатов,
   "rows": 14 строк {"symbol", "label", "unit", "shown" (есть на экране),
            "bottom", "feed", "top"} (пусто после остановки),
   "results": те же 14 строк по 3 числа (нижняя тарелка, тарелка питания, верхняя),
   "balance": {"P", "W", "xP", "xW", "b", "ys"}}
--profile (вместе с --json): "profile" - каждая тарелка снизу вверх:
  {"tray", "section": "stripping" | "rectifying", "x", "y" (уходящий пар), "yStar",
   "EMV" (эффективность по Мэрфри), "Ea" (она же с учётом уноса), "w" (м/с), "F" (F-фактор),
   "h" (м)}.

--tray N: расчёт одной тарелки по шагам - от летучести до пара, уходящего с тарелки, каждый
  шаг формулой, формулой с числами и результатом; N - номер снизу, feed - тарелка питания,
  top - верхняя. С --json: {"tray": {"number", "section" ("stripping" | "rectifying"), "x",
  "y_in", "y_out", "y_star", "alpha", "T", "V", "L", "k", "lambda", "rho_v", "w", "F", "mu_v", "r",
  "Sc", "QL", "q", "h", "DE", "tau", "NG", "NL", "NOG", "EOG", "Pe", "g", "eta", "s", "EMV",
  "Ea"}, "stopped_at", "stop", "error", "reason"}. Если расчёт остановился на этой тарелке,
  тарелка рассчитана до шага, на котором он остановился ("stopped_at"; дальше null).

--sweep: исследование одного параметра варианта, CSV. Вариант считается при COUNT значениях
  КОДА, поровну от FROM до TO (десятичная точка); оба конца проходят те же проверки, что в
  файле варианта, иначе код выхода 2. КОД - код параметра (F, XF, ... EIS, см. ниже) или ALFA
  (только при постоянной летучести); TRAY=K,S - колпачковые и ситчатые тарелки.
  Строки "#": что исследуется; где колонна работает (все участки, найденные перебором); для R
  ещё минимальное флегмовое число (асимптота числа тарелок), оптимальное (наименьшее
  N·(R + 1), пропорциональное объёму колонны) и насколько от него R варианта. Затем
  КОД,trays,feed,Ea_feed,warnings,stop    (для R ещё N*(R+1))
  Ea_feed - эффективность по Мэрфри с учётом уноса на тарелке питания, warnings - число
  замечаний, stop: ok, tray_limit, input_error или antoine_error; у остановившегося расчёта
  trays, feed, Ea_feed и warnings пусты.
  Без КОДА исследуется R: флегмовое число перебирается во всём диапазоне проверки
  (0 < R <= 10000), строки идут от наименьшего R, при котором колонна доходит до дистиллята,
  до пятикратного (или до конца рабочего окна, если оно уже), захватывая R варианта, 200 точек.
--json вместе с --sweep: один объект JSON {"input", "label", "student_value",
  "rows": [{"value", "trays", "feed", "Ea_feed", "warnings", "stop"}, ...],
  "working": [[от, до], ...] (для TRAY - типы тарелок, с которыми колонна работает),
  для R ещё "N_R_plus_1" в строках, "minimum_reflux" и
  "optimum": {"R", "trays", "N_R_plus_1", "ratio_to_minimum"}}.

--summary: по строке CSV на каждый файл варианта, для всей группы:
  file,student,system,tray,equilibrium,trays,feed,stop,message,reason
  equilibrium: alfa, antoine или points; stop: ok, tray_limit, input_error, antoine_error
  или file_error; trays и feed пусты, если расчёт остановился; message - сообщение окна
  результатов или почему файл не прочитан (остальные файлы всё равно считаются); reason -
  почему расчёт остановился.

--variants: N индивидуальных заданий вокруг ФАЙЛ.case в ПАПКУ (variant-01.case, ...).
  --vary КОД=ОТ:ДО перечисляет через запятую параметры (коды ниже или ALFA), которые
  выбираются случайно в пределах ОТ..ДО (десятичная точка); --seed S (целое число) задаёт
  выбор: тот же S даёт те же файлы. --equilibrium задаёт равновесие вариантов (по умолчанию
  равновесие файла). В NAME оставлено место для фамилии студента. Каждый вариант
  рассчитывается и остаётся, только если расчёт доходит до верха колонны; повторы
  отбрасываются. ПАПКА должна быть новой или без файлов .case. Лист ответов:
  radirav-calc --summary ПАПКА/*.case

Файл варианта: текст UTF-8 (или русский текст в Windows-1251), не больше 1 МиБ, по строке
КЛЮЧ = значение, # начинает комментарий, пустые строки пропускаются, строки кончаются LF,
CR LF или CR; значение в двойных кавычках берётся буквально (NAME = "Иванов #3"); число -
всё значение целиком (F = 6 7 не принимается).
  F XF XP XW RW M1 M2 DY DX PRES R Q          общие параметры
  LSUK HPUK SUK TUK ROUK M1UK M2UK EUK        укрепляющая часть
  LSIS HPIS SIS TIS ROIS M1IS M2IS EIS        исчерпывающая часть
  TRAY = K | S                                колпачковые (по умолчанию) или ситчатые тарелки
  NAME = текст, SYSTEM = текст                студент и компоненты, для отчёта
  и не больше одного равновесия:
  ALFA = a                                    постоянная относительная летучесть, 1 < a <= 1000000
  ANTOINE = A1 B1 C1 A2 B2 C2                 идеальная смесь, ln(Po) = A - B/(C + T), Po мм рт. ст., T К
  POINT = x y                                 от 8 до 20 строк равновесных точек (мольные доли)
Отсутствующие ключи сохраняют значения примера (этанол-вода); без ключа равновесия берутся
15 точек примера. Десятичная запятая допускается. Значения проверяются по тем же
диапазонам, что и на экранах программы.

Код выхода: 0 рассчитано; 1 расчёт остановился (ошибка в исходных данных или больше 300
тарелок; для --tray - и тарелки с таким номером в колонне нет; для --summary - в каком-либо
файле; для --sweep - ни одна строка не рассчитана;
для --variants - не набралось N вариантов); 2 ошибка в командной строке или в файле
варианта (для --summary - в каком-либо файле, его строка говорит, почему).
)";

std::string NowAsRussianDate() {
    const std::time_t now = std::chrono::system_clock::to_time_t(std::chrono::system_clock::now());
    std::tm local{};
    localtime_r(&now, &local);
    return radirav::FormatRussianDate(
        {local.tm_year + 1900, local.tm_mon + 1, local.tm_mday, local.tm_hour, local.tm_min, local.tm_sec});
}

enum class Mode { Report, Sweep, Summary, Variants, Tray };

int Usage(const std::string& what) {
    std::cerr << "radirav-calc: " << what << " (см. --help)\n";
    return 2;
}

// A whole number from `low` to `high` written in plain digits, or none.
std::optional<std::uint64_t> WholeNumber(const std::string& text, std::uint64_t low, std::uint64_t high) {
    std::uint64_t value = 0;
    const auto [end, fault] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (fault != std::errc() || end != text.data() + text.size() || value < low || value > high)
        return std::nullopt;
    return value;
}

int RunVariants(const radirav::ProgramState& base, const radirav::VariantsOrder& order,
                const std::string& folder) {
    const radirav::VariantsResult made = radirav::MakeVariants(base, order);
    if (made.error) {
        std::cerr << "radirav-calc: " << *made.error << "\n";
        return made.tooFew ? 1 : 2; // too few columns build, or the request itself is refused
    }
    if (const auto error = radirav::WriteVariants(made.variants, folder)) {
        std::cerr << "radirav-calc: " << *error << "\n";
        return 2;
    }
    std::cout << "Записано вариантов: " << made.variants.size() << " в папку "
              << radirav::QuoteForMessage(folder) << " (отброшено кандидатов: " << made.rejected
              << "). Лист ответов: radirav-calc --summary " << radirav::EscapeForMessage(folder)
              << "/*.case\n";
    return 0;
}

int RunSweep(const radirav::ProgramState& state, const std::optional<radirav::StudiedRange>& range,
             const std::string& rangeText, bool json) {
    if (range) {
        if (const std::optional<std::string> fault = radirav::StudyRequestFault(state, *range)) {
            std::cerr << "radirav-calc: " << radirav::EscapeForMessage(rangeText) << ": " << *fault << "\n";
            return 2;
        }
    }
    const radirav::InputStudy study = range ? radirav::StudyInput(state, range->input, range->values)
                                            : radirav::DefaultStudy(state, radirav::kStudiedReflux);
    if (json)
        std::cout << radirav::StudyJson(state, study) << "\n";
    else
        radirav::WriteStudyCsv(state, study, std::cout);
    return radirav::StudyExitStatus(study);
}

} // namespace

int main(int argc, char** argv) {
    Mode mode = Mode::Report;
    bool json = false;
    bool profile = false;
    std::optional<radirav::TrayRequest> tray;
    std::optional<radirav::StudiedRange> sweep;
    std::string sweepText;
    radirav::VariantsOrder variants;
    bool seedGiven = false;
    std::vector<std::string> paths;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--help" || arg == "-h") {
            std::cout << kHelp;
            return 0;
        }
        if (arg == "--version") {
            std::cout << "radirav-calc " RADIRAV_VERSION "\n";
            return 0;
        }
        const bool modeOption =
            arg == "--sweep" || arg == "--summary" || arg == "--variants" || arg == "--tray";
        if (modeOption && mode != Mode::Report)
            return Usage("--sweep, --summary, --variants и --tray не сочетаются");
        const bool takesValue = arg == "--variants" || arg == "--seed" || arg == "--vary" ||
                                arg == "--equilibrium" || arg == "--tray";
        if (takesValue && i + 1 == argc)
            return Usage("после " + arg + " нужно значение");
        if (arg == "--json") {
            json = true;
        } else if (arg == "--tray") {
            mode = Mode::Tray;
            tray = radirav::ParseTrayRequest(argv[++i]);
            if (!tray)
                return Usage("--tray " + radirav::QuoteForMessage(argv[i]) +
                             ": нужен номер тарелки от 1 до 300, feed или top");
        } else if (arg == "--profile") {
            profile = true;
        } else if (arg == "--sweep") {
            mode = Mode::Sweep;
            if (i + 1 < argc && std::string(argv[i + 1]).find('=') != std::string::npos) {
                sweepText = argv[++i];
                radirav::StudyRequest request = radirav::ParseStudyRequest(sweepText);
                if (request.error)
                    return Usage(*request.error);
                sweep = std::move(request.range);
            }
        } else if (arg == "--summary") {
            mode = Mode::Summary;
        } else if (arg == "--variants") {
            mode = Mode::Variants;
            const auto count = WholeNumber(argv[++i], 1, 1000);
            if (!count)
                return Usage("--variants " + radirav::QuoteForMessage(argv[i]) +
                             ": нужно целое число от 1 до 1000");
            variants.count = static_cast<int>(*count);
        } else if (arg == "--seed") {
            const auto seed = WholeNumber(argv[++i], 0, std::numeric_limits<std::uint64_t>::max());
            if (!seed)
                return Usage("--seed " + radirav::QuoteForMessage(argv[i]) +
                             ": нужно целое неотрицательное число");
            variants.seed = *seed;
            seedGiven = true;
        } else if (arg == "--vary") {
            radirav::VaryList list = radirav::ParseVaryList(argv[++i]);
            if (list.error)
                return Usage(*list.error);
            variants.ranges = std::move(list.ranges);
        } else if (arg == "--equilibrium") {
            variants.equilibrium = radirav::ParseEquilibriumSource(argv[++i]);
            if (!variants.equilibrium)
                return Usage("--equilibrium " + radirav::QuoteForMessage(argv[i]) +
                             ": нужно alfa, antoine или points");
        } else if (!arg.empty() && arg[0] == '-') {
            return Usage("неизвестный параметр " + radirav::QuoteForMessage(arg));
        } else {
            paths.push_back(arg);
        }
    }
    if (profile && mode == Mode::Report)
        json = true; // --profile alone asks for the JSON of one case
    if (profile && mode != Mode::Report)
        return Usage("--profile - только вместе с --json");
    if (json && mode != Mode::Report && mode != Mode::Sweep && mode != Mode::Tray)
        return Usage("--json - только с расчётом одного варианта, с --sweep или с --tray");
    const bool variantOptions = seedGiven || !variants.ranges.empty() || variants.equilibrium;
    if (variantOptions && mode != Mode::Variants)
        return Usage("--seed, --vary и --equilibrium - только вместе с --variants");
    if (paths.empty())
        return Usage("не указан файл варианта");
    if (mode == Mode::Summary)
        return radirav::WriteSummaryCsv(paths, std::cout);
    if (mode == Mode::Variants && (paths.size() != 2 || !seedGiven || variants.ranges.empty()))
        return Usage("--variants N --seed S --vary КОД=ОТ:ДО[,...] ФАЙЛ.case ПАПКА");
    if (mode != Mode::Variants && paths.size() > 1)
        return Usage("файл варианта должен быть один (для многих файлов: --summary)");

    radirav::CaseFileResult loaded = radirav::ReadCaseFromPath(paths.front());
    if (loaded.error) {
        std::cerr << "radirav-calc: " << *loaded.error << "\n";
        return 2;
    }
    if (loaded.encodingNote)
        std::cerr << "radirav-calc: " << *loaded.encodingNote << "\n";
    radirav::ProgramState& state = loaded.state;
    if (mode == Mode::Variants)
        return RunVariants(state, variants, paths.back());
    if (mode == Mode::Sweep)
        return RunSweep(state, sweep, sweepText, json);
    const radirav::ColumnResult result = radirav::CalculateAndStore(state);
    if (mode == Mode::Tray) {
        const radirav::TrayAnswer answer =
            radirav::AnswerTrayRequest(state, result, *tray, json, NowAsRussianDate());
        std::cout << answer.text;
        return answer.status;
    }
    if (json)
        std::cout << radirav::ResultJson(state, result, profile) << "\n";
    else if (result.stop == radirav::CalcStop::None)
        std::cout << radirav::ReportText(state, NowAsRussianDate(), result.warnings);
    else
        std::cout << *radirav::StopText(result.stop) << "\n"
                  << radirav::StopReasonText(result.reason) << "\n";
    return result.stop == radirav::CalcStop::None ? 0 : 1;
}
