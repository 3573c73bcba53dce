#pragma once
#include "export/KalenderSchreiber.h"

// The iCalendar text of the export, written by libical: escaping, CRLF line ends and folding at
// 75 octets are the library's. Half days are floating local times (no VTIMEZONE).
class CIcalSchreiber final : public kalvora::CKalenderSchreiber {
public:
    std::string Text(const std::vector<kalvora::KalenderTermin>& termine) const override;
};
