#pragma once
#include <iosfwd>
#include <string_view>

#include "calendar/Regionen.h"

namespace kalvora::admin {

// A whole decimal integer, nothing before or after it.
bool ZahlLesen(std::string_view text, int& zahl);

// Comma-separated states 0..24 (an empty list selects none); flags 25 and 26 follow them.
// On bad input a German message goes to `err`.
bool RegionenLesen(std::string_view liste, Regionen& regionen, std::ostream& err);

} // namespace kalvora::admin
