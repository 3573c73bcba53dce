#include <gtest/gtest.h>

#include "TestHilfen.h"
#include "app/EintragsartDatei.h"
#include "app/Stempel.h"
#include "app/Zeichensatz.h"

using namespace kalvora;
using namespace kalvora::test;

namespace {

TEST(StempelDatei, LesenWieEinStrom) {
    TempOrdner t;
    struct Fall {
        std::string inhalt;
        int erste;
        std::optional<std::pair<int, int>> beide;
    } faelle[] = {
        {"0 17", 0, {{0, 17}}},
        {"1 100000\r\n", 1, {{1, 100000}}},
        {"  0\n\t5 trailing", 0, {{0, 5}}},
        {"-3 +4", -3, {{-3, 4}}},
        {"7", 7, std::nullopt},
        {"abc 1", 99, std::nullopt},
        {"1 x", 1, std::nullopt},
        {"99999999999 1", 99, std::nullopt},
        {std::string(10000, ' ') + "1 2", 99, std::nullopt}, // only the front of a wrong file is read
    };
    for (const auto& f : faelle) {
        DateiSchreibenTest(t / "R.d", f.inhalt);
        EXPECT_EQ(StempelErsteZahl(t / "R.d"), f.erste) << f.inhalt;
        const auto s = StempelLesen(t / "R.d");
        ASSERT_EQ(s.has_value(), f.beide.has_value()) << f.inhalt;
        if (s) {
            EXPECT_EQ(s->sperre, f.beide->first);
            EXPECT_EQ(s->zaehler, f.beide->second);
        }
    }
    EXPECT_EQ(StempelErsteZahl(t / "fehlt.d"), 99);
    EXPECT_FALSE(StempelLesen(t / "fehlt.d"));
}

TEST(EintragsartDatei, FormatMitWagenruecklaufUndPlatzhalter) {
    EintragsartTabelle tab = EintragsartTabelle::Standard();
    tab.m_strBedeutung[1] = "Urlaub";
    tab.m_strBedeutung[2] = "halber Tag frei";
    tab.m_strBedeutung[9] = "Schulung";
    tab.m_nAusrichtung[3] = 2;
    tab.m_nRegion[25] = 1;
    const std::string text = EintragsartTextSchreiben(tab);
    ASSERT_EQ(text.find('\n'), std::string::npos);
    ASSERT_EQ(text.back(), '\r') << "every token ends with a carriage return";
    std::vector<std::string> tokens;
    for (std::size_t a = 0, e; (e = text.find('\r', a)) != std::string::npos; a = e + 1)
        tokens.push_back(text.substr(a, e - a));
    ASSERT_EQ(tokens.size(), 75u);
    EXPECT_EQ(tokens[0], "Urlaub");
    EXPECT_EQ(tokens[1], "halber*~#Tag*~#frei");
    EXPECT_EQ(tokens[2], "*~#");
    EXPECT_EQ(tokens[18], "2");      // alignment of type 3
    EXPECT_EQ(tokens[24 + 25], "1"); // any German state
    EXPECT_EQ(tokens[51], "Schulung");

    EintragsartTabelle gelesen;
    EintragsartTextLesen(text, gelesen);
    EXPECT_EQ(gelesen.m_strBedeutung[2], "halber Tag frei");
    EXPECT_EQ(gelesen.m_strBedeutung[3], " ") << "an empty meaning comes back as one blank";
    EXPECT_EQ(gelesen.m_nFarbe, tab.m_nFarbe);
    EXPECT_EQ(gelesen.m_nAusrichtung, tab.m_nAusrichtung);
    EXPECT_EQ(gelesen.m_nRegion, tab.m_nRegion);
}

TEST(EintragsartDatei, FehlendeOderKaputteDateiBehaeltDieRestlichenWerte) {
    TempOrdner t;
    EintragsartTabelle tab = EintragsartTabelle::Standard();
    EXPECT_FALSE(EintragsartDateiLesen(t / "R.but", tab));
    EXPECT_EQ(tab, EintragsartTabelle::Standard());
    // Eight meanings, two colours, then garbage where the third colour belongs.
    std::string text;
    for (int i = 0; i < 8; ++i) text += "B" + std::to_string(i) + "\r";
    EintragsartTextLesen(text + "1\r2\rrot\r4\r", tab);
    EXPECT_EQ(tab.m_strBedeutung[8], "B7");
    EXPECT_EQ(tab.m_nFarbe[2], 2u);
    EXPECT_EQ(tab.m_nFarbe[3], EintragsartTabelle::Standard().m_nFarbe[3]);
    EXPECT_EQ(tab.m_nFarbe[4], EintragsartTabelle::Standard().m_nFarbe[4]) << "nothing after the bad token";
    // LF or blanks between tokens read the same as CR.
    EintragsartTabelle lf = EintragsartTabelle::Standard();
    EintragsartTextLesen("a\nb c\td e f g h 5", lf);
    EXPECT_EQ(lf.m_strBedeutung[8], "h");
    EXPECT_EQ(lf.m_nFarbe[1], 5u);
}

TEST(Zeichensatz, Cp1252UndUtf8) {
    const std::string alle = [] {
        std::string s;
        for (int b = 1; b < 256; ++b) s.push_back(static_cast<char>(b));
        return s;
    }();
    EXPECT_EQ(Cp1252AusUtf8(Utf8AusCp1252(alle)), alle) << "every byte survives";
    EXPECT_EQ(Utf8AusCp1252("\x80 \xE4\xF6\xFC\xDF"), "€ äöüß");
    for (const char* falsch : {"\u4E2D", "\xC3" /* cut short */, "\xFF\xFE", "\xF0\x9F\x98\x80"})
        EXPECT_FALSE(Cp1252AusUtf8(falsch)) << falsch;
}

} // namespace
