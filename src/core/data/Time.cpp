#include "data/Time.h"

#include <array>
#include <atomic>
#include <cstdlib>
#include <ctime>
#include <vector>

namespace kalvora {
namespace {

// Offsets per UTC day, filled lazily: the local breakdown runs for every entry of a load, and
// localtime_r per call would dominate it. A day whose offset changes inside it is not cached.
constexpr std::int64_t kErsterTag = TageAusDatum(1900, 1, 1);
constexpr std::int64_t kLetzterTag = TageAusDatum(2200, 1, 1);
constexpr std::int32_t kUnbekannt = INT32_MIN;
constexpr std::int32_t kWechsel = INT32_MIN + 1;

int VersatzLangsam(std::int64_t utc) {
    std::time_t t = static_cast<std::time_t>(utc);
    std::tm lokal{};
    if (!localtime_r(&t, &lokal)) return 0;
    return static_cast<int>(lokal.tm_gmtoff);
}

struct VersatzCache {
    std::vector<std::atomic<std::int32_t>> tage;
    // Civil date of every day in the cached range, packed as year << 9 | month << 5 | day.
    std::vector<std::uint32_t> datum;

    VersatzCache() : tage(static_cast<std::size_t>(kLetzterTag - kErsterTag)) {
        tzset();
        for (auto& v : tage) v.store(kUnbekannt, std::memory_order_relaxed);
        datum.reserve(tage.size());
        for (std::int64_t t = kErsterTag; t < kLetzterTag; ++t) {
            const Datum d = DatumAusTagen(t);
            datum.push_back(static_cast<std::uint32_t>(d.jahr) << 9 | static_cast<std::uint32_t>(d.monat) << 5 |
                            static_cast<std::uint32_t>(d.tag));
        }
    }
};

VersatzCache& Cache() {
    static VersatzCache cache;
    return cache;
}

std::int64_t FloorDiv(std::int64_t a, std::int64_t b) { return a / b - ((a % b != 0) && ((a < 0) != (b < 0))); }

} // namespace

int LokalerVersatz(std::int64_t utc) {
    const std::int64_t tag = FloorDiv(utc, 86400);
    if (tag < kErsterTag || tag >= kLetzterTag - 1) return VersatzLangsam(utc);
    auto& slot = Cache().tage[static_cast<std::size_t>(tag - kErsterTag)];
    std::int32_t v = slot.load(std::memory_order_relaxed);
    if (v == kUnbekannt) {
        const int anfang = VersatzLangsam(tag * 86400);
        const int ende = VersatzLangsam(tag * 86400 + 86399);
        v = anfang == ende ? anfang : kWechsel;
        slot.store(v, std::memory_order_relaxed);
    }
    return v == kWechsel ? VersatzLangsam(utc) : v;
}

MonatTag LokalerMonatTag(CTime t) {
    const std::int64_t lokal = t.GetTime() + LokalerVersatz(t.GetTime());
    const std::int64_t tage = lokal / 86400 - ((lokal % 86400) < 0 ? 1 : 0);
    if (tage >= kErsterTag && tage < kLetzterTag) {
        const std::uint32_t p = Cache().datum[static_cast<std::size_t>(tage - kErsterTag)];
        return {static_cast<int>(p >> 5 & 15), static_cast<int>(p & 31)};
    }
    const Datum d = DatumAusTagen(tage);
    return {d.monat, d.tag};
}

void ZeitzoneNeuLaden() {
    auto& c = Cache();
    tzset();
    for (auto& v : c.tage) v.store(kUnbekannt, std::memory_order_relaxed);
}

} // namespace kalvora

using namespace kalvora;

CTime::CTime(int jahr, int monat, int tag, int stunde, int minute, int sekunde) {
    const std::int64_t lokal =
        TageAusDatum(jahr, monat, tag) * 86400 + std::int64_t{stunde} * 3600 + minute * 60 + sekunde;
    // Guess with the offset a few hours earlier, then correct once: right except in the hour a
    // clock change skips or repeats, where mktime decides.
    std::int64_t utc = lokal - LokalerVersatz(lokal - 3 * 3600);
    const int versatz = LokalerVersatz(utc);
    if (utc + versatz == lokal) {
        m_nSekunden = utc;
        return;
    }
    std::tm t{};
    t.tm_year = jahr - 1900;
    t.tm_mon = monat - 1;
    t.tm_mday = tag;
    t.tm_hour = stunde;
    t.tm_min = minute;
    t.tm_sec = sekunde;
    t.tm_isdst = -1;
    m_nSekunden = static_cast<std::int64_t>(std::mktime(&t));
}

LokaleZeit CTime::Lokal() const {
    const std::int64_t lokal = m_nSekunden + LokalerVersatz(m_nSekunden);
    const std::int64_t tage = lokal / 86400 - ((lokal % 86400) < 0 ? 1 : 0);
    const std::int64_t rest = lokal - tage * 86400;
    Datum d;
    if (tage >= kErsterTag && tage < kLetzterTag) {
        const std::uint32_t p = Cache().datum[static_cast<std::size_t>(tage - kErsterTag)];
        d = {static_cast<int>(p >> 9), static_cast<int>(p >> 5 & 15), static_cast<int>(p & 31)};
    } else {
        d = DatumAusTagen(tage);
    }
    const int wt = static_cast<int>(((tage % 7) + 7 + 4) % 7); // 1970-01-01 was a Thursday (4)
    return {d.jahr, d.monat, d.tag, static_cast<int>(rest / 3600), static_cast<int>(rest / 60 % 60),
            static_cast<int>(rest % 60), wt + 1};
}
