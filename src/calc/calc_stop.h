#pragma once

#include <optional>
#include <string>

namespace radirav {

// How a calculation ended. Every stop but None is shown on the results screen instead of the table.
enum class CalcStop {
    None,           // top of the column reached within the tray limit
    TrayLimit,      // tray 300 calculated without reaching the distillate composition
    InputDataError, // a value of the model left its physical domain, or arithmetic failed
    AntoineError,   // the Antoine constants give no usable volatility
};

inline constexpr const char* kInputDataErrorMessage = "ОШИБКА В ИСХОДНОЙ ИНФОРМАЦИИ !!!";
inline constexpr const char* kAntoineErrorMessage = "Параметры уравнения Антуана введены с ошибкой !!!  ";
inline constexpr const char* kTrayLimitMessage = "                      ТРЕБУЕМОЕ ЧИСЛО ТАРЕЛОК > 300";

// The message a stop shows; none for a normal end.
std::optional<std::string> StopMessage(CalcStop stop);

} // namespace radirav
