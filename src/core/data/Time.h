#pragma once
#include <atomic>
#include <climits>
#include <compare>
#include <cstdint>

namespace kalvora {

// Civil date arithmetic on the proleptic Gregorian calendar (days since 1970-01-01).
constexpr std::int64_t TageAusDatum(int jahr, int monat, int tag) {
    const int y = jahr - (monat <= 2 ? 1 : 0);
    const int era = (y >= 0 ? y : y - 399) / 400;
    const unsigned yoe = static_cast<unsigned>(y - era * 400);
    const unsigned doy = (153u * static_cast<unsigned>(monat + (monat > 2 ? -3 : 9)) + 2u) / 5u +
                         static_cast<unsigned>(tag) - 1u;
    const unsigned doe = yoe * 365u + yoe / 4u - yoe / 100u + doy;
    return static_cast<std::int64_t>(era) * 146097 + static_cast<std::int64_t>(doe) - 719468;
}

struct Datum {
    int jahr;
    int monat;
    int tag;
};

constexpr Datum DatumAusTagen(std::int64_t z) {
    z += 719468;
    const std::int64_t era = (z >= 0 ? z : z - 146096) / 146097;
    const unsigned doe = static_cast<unsigned>(z - era * 146097);
    const unsigned yoe = (doe - doe / 1460u + doe / 36524u - doe / 146096u) / 365u;
    const std::int64_t y = static_cast<std::int64_t>(yoe) + era * 400;
    const unsigned doy = doe - (365u * yoe + yoe / 4u - yoe / 100u);
    const unsigned mp = (5u * doy + 2u) / 153u;
    const unsigned d = doy - (153u * mp + 2u) / 5u + 1u;
    const unsigned m = mp < 10u ? mp + 3u : mp - 9u;
    return {static_cast<int>(y + (m <= 2u ? 1 : 0)), static_cast<int>(m), static_cast<int>(d)};
}

// Broken-down local time of an instant.
struct LokaleZeit {
    int jahr;
    int monat;     // 1..12
    int tag;       // 1..31
    int stunde;    // 0..23
    int minute;
    int sekunde;
    int wochentag; // 1 = Sunday .. 7 = Saturday
};

} // namespace kalvora

// A point in time: seconds since 1970-01-01 00:00 UTC, read in the local time zone.
// 32 bits, as the database stores it: a plan holds millions of them. Instants outside
// 1970..2106 saturate at the ends.
class CTime {
public:
    constexpr CTime() = default;
    constexpr explicit CTime(std::int64_t sekunden)
        : m_nSekunden(sekunden < 0                ? 0u
                      : sekunden > kGroesste ? static_cast<std::uint32_t>(kGroesste)
                                                  : static_cast<std::uint32_t>(sekunden)) {}
    // Local date and time; an hour that does not exist in local time resolves like mktime.
    CTime(int jahr, int monat, int tag, int stunde, int minute, int sekunde);

    constexpr std::int64_t GetTime() const { return m_nSekunden; }
    kalvora::LokaleZeit Lokal() const;
    int GetYear() const { return Lokal().jahr; }
    int GetMonth() const { return Lokal().monat; }
    int GetDay() const { return Lokal().tag; }
    int GetHour() const { return Lokal().stunde; }
    int GetMinute() const { return Lokal().minute; }
    int GetDayOfWeek() const { return Lokal().wochentag; }

    constexpr auto operator<=>(const CTime&) const = default;

private:
    static constexpr std::int64_t kGroesste = UINT32_MAX;
    std::uint32_t m_nSekunden = 0;
};

namespace kalvora {
struct MonatTag {
    int monat;
    int tag;
};
// Local month and day of an instant: what filing an entry into its day slot needs, without
// the rest of the breakdown.
MonatTag LokalerMonatTag(CTime t);

// Day slot month * 32 + day of the local date of a stored 32-bit time, for filing every entry
// of a load. Per UTC day it keeps, learnt on first use, the second at which the local date
// turns and the slots before and after, so the usual day is one load and one comparison.
class SlotRechner {
public:
    SlotRechner();
    std::uint16_t Slot(std::uint32_t zeit) const {
        const int slot = SlotAusTabelle(zeit);
        return slot >= 0 ? static_cast<std::uint16_t>(slot) : SlotLangsam(zeit);
    }
    // The slot if the table knows the day, else -1: for loops that must not call out.
    int SlotAusTabelle(std::uint32_t zeit) const {
        const std::uint32_t tag = zeit / 86400u;
        const std::uint32_t sekunde = zeit - tag * 86400u;
        const std::uint64_t w = m_pTage[tag].load(std::memory_order_relaxed);
        if (!(w & kBekannt)) return -1;
        return static_cast<int>(sekunde < (w & 0x1FFFF) ? w >> 17 & 0x1FF : w >> 26 & 0x1FF);
    }

    // bit 63: known; bits 0..16: second of the UTC day from which the second slot holds;
    // bits 17..25 and 26..34: the slots before and from then. Zero until learnt; a day whose
    // offset changes within it stays unknown and goes the slow way.
    static constexpr std::uint64_t kBekannt = std::uint64_t{1} << 63;
    static constexpr std::size_t kTage = (std::size_t{1} << 32) / 86400 + 1;

private:
    static std::uint16_t SlotLangsam(std::uint32_t zeit);
    std::atomic<std::uint64_t>* m_pTage;
};
// Local calendar day as a day number since 1970-01-01: equal exactly when the local dates are.
std::int64_t LokaleTagNummer(CTime t);

// Forget cached offsets (after the process changed TZ).
void ZeitzoneNeuLaden();
} // namespace kalvora
