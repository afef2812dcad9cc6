#pragma once

#include "report/date_time.h"

namespace radirav {

class Clock {
public:
    virtual ~Clock() = default;
    virtual DateTimeParts Now() = 0;
};

// Local time of the machine.
class SystemClock final : public Clock {
public:
    DateTimeParts Now() override;
};

} // namespace radirav
