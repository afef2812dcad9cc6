#pragma once

#include "calc/calc_stop.h"

#include <optional>
#include <string>

namespace radirav {

// The one-line messages of the stops, as the results window and the report show them.
inline constexpr const char* kInputDataErrorMessage = "ОШИБКА В ИСХОДНОЙ ИНФОРМАЦИИ !!!";
inline constexpr const char* kAntoineErrorMessage = "Параметры уравнения Антуана введены с ошибкой !!!  ";
inline constexpr const char* kTrayLimitMessage = "                      ТРЕБУЕМОЕ ЧИСЛО ТАРЕЛОК > 300";

// The message a stop shows; none for a normal end.
std::optional<std::string> StopMessage(CalcStop stop);

} // namespace radirav
