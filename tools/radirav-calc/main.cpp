// radirav-calc: the batch companion of the desktop program. Reads a case file, calculates the
// column exactly as the program does and prints the report text or a JSON summary; also the
// reflux study of one case and the summary of a whole class's cases, both as CSV.

#include "calc/reflux_sweep.h"
#include "calc_output.h"
#include "model/case_file.h"
#include "report/report_text.h"
#include "report/stop_text.h"

#include <chrono>
#include <ctime>
#include <iostream>
#include <optional>
#include <string>
#include <vector>

namespace {

constexpr const char* kHelp = R"(Usage: radirav-calc [--json [--profile]] CASEFILE
       radirav-calc --sweep [R=FROM:TO:COUNT] CASEFILE
       radirav-calc --summary CASEFILE...
       radirav-calc --help

Calculates the number of trays of a binary distillation column from a case file and prints the
report of the desktop program RADIRAV-9 (documents separated by a form-feed line), or with
--json one JSON object:
  {"trays": int, "feed": int, "error": null or the message of the results screen,
   "results": 14 rows x 3 numbers (first tray from the bottom, feed tray, top tray),
   "balance": {"P", "W", "xP", "xW", "b", "ys"}}
--profile (implies --json) adds "profile": one object per tray from the bottom,
  {"tray", "section": "stripping" | "rectifying", "x", "y" (vapour leaving), "yStar",
   "Ea" (Murphree efficiency with entrainment), "w" (m/s), "F" (F-factor), "h" (m)}.

--sweep: the reflux study as CSV, the case calculated for COUNT reflux ratios from FROM to TO:
  # minimum reflux Rmin       (the asymptote of the tray count), or the words that no reflux
                              ratio brings the column to the distillate within 300 trays
  R,trays,feed,stop           stop: ok, tray_limit, input_error or antoine_error
  FROM and TO must pass the check of R (0 < R <= 10000). Without R=... the range runs from just
  above the smallest R that reaches the top within 300 trays to five times it, widened to hold
  the case's own R, 200 points.

--summary: one CSV row per case file, for a whole class:
  file,student,system,tray,equilibrium,trays,feed,stop,reason
  equilibrium: alfa, antoine or points; stop: empty, or the message of the results screen, or
  why the file could not be read (the remaining files are still calculated).

Case file: UTF-8 text, one KEY = value per line, # starts a comment, blank lines are ignored;
a value in double quotes is taken literally (NAME = "Иванов #3").
  F XF XP XW RW M1 M2 DY DX PRES R Q          general parameters
  LSUK HPUK SUK TUK ROUK M1UK M2UK EUK        rectifying section
  LSIS HPIS SIS TIS ROIS M1IS M2IS EIS        stripping section
  TRAY = K | S                                bubble-cap (default) or sieve trays
  NAME = text, SYSTEM = text                  student and components, for the report
  and at most one equilibrium:
  ALFA = a                                    constant relative volatility, 1 < a <= 1000000
  ANTOINE = A1 B1 C1 A2 B2 C2                 ideal mixture, ln(Po) = A - B/(C + T), Po mm Hg, T K
  POINT = x y                                 8 to 20 lines of tabulated equilibrium (mole fractions)
Absent keys keep the ethanol-water sample values; without an equilibrium key the sample's 15
points are used. A decimal comma is accepted. Values are checked against the same ranges as on
the program's screens.

Exit status: 0 calculated, 1 the calculation stopped (input error or more than 300 trays; for
--summary: in some file; for --sweep: no reflux reaches the top), 2 bad command line or case
file (for --summary: some file bad, its row says why).
)";

std::string NowAsRussianDate() {
    const std::time_t now = std::chrono::system_clock::to_time_t(std::chrono::system_clock::now());
    std::tm local{};
    localtime_r(&now, &local);
    return radirav::FormatRussianDate(
        {local.tm_year + 1900, local.tm_mon + 1, local.tm_mday, local.tm_hour, local.tm_min, local.tm_sec});
}

