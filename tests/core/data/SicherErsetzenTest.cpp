// The safe replace of the database and the backups offered for a restore.
#include <sys/stat.h>

#include "TestHilfen.h"
#include "app/AppEinstellungen.h"
#include "app/Systemfehler.h"
#include "data/DateiZugriff.h"
#include "data/Sicherung.h"

using namespace kalvora;
using namespace kalvora::test;
namespace fs = std::filesystem;

namespace {

std::size_t Dateien(const fs::path& ordner) {
    return static_cast<std::size_t>(std::distance(fs::directory_iterator(ordner), fs::directory_iterator()));
}

// A failure at any step leaves the old file byte for byte and no temporary file; the reason is
// German and names the file.
TEST(SicherErsetzen, JederGescheiterteSchrittLaesstDieDateiUnberuehrt) {
    TempOrdner t;
    const std::string db = t / "R.dat";
    const std::pair<ErsetzenSchritt, int> faelle[] = {
        {ErsetzenSchritt::Oeffnen, EACCES},   {ErsetzenSchritt::Sperren, EIO},
        {ErsetzenSchritt::Anlegen, EDQUOT},   {ErsetzenSchritt::Schreiben, ENOSPC},
        {ErsetzenSchritt::Rechte, EPERM},     {ErsetzenSchritt::Sichern, EIO},
        {ErsetzenSchritt::Schliessen, ESTALE}, {ErsetzenSchritt::Umbenennen, EXDEV},
    };
    for (const auto& [schritt, nummer] : faelle) {
        DateiSchreibenTest(db, "alt");
        ErsetzenOptionen o;
        o.probe = [&, s = schritt, n = nummer](ErsetzenSchritt jetzt) { return jetzt == s ? n : 0; };
        DateiFehler f;
        EXPECT_FALSE(DateiSicherErsetzen(db, "neu und länger", f, o)) << static_cast<int>(schritt);
        EXPECT_EQ(std::tuple(DateiInhalt(db), Dateien(t.pfad())), std::tuple("alt", 1u)) << static_cast<int>(schritt);
        EXPECT_TRUE(f.grund.find(SystemfehlerText(nummer)) != std::string::npos &&
                    f.grund.find(t.pfad().string()) != std::string::npos) << f.grund;
    }
    // What a killed save leaves goes once it is old enough; a young one may be a save running now.
    for (const char* name : {".R.dat.a1B2c3", ".R.dat.x9y8z7", ".R.dat.kurz", "R.dat.a1B2c3", ".S.dat.a1B2c3"})
        DateiSchreibenTest(t / name, "x");
    fs::last_write_time(t / ".R.dat.a1B2c3", fs::file_time_type::clock::now() - std::chrono::minutes(20));
    EXPECT_EQ(VerwaisteFassungenEntfernen(db, std::chrono::minutes(15)), 1);
    EXPECT_EQ(std::tuple(fs::exists(t / ".R.dat.a1B2c3"), Dateien(t.pfad())), std::tuple(false, 5u));
}

// A link stays a link and its target is replaced; the permission bits carry over, a new file gets
// what the umask allows; the time of a copy is its source's.
TEST(SicherErsetzen, LinkRechteUndZeit) {
    TempOrdner t;
    fs::create_directories(t.pfad() / "echt");
    const std::string echt = t / "echt/R.dat", link = t / "R.dat";
    DateiSchreibenTest(echt, "alt");
    ::chmod(echt.c_str(), 0640);
    fs::create_symlink(echt, link);
    DateiFehler f;
    ASSERT_TRUE(DateiSicherErsetzen(link, "neu", f)) << f.grund;
    struct stat st{};
    ::stat(echt.c_str(), &st);
    EXPECT_EQ(std::tuple(fs::is_symlink(link), DateiInhalt(echt), st.st_mode & 0777, Dateien(t.pfad() / "echt")),
              std::tuple(true, "neu", 0640u, 1u));

    const mode_t alt = ::umask(027);
    ASSERT_TRUE(DateiSicherErsetzen(t / "neu.dat", "x", f)) << f.grund;
    ::umask(alt);
    ::stat((t / "neu.dat").c_str(), &st);
    EXPECT_EQ(st.st_mode & 0777, 0640u);

    fs::last_write_time(echt, fs::file_time_type::clock::now() - std::chrono::hours(5));
    ASSERT_TRUE(DateiSicherKopieren(link, t / "R.BK1", f)) << f.grund;
    EXPECT_EQ(std::tuple(DateiInhalt(t / "R.BK1"), fs::last_write_time(t / "R.BK1")),
              std::tuple("neu", fs::last_write_time(echt)));
}

TEST(Systemfehler, DeutscheSaetzeStattSystemtexten) {
    const std::pair<int, const char*> faelle[] = {
        {ENOSPC, "Auf dem Datenträger ist nicht genügend Speicherplatz frei."},
        {EFBIG, "Die Datei wird zu groß für das Dateisystem oder die eingestellte Größengrenze."},
        {EROFS, "Das Dateisystem ist schreibgeschützt."},
        {EPERM, "Keine Berechtigung für den Zugriff auf die Datei oder ihren Ordner."},
        {ENFILE, "Es sind zu viele Dateien gleichzeitig geöffnet."},
        {4711, "Unbekannter Systemfehler (Nummer 4711)."},
    };
    for (const auto& [nummer, text] : faelle) EXPECT_EQ(SystemfehlerText(nummer), text);
    EXPECT_EQ(DateiFehlerText("/p/R.dat", "gelesen", EROFS),
              "Die Datei \"/p/R.dat\" kann nicht gelesen werden. Das Dateisystem ist schreibgeschützt.");
}

// Which backup a restore offers, and the restore itself under the stamp lock.
TEST(Sicherungen, AngebotUndWiederherstellen) {
    TempOrdner t;
    fs::create_directories(t.pfad() / "team.daten");
    const std::string db = t / "team.daten/Plan.dat", stempel = t / "team.daten/Plan.d";
    RessourcenListe zwei;
    zwei.push_back(NeueRessource("A"));
    zwei.push_back(NeueRessource("B"));
    const std::string gut = DatenbankSchreiben(zwei);
    const auto bk = [&](int i) { return t / ("team.daten/Plan.BK" + std::to_string(i)); };
    const auto alter = [&](int i, int stunden) {
        fs::last_write_time(bk(i), fs::file_time_type::clock::now() - std::chrono::hours(stunden));
    };
    DateiSchreibenTest(db, gut);
    EXPECT_FALSE(DatenbankBeschaedigt(db));
    DateiSchreibenTest(db, "");
    EXPECT_FALSE(DatenbankBeschaedigt(db)) << "empty, and no backup has content";
    EXPECT_FALSE(LadbareSicherung(db));
    // BK1 newest but broken, BK2 empty plan, BK3 good, BK4 good but older.
    DateiSchreibenTest(bk(1), "\x05");
    DateiSchreibenTest(bk(2), std::string(4, '\0'));
    DateiSchreibenTest(bk(3), gut);
    DateiSchreibenTest(bk(4), gut);
    alter(2, 1), alter(3, 2), alter(4, 3);
    const auto grund = DatenbankBeschaedigt(db);
    ASSERT_TRUE(grund);
    EXPECT_NE(grund->find("ist leer (0 Bytes)"), std::string::npos) << *grund;
    const std::string kaputt("\x07\0\0", 3);
    DateiSchreibenTest(db, kaputt);
    ASSERT_TRUE(DatenbankBeschaedigt(t / "team.daten/../team.daten/Plan.dat"));
    const auto info = LadbareSicherung(db);
    ASSERT_TRUE(info);
    EXPECT_EQ(std::tuple(info->pfad.string(), info->nummer, info->ressourcen), std::tuple(bk(3), 3, 2u));

    std::string fehler;
    DateiSchreibenTest(stempel, "1 9");
    const auto start = std::chrono::steady_clock::now();
    EXPECT_FALSE(SicherungWiederherstellen(db, info->pfad, fehler)) << "the lock is held";
    EXPECT_GE(std::chrono::steady_clock::now() - start, std::chrono::seconds(2));
    EXPECT_EQ(std::tuple(DateiInhalt(db), DateiInhalt(stempel)), std::tuple(kaputt, "1 9"));
    EXPECT_FALSE(SicherungWiederherstellen(db, bk(1), fehler));
    EXPECT_NE(fehler.find("beschädigt"), std::string::npos) << fehler;
    DateiSchreibenTest(stempel, "0 100000");
    ASSERT_TRUE(SicherungWiederherstellen(db, info->pfad, fehler)) << fehler;
    EXPECT_EQ(std::tuple(DateiInhalt(db), DateiInhalt(stempel)), std::tuple(gut, "0 1"));

    SicherungAnlegen(db); // forced, within the 900 s of BK1
    EXPECT_EQ(std::tuple(DateiInhalt(bk(1)), DateiInhalt(bk(2)), DateiInhalt(bk(5))), std::tuple(gut, "\x05", gut));
}

} // namespace
