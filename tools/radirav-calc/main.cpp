// radirav-calc: the batch companion of the desktop program. Reads a case file, calculates the
// column exactly as the program does and prints the report text or a JSON summary.

#include "calc_output.h"
#include "model/case_file.h"
#include "report/report_text.h"

#include <chrono>
#include <ctime>
#include <fstream>
#include <iostream>
#include <string>

namespace {

constexpr const char* kHelp = R"(Usage: radirav-calc [--json] CASEFILE
       radirav-calc --help

Calculates the number of trays of a binary distillation column from a case file and prints the
report of the desktop program RADIRAV-9 (documents separated by a form-feed line), or with
--json one JSON object:
  {"trays": int, "feed": int, "error": null or the message of the results screen,
   "results": 14 rows x 3 numbers (first tray from the bottom, feed tray, top tray),
   "balance": {"P", "W", "xP", "xW", "b", "ys"}}

Case file: UTF-8 text, one KEY = value per line, # starts a comment, blank lines are ignored.
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

Exit status: 0 calculated, 1 the calculation stopped (input error or more than 300 trays),
2 bad command line or case file.
)";

std::string NowAsRussianDate() {
    const std::time_t now = std::chrono::system_clock::to_time_t(std::chrono::system_clock::now());
    std::tm local{};
    localtime_r(&now, &local);
    return radirav::FormatRussianDate(
        {local.tm_year + 1900, local.tm_mon + 1, local.tm_mday, local.tm_hour, local.tm_min, local.tm_sec});
}

} // namespace

int main(int argc, char** argv) {
    bool json = false;
    std::string path;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--help" || arg == "-h") {
            std::cout << kHelp;
            return 0;
        }
        if (arg == "--json") {
            json = true;
        } else if (!arg.empty() && arg[0] == '-') {
            std::cerr << "radirav-calc: unknown option " << arg << " (see --help)\n";
            return 2;
        } else if (path.empty()) {
            path = arg;
        } else {
            std::cerr << "radirav-calc: one case file at a time (see --help)\n";
            return 2;
        }
    }
    if (path.empty()) {
        std::cerr << "radirav-calc: no case file given (see --help)\n";
        return 2;
    }
    std::ifstream in(path);
    if (!in) {
        std::cerr << "radirav-calc: " << path << ": cannot be read\n";
        return 2;
    }
    radirav::CaseFileResult loaded = radirav::ReadCaseFile(in, path);
    if (loaded.error) {
        std::cerr << "radirav-calc: " << *loaded.error << "\n";
        return 2;
    }
    radirav::ProgramState& state = loaded.state;
    const radirav::ColumnResult result = radirav::CalculateColumn(state);
    if (json)
        std::cout << radirav::ResultJson(state, result) << "\n";
    else if (result.stop == radirav::CalcStop::None)
        std::cout << radirav::ReportText(state, NowAsRussianDate());
    else
        std::cout << *radirav::StopMessage(result.stop) << "\n";
    return result.stop == radirav::CalcStop::None ? 0 : 1;
}
