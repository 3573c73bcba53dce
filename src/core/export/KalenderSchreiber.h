#pragma once
#include <string>
#include <vector>

#include "export/KalenderTermin.h"

namespace kalvora {

// Turns events into the bytes of an iCalendar file. The core knows no calendar library; the
// program and kalvora-admin hand in the one they link.
class CKalenderSchreiber {
public:
    virtual ~CKalenderSchreiber() = default;
    virtual std::string Text(const std::vector<KalenderTermin>& termine) const = 0;
};

} // namespace kalvora
