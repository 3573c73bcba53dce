#include "data/Time.h"

#include <atomic>
#include <cstdlib>
#include <ctime>
#include <memory>

namespace kalvora {
namespace {

// Offsets per UTC day, filled lazily: the local breakdown is needed all over the views, and
// localtime_r per call would dominate it. A day whose offset changes inside it is not cached.
constexpr std::int32_t kUnbekannt = INT32_MIN;
constexpr std::int32_t kWechsel = INT32_MIN + 1; // the offset changes within the day
// One UTC day: its local offset, learnt on first use, and its civil date packed as
// year << 9 | month << 5 | day.
struct TagInfo {
    std::atomic<std::int32_t> versatz{kUnbekannt};
    std::uint32_t datum = 0;
};
constexpr std::int64_t kErsterTag = TageAusDatum(1900, 1, 1);
constexpr std::int64_t kLetzterTag = TageAusDatum(2200, 1, 1);

[[gnu::noinline]] int VersatzLangsam(std::int64_t utc) {
    std::time_t t = static_cast<std::time_t>(utc);
    std::tm lokal{};
    if (!localtime_r(&t, &lokal)) return 0;
    return static_cast<int>(lokal.tm_gmtoff);
}

// Packed as year << 9 | month << 5 | day: one register, where a returned Datum would be taken
// apart through the stack on every call.
std::uint32_t Packen(const Datum& d) {
    return static_cast<std::uint32_t>(d.jahr) << 9 | static_cast<std::uint32_t>(d.monat) << 5 |
           static_cast<std::uint32_t>(d.tag);
}

// Built once, out of line, so that the lookups around it inline down to a guard test and a load.
[[gnu::noinline]] TagInfo* TabelleAnlegen() {
    tzset();
    auto* tage = new TagInfo[static_cast<std::size_t>(kLetzterTag - kErsterTag)]; // lives as long as the process
    for (std::int64_t t = kErsterTag; t < kLetzterTag; ++t)
        tage[static_cast<std::size_t>(t - kErsterTag)].datum = Packen(DatumAusTagen(t));
    return tage;
}

[[gnu::always_inline]] inline TagInfo* Tabelle() {
    static TagInfo* const tage = TabelleAnlegen();
    return tage;
}

std::int64_t FloorDiv(std::int64_t a, std::int64_t b) { return a / b - ((a % b != 0) && ((a < 0) != (b < 0))); }

bool ImCache(std::int64_t tag) { return tag > kErsterTag && tag < kLetzterTag - 1; }

[[gnu::noinline]] std::int32_t VersatzErmitteln(TagInfo& info, std::int64_t tag) {
    const int anfang = VersatzLangsam(tag * 86400);
    const int ende = VersatzLangsam(tag * 86400 + 86399);
    const std::int32_t v = anfang == ende ? anfang : kWechsel;
    info.versatz.store(v, std::memory_order_relaxed);
    return v;
}

std::int32_t Versatz(TagInfo& info, std::int64_t tag) {
    const std::int32_t v = info.versatz.load(std::memory_order_relaxed);
    return v == kUnbekannt ? VersatzErmitteln(info, tag) : v;
}

// Local day number and second of that local day.
struct LokalerPunkt {
    std::int64_t tag;
    std::int64_t sekunde;
};

[[gnu::always_inline]] inline LokalerPunkt Zerlegen(std::int64_t utc) {
    std::int64_t tag = FloorDiv(utc, 86400);
    std::int64_t sekunde = utc - tag * 86400;
    std::int32_t v = kWechsel;
    if (ImCache(tag)) v = Versatz(Tabelle()[static_cast<std::size_t>(tag - kErsterTag)], tag);
    if (v == kWechsel) {
        const std::int64_t lokal = utc + VersatzLangsam(utc);
        tag = FloorDiv(lokal, 86400);
        return {tag, lokal - tag * 86400};
    }
    // Offsets stay below a day, so the local day is this one or a neighbour.
    sekunde += v;
    if (sekunde >= 86400) {
        ++tag;
        sekunde -= 86400;
    } else if (sekunde < 0) {
        --tag;
        sekunde += 86400;
    }
    return {tag, sekunde};
}

[[gnu::always_inline]] inline std::uint32_t DatumGepackt(std::int64_t tag) {
    if (tag < kErsterTag || tag >= kLetzterTag) return Packen(DatumAusTagen(tag));
    return Tabelle()[static_cast<std::size_t>(tag - kErsterTag)].datum;
}

// Offset of local time from UTC at an instant, in seconds (east positive).
int VersatzAm(std::int64_t utc) {
    const LokalerPunkt p = Zerlegen(utc);
    return static_cast<int>(p.tag * 86400 + p.sekunde - utc);
}

} // namespace

std::int64_t LokaleTagNummer(CTime t) { return Zerlegen(t.GetTime()).tag; }

MonatTag LokalerMonatTag(CTime t) {
    const std::uint32_t p = DatumGepackt(Zerlegen(t.GetTime()).tag);
    return {static_cast<int>(p >> 5 & 15), static_cast<int>(p & 31)};
}

namespace {

std::atomic<std::uint64_t>* SlotTabelle() {
    static auto* const tage = new std::atomic<std::uint64_t>[SlotRechner::kTage](); // lives as long as the process
    return tage;
}

} // namespace

SlotRechner::SlotRechner() : m_pTage(SlotTabelle()) {}

std::uint16_t SlotRechner::SlotLangsam(std::uint32_t zeit) {
    const std::int64_t tag = zeit / 86400; // 1970..2106, inside the offset table
    const std::int32_t v = Versatz(Tabelle()[static_cast<std::size_t>(tag - kErsterTag)], tag);
    if (v != kWechsel) {
        // Offsets stay below a day, so the local date turns at most once in this UTC day.
        const std::int64_t erster = v < 0 ? tag - 1 : tag;
        const std::uint64_t grenze = static_cast<std::uint64_t>(v < 0 ? -v : 86400 - v);
        const std::uint64_t wert = kBekannt | grenze | std::uint64_t{DatumGepackt(erster) & 0x1FF} << 17 |
                                   std::uint64_t{DatumGepackt(erster + 1) & 0x1FF} << 26;
        SlotTabelle()[tag].store(wert, std::memory_order_relaxed);
    }
    const MonatTag mt = LokalerMonatTag(CTime(zeit));
    return static_cast<std::uint16_t>(mt.monat * 32 + mt.tag);
}

void ZeitzoneNeuLaden() {
    TagInfo* tage = Tabelle();
    tzset();
    for (std::int64_t t = kErsterTag; t < kLetzterTag; ++t)
        tage[static_cast<std::size_t>(t - kErsterTag)].versatz.store(kUnbekannt, std::memory_order_relaxed);
    std::atomic<std::uint64_t>* slots = SlotTabelle();
    for (std::size_t t = 0; t < SlotRechner::kTage; ++t) slots[t].store(0, std::memory_order_relaxed);
}

} // namespace kalvora

using namespace kalvora;

CTime::CTime(int jahr, int monat, int tag, int stunde, int minute, int sekunde) {
    const std::int64_t lokal =
        TageAusDatum(jahr, monat, tag) * 86400 + std::int64_t{stunde} * 3600 + minute * 60 + sekunde;
    // Guess with the offset a few hours earlier, then correct once: right except in the hour a
    // clock change skips or repeats, where mktime decides.
    std::int64_t utc = lokal - VersatzAm(lokal - 3 * 3600);
    const int versatz = VersatzAm(utc);
    if (utc + versatz == lokal) {
        *this = CTime(utc);
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
    *this = CTime(static_cast<std::int64_t>(std::mktime(&t)));
}

LokaleZeit CTime::Lokal() const {
    const auto [tage, rest] = Zerlegen(m_nSekunden);
    const std::uint32_t p = DatumGepackt(tage);
    const int wt = static_cast<int>(((tage % 7) + 7 + 4) % 7); // 1970-01-01 was a Thursday (4)
    return {static_cast<int>(p >> 9), static_cast<int>(p >> 5 & 15), static_cast<int>(p & 31), static_cast<int>(rest / 3600), static_cast<int>(rest / 60 % 60),
            static_cast<int>(rest % 60), wt + 1};
}
