#include "report/stop_message.h"

namespace radirav {

std::optional<std::string> StopMessage(CalcStop stop) {
    switch (stop) {
    case CalcStop::None:
        return std::nullopt;
    case CalcStop::TrayLimit:
        return kTrayLimitMessage;
    case CalcStop::InputDataError:
        return kInputDataErrorMessage;
    case CalcStop::AntoineError:
        return kAntoineErrorMessage;
    }
    return std::nullopt;
}

} // namespace radirav
