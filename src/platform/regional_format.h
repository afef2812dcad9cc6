#pragma once

namespace radirav {

// The decimal separator of the system's regional number format ("," in a Russian locale);
// a point where the locale's separator is not a single ASCII character.
char RegionalDecimalSeparator();

} // namespace radirav
