#include "data/Sicherung.h"

#include <algorithm>
#include <chrono>
#include <thread>
#include <vector>

#include "app/AppEinstellungen.h"
#include "data/DateiZugriff.h"
#include "data/DatenbankFormat.h"
#include "data/StempelSperre.h"
#include "data/UrlaubDoc.h"

namespace fs = std::filesystem;

namespace kalvora {
namespace {

constexpr int kSicherungen = 5;
// A restore asked for by a user waits this long for another instance's sync to end.
constexpr auto kSperreWarten = std::chrono::seconds(3);
constexpr auto kSperreTakt = std::chrono::milliseconds(100);

std::time_t Zeit(fs::file_time_type t) {
    return std::chrono::system_clock::to_time_t(
        std::chrono::time_point_cast<std::chrono::system_clock::duration>(std::chrono::file_clock::to_sys(t)));
}

std::uintmax_t Groesse(const fs::path& p) {
    std::error_code ec;
    const auto n = fs::file_size(p, ec);
    return ec ? 0 : n;
}

} // namespace

std::optional<SicherungsInfo> SicherungPruefen(const std::string& datei, int nummer) {
    if (nummer < 1 || nummer > kSicherungen) return std::nullopt;
    const fs::path pfad = SicherungsPfad(DatenbankPfadAufloesen(datei), nummer);
    std::error_code ec;
    const auto zeit = fs::last_write_time(pfad, ec);
    if (ec) return std::nullopt;
    RessourcenListe liste;
    if (DatenbankLaden(pfad, liste) || liste.empty()) return std::nullopt;
    return SicherungsInfo{pfad, nummer, Zeit(zeit), liste.size()};
}

std::optional<std::string> DatenbankBeschaedigt(const std::string& datei) {
    const std::string db = DatenbankPfadAufloesen(datei);
    std::error_code ec;
    if (fs::is_regular_file(db, ec) && fs::file_size(db, ec) == 0 && !ec) {
        for (int i = 1; i <= kSicherungen; ++i)
            if (Groesse(SicherungsPfad(db, i)) > 0)
                return "Die Datenbank \"" + db + "\" ist leer (0 Bytes), obwohl ihre Sicherung \"" +
                       SicherungsPfad(db, i) + "\" Daten enthält.";
        return std::nullopt;
    }
    RessourcenListe liste;
    if (const auto fehler = DatenbankLaden(db, liste))
        return "Die Datenbank \"" + db + "\" kann nicht geladen werden: " + *fehler;
    return std::nullopt;
}

std::optional<SicherungsInfo> LadbareSicherung(const std::string& datei) {
    const std::string db = DatenbankPfadAufloesen(datei);
    std::vector<std::pair<fs::file_time_type, int>> reihe;
    for (int i = 1; i <= kSicherungen; ++i) {
        std::error_code ec;
        const auto zeit = fs::last_write_time(SicherungsPfad(db, i), ec);
        if (!ec) reihe.emplace_back(zeit, i);
    }
    // Newest first; of equal times the lower number, which was copied later.
    std::sort(reihe.begin(), reihe.end(),
              [](const auto& a, const auto& b) { return a.first != b.first ? a.first > b.first : a.second < b.second; });
    for (const auto& [zeit, nummer] : reihe)
        if (auto info = SicherungPruefen(db, nummer)) return info;
    return std::nullopt;
}

bool SicherungWiederherstellen(const std::string& datei, const fs::path& sicherung, std::string& fehler) {
    const std::string db = DatenbankPfadAufloesen(datei);
    std::string inhalt;
    DateiFehler lesen;
    if (!DateiLesen(sicherung, inhalt, lesen)) {
        fehler = lesen.grund;
        return false;
    }
    RessourcenListe liste;
    if (const auto f = DatenbankLesen(inhalt, liste); f || liste.empty()) {
        fehler = "Die Sicherung \"" + sicherung.string() + "\" " +
                 (f ? "ist beschädigt (" + f->grund + ")." : "enthält keine Ressourcen.");
        return false;
    }

    const fs::path stempel = StempelPfad(db);
    StempelVorbereiten(stempel);
    const auto ende = std::chrono::steady_clock::now() + kSperreWarten;
    SperrErgebnis sperre = SperreNehmen(stempel);
    while (sperre.stand != SperrStand::Genommen && sperre.stand != SperrStand::Unlesbar &&
           std::chrono::steady_clock::now() < ende) {
        std::this_thread::sleep_for(kSperreTakt);
        sperre = SperreNehmen(stempel);
    }
    if (sperre.stand != SperrStand::Genommen) {
        fehler = sperre.stand == SperrStand::Unlesbar
                     ? "Die Stempeldatei \"" + stempel.string() + "\" kann nicht gelesen werden."
                     : "Die Datenbank \"" + db + "\" ist gerade von einem anderen Programm gesperrt.";
        return false;
    }
    DateiFehler schreiben;
    const bool ok = DateiSicherErsetzen(db, inhalt, schreiben);
    const int zaehler = sperre.stempel.zaehler;
    SperreFreigeben(stempel, ok ? ZaehlerErhoehen(zaehler) : zaehler);
    if (!ok) fehler = schreiben.grund;
    return ok;
}

void SicherungAnlegen(const std::string& datei) { SicherungenRotieren(datei, true); }

} // namespace kalvora