enum class Mode { Report, Json, Sweep, Summary };

int Usage(const std::string& what) {
    std::cerr << "radirav-calc: " << what << " (see --help)\n";
    return 2;
}

int RunSweep(radirav::ProgramState& state, const std::optional<radirav::SweepSpec>& spec) {
    const radirav::RefluxStudyPlan plan = radirav::PlanRefluxStudy(state);
    if (!spec && !plan.smallestReaching) {
        std::cerr << "radirav-calc: " << radirav::kNoRefluxReachesText << "; задайте R=FROM:TO:COUNT\n";
        return 1;
    }
    const radirav::RefluxRange range = spec ? radirav::RefluxRange{spec->from, spec->to} : plan.range;
    const int count = spec ? spec->count : radirav::kDefaultRefluxPoints;
    radirav::WriteSweepCsv(radirav::SweepReflux(state, range.from, range.to, count), plan, std::cout);
    return plan.smallestReaching ? 0 : 1;
}

} // namespace

int main(int argc, char** argv) {
    Mode mode = Mode::Report;
    bool profile = false;
    std::optional<radirav::SweepSpec> sweep;
    std::vector<std::string> paths;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--help" || arg == "-h") {
            std::cout << kHelp;
            return 0;
        }
        const bool modeOption = arg == "--json" || arg == "--sweep" || arg == "--summary";
        if (modeOption && mode != Mode::Report && !(arg == "--json" && mode == Mode::Json))
            return Usage("--json, --sweep and --summary do not go together");
        if (arg == "--json") {
            mode = Mode::Json;
        } else if (arg == "--profile") {
            profile = true;
        } else if (arg == "--sweep") {
            mode = Mode::Sweep;
            if (i + 1 < argc && (argv[i + 1][0] == 'R' || argv[i + 1][0] == 'r') && argv[i + 1][1] == '=') {
                sweep = radirav::ParseSweepSpec(argv[++i]);
                if (!sweep)
                    return Usage(std::string("bad reflux range ") + argv[i] + ", expected R=FROM:TO:COUNT");
                if (const std::optional<std::string> fault = radirav::SweepRangeFault(*sweep)) {
                    std::cerr << "radirav-calc: " << argv[i] << ": " << *fault << "\n";
                    return 2;
                }
            }
        } else if (arg == "--summary") {
            mode = Mode::Summary;
        } else if (!arg.empty() && arg[0] == '-') {
            return Usage("unknown option " + arg);
        } else {
            paths.push_back(arg);
        }
    }
    if (profile && mode == Mode::Report)
        mode = Mode::Json;
    if (profile && mode != Mode::Json)
        return Usage("--profile goes with --json");
    if (paths.empty())
        return Usage("no case file given");
    if (mode == Mode::Summary)
        return radirav::WriteSummaryCsv(paths, std::cout);
    if (paths.size() > 1)
        return Usage("one case file at a time");

    radirav::CaseFileResult loaded = radirav::ReadCasePath(paths.front());
    if (loaded.error) {
        std::cerr << "radirav-calc: " << *loaded.error << "\n";
        return 2;
    }
    radirav::ProgramState& state = loaded.state;
    if (mode == Mode::Sweep)
        return RunSweep(state, sweep);
    const radirav::ColumnResult result = radirav::CalculateAndStore(state);
    if (mode == Mode::Json)
        std::cout << radirav::ResultJson(state, result, profile) << "\n";
    else if (result.stop == radirav::CalcStop::None)
        std::cout << radirav::ReportText(state, NowAsRussianDate()) << radirav::WarningLines(result.warnings);
    else
        std::cout << *radirav::StopMessage(result.stop) << "\n"
                  << radirav::StopReasonText(result.reason) << "\n";
    return result.stop == radirav::CalcStop::None ? 0 : 1;
}
