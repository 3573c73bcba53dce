#pragma once
#include "data/Time.h"

namespace kalvora {

// Source of "now": change times and "today" come from here so tests can fix the date.
class Uhr {
public:
    virtual ~Uhr() = default;
    virtual CTime Jetzt() const = 0;
};

class SystemUhr final : public Uhr {
public:
    CTime Jetzt() const override;
};

class FesteUhr final : public Uhr {
public:
    explicit FesteUhr(CTime jetzt) : m_timeJetzt(jetzt) {}
    CTime Jetzt() const override { return m_timeJetzt; }
    void Setze(CTime jetzt) { m_timeJetzt = jetzt; }
    void Vorstellen(std::int64_t sekunden) { m_timeJetzt = CTime(m_timeJetzt.GetTime() + sekunden); }

private:
    CTime m_timeJetzt;
};

// The process-wide clock; the system clock unless a test installs another.
const Uhr& AktuelleUhr();
void SetzeUhr(const Uhr* uhr); // nullptr restores the system clock
inline CTime Jetzt() { return AktuelleUhr().Jetzt(); }

} // namespace kalvora
