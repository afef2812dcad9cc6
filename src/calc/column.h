#pragma once

#include "calc/calc_stop.h"
#include "calc/hydraulics.h"
#include "calc/tray_model.h"
#include "calc/tray_record.h"
#include "model/program_state.h"

#include <optional>
#include <vector>

namespace radirav {

// Material balance of the column: flows in kmol/s, compositions as mole fractions.
struct MaterialBalance {
    float P = 0;  // distillate flow
    float W = 0;  // bottoms flow
    float xP = 0; // distillate composition
    float xW = 0; // bottoms composition
    float b = 0;  // boil-up ratio, vapour from the reboiler per mole of bottoms
    float ys = 0; // vapour composition where the two operating lines meet
};

// One section as its trays used it: the tray model's parameters and the operating line that
// gives the liquid on a tray from the vapour entering it, x = k1 y + k0.
struct SectionSetup {
    SectionParams params;
    float k1 = 0, k0 = 0;
};

// Everything one calculation finds. On a stop the tray table and counts hold what they held
// at that moment, `trays` ends with the last whole tray, and a stop on a tray leaves that tray
// as far as it was calculated in `stoppedTray`, naming the step that stopped it.
struct ColumnResult {
    CalcStop stop = CalcStop::None;
    StopReason reason;
    MaterialBalance balance;
    int requiredTrays = 0; // 300 at the tray limit
    int feedTray = 0;      // 0 when no tray qualified
    TrayResultTable trayResults;
    float trayTemperature = 0;      // of the last tray, deg C
    std::optional<double> lastAlfa; // volatility of the last tray (Antoine and tabulated kinds)
    std::vector<TrayRecord> trays;
    std::optional<TrayRecord> stoppedTray;
    ColumnConstants column;
    SectionSetup stripping, rectifying;     // the rectifying section once the feed tray is found
    std::vector<HydraulicWarning> warnings; // after a normal end only

    const SectionSetup& Section(ColumnSection section) const {
        return section == ColumnSection::Rectifying ? rectifying : stripping;
    }
    // Tray `number` as calculated, whole or up to its stop; none when the column never got there.
    const TrayRecord* Tray(int number) const;
    // Whether the column calculated `step` of `tray` (one of its own): every step of a whole tray,
    // the steps up to the one that stopped it of the tray a stop names.
    bool Reached(const TrayRecord& tray, TrayStep step) const {
        return !stoppedTray || &tray != &*stoppedTray || step <= tray.stoppedAt;
    }
};

struct ColumnOptions {
    std::optional<float> reflux; // in place of the input's R (the reflux study)
    // Look up the minimum reflux when the trays stall in the rectifying section. The reflux
    // study, which knows it already, leaves it out.
    bool explainTrayLimit = true;
};

// Steps up the column from the bottom, tray by tray, until the vapour is richer than the
// distillate or 300 trays are calculated. Reads the input of `state` only. No tray may leave a
// mole fraction outside 0..1 or send up a vapour richer than the equilibrium with the liquid
// that flows onto it: such a column stops with the input-data error and says why.
ColumnResult CalculateColumn(const ProgramState& state, const ColumnOptions& options = {});

// Stores what the program keeps of a calculation: TrayResults, RequiredTrays, FeedTray,
// InputError (set by every stop, the tray limit included), TrayTemperature and, for the Antoine
// and tabulated kinds, Alfa of the last tray.
void StoreColumnResult(const ColumnResult& result, ProgramState& state);

// CalculateColumn, then StoreColumnResult.
ColumnResult CalculateAndStore(ProgramState& state);

} // namespace radirav
