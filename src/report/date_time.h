#pragma once

namespace radirav {

// A local date and time as the clock gives it and the report prints it.
struct DateTimeParts {
    int year = 2000, month = 1, day = 1;
    int hour = 0, minute = 0, second = 0;
};

} // namespace radirav
