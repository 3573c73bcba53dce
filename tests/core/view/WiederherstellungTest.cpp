// The restore offer for an empty or damaged database: its text, when it is made, and what Ja does;
// which backup counts as loadable and the restore itself are the backup tests' (tests/core/data).
#include <chrono>

#include "TestHilfen.h"
#include "data/DatenbankFormat.h"
#include "view/Wiederherstellung.h"

using namespace kalvora;
using namespace kalvora::test;
namespace fs = std::filesystem;

namespace {

RessourcenListe Namen(std::initializer_list<const char*> namen) {
    RessourcenListe liste;
    for (const char* n : namen) liste.push_back(NeueRessource(n));
    return liste;
}

struct Ordner {
    TempOrdner t;
    std::string db = t / "Ressource.dat";
    std::string stempel = t / "Ressource.d";
    MeldungsRekorder meldungen;
    Wiederherstellung w{db};

    // Backup `nr` holding `namen`, written at `zeit` (seconds since 1970).
    void Sicherung(int nr, std::initializer_list<const char*> namen, std::int64_t zeit = 1796475780) {
        const std::string pfad = t / ("Ressource.BK" + std::to_string(nr));
        DateiSchreibenTest(pfad, DatenbankSchreiben(Namen(namen)));
        fs::last_write_time(pfad, fs::file_time_type::clock::from_sys(
                                      std::chrono::system_clock::from_time_t(static_cast<std::time_t>(zeit))));
    }
    std::string Frage(bool geladen) {
        const auto angebot = w.Pruefen(geladen);
        return angebot ? angebot->m_strFrage : "-";
    }
};

} // namespace

// The full question with its date and plural is pinned below; here the singular.
TEST(Wiederherstellung, FrageNenntEineRessourceImSingular) {
    const SicherungsInfo s{"/x/Ressource.BK2", 2, 1796475780, 1};
    EXPECT_EQ(WiederherstellFrage("Grund.", s), "Grund.\nSoll die Sicherung Ressource.BK2 vom 05.12.2026 14:03 mit 1 "
                                                "Ressource wiederhergestellt werden?");
}

// Offered once per problem: the same reason with the same backup stays quiet at later loads; a newer
// backup, or the problem coming back after a good load, is offered again.
TEST(Wiederherstellung, EinmalJeProblem) {
    Ordner o;
    DateiSchreibenTest(o.db, DatenbankSchreiben(Namen({"A"})));
    o.Sicherung(1, {"A", "B"});
    EXPECT_EQ(o.Frage(true), "-") << "a loaded file with content";
    DateiSchreibenTest(o.db, "");
    const std::string leer = o.Frage(true); // a 0-byte file loads as an empty plan
    EXPECT_EQ(leer.substr(leer.find('\n')),
              "\nSoll die Sicherung Ressource.BK1 vom 05.12.2026 14:03 mit 2 Ressourcen wiederhergestellt werden?");
    EXPECT_NE(leer.find("ist leer"), std::string::npos) << leer;
    EXPECT_EQ(o.Frage(true), "-");
    EXPECT_EQ(o.Frage(false), "-");
    DateiSchreibenTest(o.db, std::string("\x07\0\0", 3));
    EXPECT_NE(o.Frage(false), "-") << "damaged is another problem";
    o.Sicherung(2, {"A", "B", "C"}, 1796475780 + 60);
    EXPECT_NE(o.Frage(false).find("BK2 vom 05.12.2026 14:04 mit 3"), std::string::npos) << "a newer backup";
    DateiSchreibenTest(o.db, DatenbankSchreiben(Namen({"A"})));
    EXPECT_EQ(o.Frage(true), "-");
    DateiSchreibenTest(o.db, std::string("\x07\0\0", 3));
    EXPECT_NE(o.Frage(false), "-") << "back again";
    fs::remove(o.t / "Ressource.BK1"), fs::remove(o.t / "Ressource.BK2");
    EXPECT_EQ(o.Frage(false), "-") << "no backup to offer";
}

// Nein leaves everything; Ja restores under the stamp lock, after giving back a lock the caller
// still holds from its failed load.
TEST(Wiederherstellung, JaStelltWiederHerNeinLaesstAlles) {
    const std::tuple<Antwort, const char*, bool, bool, const char*> faelle[] = {
        // answer, stamp before, the caller holds it, restored, stamp after
        {Antwort::Nein, "0 7", false, false, "0 7"},
        {Antwort::Ja, "0 7", false, true, "0 8"},
        {Antwort::Ja, "1 7", true, true, "0 8"},
    };
    for (const auto& [antwort, vorher, gehalten, ersetzt, nachher] : faelle) {
        Ordner o;
        const std::string kaputt("\x07\0\0", 3);
        DateiSchreibenTest(o.db, kaputt);
        DateiSchreibenTest(o.stempel, vorher);
        o.Sicherung(3, {"A", "B"});
        o.meldungen.m_antworten = {antwort};
        const fs::path stempel = o.stempel;
        EXPECT_EQ(o.w.Anbieten(false, o.meldungen, gehalten ? &stempel : nullptr), ersetzt) << vorher;
        ASSERT_EQ(o.meldungen.m_gezeigt.size(), 1u);
        EXPECT_EQ(o.meldungen.m_gezeigt[0].knoepfe, Knoepfe::JaNein);
        EXPECT_EQ(std::tuple(DateiInhalt(o.db), DateiInhalt(o.stempel)),
                  std::tuple(ersetzt ? DatenbankSchreiben(Namen({"A", "B"})) : kaputt, std::string(nachher)))
            << vorher;
        EXPECT_FALSE(o.w.Anbieten(false, o.meldungen)) << "not asked twice";
    }
}
