#pragma once
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
// 64-bit in memory; the database stores the low 32 bits.
class CTime {
public:
    constexpr CTime() = default;
    constexpr explicit CTime(std::int64_t sekunden) : m_nSekunden(sekunden) {}
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
    std::int64_t m_nSekunden = 0;
};

namespace kalvora {
struct MonatTag {
    int monat;
    int tag;
};
// Local month and day of an instant: what filing an entry into its day slot needs, without
// the rest of the breakdown.
MonatTag LokalerMonatTag(CTime t);

// Offset of local time from UTC at an instant, in seconds (east positive).
int LokalerVersatz(std::int64_t utc);
// Forget cached offsets (after the process changed TZ).
void ZeitzoneNeuLaden();
} // namespace kalvora
