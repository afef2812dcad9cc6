#pragma once

#include "model/table1.h"

#include <cstdint>
#include <optional>
#include <string>

namespace radirav {

// Parameter numbers of the parameter table (1-based, as the screens number them).
namespace param {
inline constexpr int kF = 1, kXF = 2, kXP = 3, kXW = 4, kRW = 5, kM1 = 6, kM2 = 7, kDY = 8, kDX = 9,
                     kPRES = 10, kR = 11, kQ = 12;
inline constexpr int kFirstGeneral = 1, kFirstRectifying = 13, kFirstStripping = 21;
inline constexpr int kGeneralCount = 12, kSectionCount = 8, kCount = 28;
// Offsets of a section parameter from its section's first parameter.
inline constexpr int kLS = 0, kHP = 1, kS = 2, kT = 3, kRO = 4, kMu1 = 5, kMu2 = 6, kE = 7;
} // namespace param

inline constexpr int kMinEqPoints = 8; // a tabulated equilibrium has 8 to 20 points
inline constexpr int kMaxEqPoints = 20;
inline constexpr int kEqSlots =
    kMaxEqPoints + 1; // the slot after the last point may be read as its neighbour
inline constexpr int kResultRows = 14;
inline constexpr int kResultColumns = 3; // first tray from the bottom, feed tray, top tray
inline constexpr int kMaxTrays = 300;

// Equilibrium kinds besides the point count of a tabulated equilibrium.
inline constexpr int kKindConstantAlfa = 1;
inline constexpr int kKindAntoine = 3;

struct InputParam {
    std::string Label; // Russian name and unit, padded to 47 or 48 characters
    std::string Code;  // four characters, right-aligned ("  XF", "LSUK")
    float Value = 0.0f;
};

struct TrayResultTable {
    Table1<Table1<float, kResultColumns>, kResultRows> cells;
    float& operator()(int row, int column) { return cells[row][column]; }
    float operator()(int row, int column) const { return cells[row][column]; }
    bool operator==(const TrayResultTable&) const = default;
};

// Everything the program knows: input, choices, results. Owned by whoever runs the program
// (main or a test) and passed by reference; names follow the program's own vocabulary.
struct ProgramState {
    // Input parameters; invariant after every entry: InputParams[i].Value == Val(InputValueTexts[i]).
    Table1<InputParam, param::kCount> InputParams;
    Table1<std::string, param::kCount> InputValueTexts;
    Table1<std::string, kResultRows> ResultLabels;

    Table1<std::string, 6> AntoineNames;
    Table1<std::string, 6> AntoineTexts;
    Table1<float, 6> AntoineValues; // A1, B1, C1 of the more volatile component, then A2, B2, C2

    // Tabulated equilibrium: liquid and vapour mole fractions of the more volatile component.
    Table1<std::string, kEqSlots> EqXText, EqYText, EqAlfaText;
    Table1<float, kEqSlots> EqX, EqY, EqAlfa;
    int EqPointCount = 0;
    std::string EntryText;

    // 1 constant ALFA, 3 Antoine constants, otherwise the number of tabulated points; unset until chosen.
    std::optional<int> EquilibriumKind;
    bool ConstantVolatility = false;
    std::string AlfaText;
    std::optional<double> Alfa;
    bool AlfaEntered = false;
    std::string TrayType; // "K" bubble-cap, "S" sieve; empty until chosen

    std::string StudentName;
    std::string SystemName;
    // The input came from a case file: the start keeps it in place of the sample and goes
    // from the names straight to its results.
    bool CaseLoaded = false;

    bool InputError = false;
    std::uint8_t ErrorIndex = 0;

    bool ChangeGeneralMode = false, ChangeRectifyingMode = false, ChangeStrippingMode = false;
    bool AntoineMode = false, TableMode = false, PointsEntered = false, AntoineEntered = false;

    // Results of the last calculation.
    TrayResultTable TrayResults;
    int RequiredTrays = 0;
    int FeedTray = 0;
    float TrayTemperature = 0.0f; // degrees Celsius
};

} // namespace radirav
