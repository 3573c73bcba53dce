// The libical writer: the forms of the three kinds of event, escaping and folding by the library.
#include <gtest/gtest.h>

#include "IcalSchreiber.h"

using namespace kalvora;

namespace {

KalenderTermin Termin(KalenderTermin::Art art, Datum von, Datum bis, std::string titel, std::string notiz = {}) {
    KalenderTermin t;
    t.m_nArt = art;
    t.m_datumVon = von;
    t.m_datumBis = bis;
    t.m_timeStempel = CTime(1'740'000'000);
    t.m_strUid = "20250303-1G-0123456789abcdef@kalvora";
    t.m_strTitel = std::move(titel);
    t.m_strBeschreibung = std::move(notiz);
    t.m_strKategorie = "Urlaub, lang";
    return t;
}

TEST(IcalSchreiber, FormenEscapenUndFalten) {
    const std::string lang = "Müller-Lüdenscheidt-Überlänge, Jörg: Äußerst lange Bedeutung mit ÄÖÜ äöü ß ÄÖÜ äöü";
    const std::string text = CIcalSchreiber().Text({
        Termin(KalenderTermin::Ganztags, {2025, 3, 3}, {2025, 3, 6}, "Meier, Anna: Urlaub", "a;b,c\\d\ne"),
        Termin(KalenderTermin::Vormittag, {2025, 3, 30}, {2025, 3, 30}, lang),
        Termin(KalenderTermin::Nachmittag, {2025, 3, 30}, {2025, 3, 30}, "x"),
    });
    const std::pair<const char*, const char*> erwartet[] = {
        {"Kalender", "BEGIN:VCALENDAR\r\nVERSION:2.0\r\nPRODID:-//Kalvora//Kalvora "},
        {"ganze Tage als Datum, Ende ausschließlich", "DTSTART;VALUE=DATE:20250303\r\nDTEND;VALUE=DATE:20250306\r\n"},
        {"Stempel in UTC", "DTSTAMP:20250219T212000Z\r\n"},
        {"Vormittag ohne Zeitzone", "DTSTART:20250330T080000\r\nDTEND:20250330T120000\r\n"},
        {"Nachmittag", "DTSTART:20250330T130000\r\nDTEND:20250330T170000\r\n"},
        {"Text escaped", "SUMMARY:Meier\\, Anna: Urlaub\r\nDESCRIPTION:a\\;b\\,c\\\\d\\ne\r\n"},
        {"eine Kategorie", "CATEGORIES:Urlaub; lang\r\n"},
    };
    for (const auto& [was, teil] : erwartet) EXPECT_NE(text.find(teil), std::string::npos) << was << '\n' << text;
    EXPECT_TRUE(text.ends_with("END:VEVENT\r\nEND:VCALENDAR\r\n"));

    // Folded at 75 octets, never inside a UTF-8 character; unfolded, the title is whole again.
    std::string entfaltet;
    std::size_t anfang = 0;
    for (std::size_t ende; (ende = text.find("\r\n", anfang)) != std::string::npos; anfang = ende + 2) {
        const std::string zeile = text.substr(anfang, ende - anfang);
        EXPECT_LE(zeile.size(), 75u) << zeile;
        ASSERT_EQ(zeile.find('\n'), std::string::npos);
        if (!zeile.empty() && (static_cast<unsigned char>(zeile[0]) & 0xC0) == 0x80) ADD_FAILURE() << zeile;
        entfaltet += zeile.starts_with(' ') ? zeile.substr(1) : "\n" + zeile;
    }
    EXPECT_EQ(anfang, text.size());
    EXPECT_NE(entfaltet.find("\nSUMMARY:Müller-Lüdenscheidt-Überlänge\\, Jörg: Äußerst lange Bedeutung mit ÄÖÜ äöü ß "
                             "ÄÖÜ äöü\n"),
              std::string::npos)
        << entfaltet;
}

} // namespace
