#pragma once

#include "model/program_state.h"

#include <cstddef>
#include <istream>
#include <optional>
#include <string>

namespace radirav {

// A case file describes one column in "KEY = value" lines: the 28 parameter codes, TRAY,
// NAME, SYSTEM and one equilibrium (ALFA, ANTOINE or 8 to 20 POINT lines). Absent keys keep
// the ethanol-water sample values; values pass the same normalisation and checks as typed ones.
// `#` starts a comment; a value in double quotes is taken literally up to the last quote of
// its line, comment signs and outer blanks included. A number is the whole value: "F = 6 7" is
// refused, not read as 67. Names hold no control characters. The text is UTF-8 (a byte-order
// mark is skipped), or Russian text in Windows-1251, which is read as such with a note. CR, LF
// and CR LF all end a line, so files of every editor read alike.
struct CaseFileResult {
    ProgramState state;
    std::optional<std::string> error; // one line in Russian: "FILE:LINE: KEY: what is wrong"
    // The first value kept outside its range, in the same form (KeepOutOfRange only).
    std::optional<std::string> outOfRange;
    // "FILE: ..." when the file was read from Windows-1251.
    std::optional<std::string> encodingNote;
};

// A case written by hand must pass every check; the last input of a session may end half
// corrected and is taken back as it was typed, to be corrected on the screens: values out of
// range, numbers with text after them (as Val reads a typed answer), points and Antoine constants
// that fail their check, coordinates marked out of range.
enum class CaseChecks { Enforce, KeepOutOfRange };

// A case is a short text: a longer file (and so any longer line) is refused before it is parsed.
inline constexpr std::size_t kMaxCaseFileBytes = std::size_t{1} << 20;

CaseFileResult ReadCaseFile(std::istream& in, const std::string& fileName,
                            CaseChecks checks = CaseChecks::Enforce);
CaseFileResult ReadCaseText(const std::string& text, const std::string& fileName,
                            CaseChecks checks = CaseChecks::Enforce);

// The case file at `path`. Only a regular file is opened (a folder, a pipe or a device is
// refused without being opened, so nothing waits for a writer or reads without end), and at most
// kMaxCaseFileBytes + 1 bytes of it are read.
CaseFileResult ReadCaseFromPath(const std::string& path, CaseChecks checks = CaseChecks::Enforce);

// The whole input of `state` as case-file text: names, the 28 values as typed, the tray type
// and the equilibrium being entered or corrected, else the one in use (none when no kind is
// chosen yet, which reads back as the sample's points). Reading it back gives the same texts and
// the same calculation; a table or constants that fail their check read back only as last input.
std::string FormatCaseFile(const ProgramState& state);

// Where a start from a case goes on after the names: the calculation, or the equilibrium data
// that fail their check, on the screen where they are corrected (only a kept last input can
// hold such data).
enum class CaseResumption { Calculation, PointsCheck, AntoineCorrection };
CaseResumption ResumptionOf(ProgramState state);

} // namespace radirav
