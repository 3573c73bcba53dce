// anlegen, markieren: changes made headless through the same sync as the program.
#include <algorithm>
#include <charconv>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <map>
#include <optional>
#include <ostream>
#include <thread>
#include <tuple>

#include "Argumente.h"
#include "Befehle.h"
#include "app/AppEinstellungen.h"
#include "app/Uhr.h"
#include "app/Zeichensatz.h"
#include "data/Abgleich.h"
#include "data/Einfuegen.h"
#include "data/StempelSperre.h"
#include "view/Markierung.h"

namespace kalvora::admin {
namespace {

constexpr auto kWarteTakt = std::chrono::milliseconds(200);
constexpr std::size_t kNotizHoechstens = 200;

constexpr const char* kAufrufAnlegen =
    "Aufruf: kalvora-admin anlegen DATEI --b1 TEXT --b2 TEXT [--gruppe TEXT] [--nr TEXT]\n";
constexpr const char* kAufrufMarkieren =
    "Aufruf: kalvora-admin markieren DATEI --b1 TEXT --b2 TEXT [--nr TEXT] --von JJJJ-MM-TT[:1|:2] "
    "--bis JJJJ-MM-TT[:1|:2] --art N [--notiz TEXT]\n";

// Messages of the document (failed open or save) go to the error stream.
class FehlerAusgabe final : public Meldungen {
public:
    explicit FehlerAusgabe(std::ostream& err) : m_err(err) {}
    Antwort Zeige(const std::string& text, const std::string&, Knoepfe k) override {
        m_err << "Fehler: " << text << '\n';
        return k == Knoepfe::Ok ? Antwort::Ok : Antwort::Nein;
    }

private:
    std::ostream& m_err;
};

class KeineAnzeige final : public AbgleichAnzeige {
public:
    void AnzeigeAufbauen() override {}
    void SetzeTitel(const std::string&) override {}
};

struct Halbtag {
    int jahr = 0, monat = 0, tag = 0;
    int haelfte = 1; // 1 first half, 2 second half
};

// "JJJJ-MM-TT" with an optional ":1" or ":2".
bool HalbtagLesen(const std::string& text, int standardHaelfte, Halbtag& h) {
    std::string_view s = text;
    h.haelfte = standardHaelfte;
    if (s.size() == 12 && s[10] == ':' && (s[11] == '1' || s[11] == '2')) {
        h.haelfte = s[11] - '0';
        s = s.substr(0, 10);
    }
    Datum d{};
    if (!DatumLesen(s, d)) return false;
    h.jahr = d.jahr, h.monat = d.monat, h.tag = d.tag;
    return true;
}

// The program's stale-lock rule, with the length of its tick: 10 s, or KALVORA_ADMIN_TAKT_MS so that
// tests need not wait 70 s.
std::chrono::milliseconds Takt() {
    int ms = 0;
    if (const char* wert = std::getenv("KALVORA_ADMIN_TAKT_MS"); wert && ZahlLesen(wert, ms) && ms > 0)
        return std::chrono::milliseconds(ms);
    return std::chrono::milliseconds(kTaktMs);
}
constexpr int kStaleTakte = 7;       // a lock unchanged for this many ticks is broken
constexpr int kHoechstensTakte = 30; // then give up: the lock keeps changing hands
constexpr auto kUnlesbarHoechstens = std::chrono::seconds(1);

// The headless instance: stamp preparation and first load as a starting view, the change, then
// the sync with saving. While another instance holds the stamp it polls every 200 ms; a stamp
// that stays exactly the same "1 N" for 7 ticks belongs to a crashed instance and is broken as
// the program does, a stamp that changes meanwhile starts the observation again.
int Aendern(const std::string& eingabe, const std::function<int(CUrlaubDoc&)>& aenderung, std::ostream& err) {
    const std::string datei = DatenbankPfadAufloesen(eingabe);
    if (!std::filesystem::is_regular_file(datei)) {
        err << "Fehler: Die Datenbank \"" << eingabe << "\" gibt es nicht\n";
        return 1;
    }
    FehlerAusgabe meldungen(err);
    CUrlaubDoc doc(meldungen);
    bool bAbgleichOffen = false;
    KeineAnzeige anzeige;
    Abgleich abgleich(doc, datei, StempelPfad(datei), bAbgleichOffen, anzeige);
    const std::filesystem::path& stempel = abgleich.StempelDatei();
    if (!abgleich.ErstesLaden()) return 1;
    if (const int rc = aenderung(doc)) return rc;

    const auto takt = Takt();
    const auto pause = std::min<std::chrono::milliseconds>(kWarteTakt, takt);
    const auto frist = std::chrono::steady_clock::now() + kHoechstensTakte * takt;
    std::optional<Stempel> gesehen;
    auto seit = std::chrono::steady_clock::now();
    bool bUnlesbar = false;
    auto unlesbarSeit = seit;
    for (;;) {
        switch (abgleich.Abgleichen(false)) {
        case AbgleichStand::Fertig:
            return 0;
        case AbgleichStand::NichtGespeichert: // the document has said why
            return 1;
        case AbgleichStand::LadenFehlgeschlagen:
            // A program instance keeps the lock and retries on its timer; this one-shot command
            // gives it back unchanged instead of leaving the others to the stale-lock rule.
            if (const auto s = StempelGeschuetztLesen(stempel); s && s->sperre != 0)
                SperreFreigeben(stempel, s->zaehler);
            return 1;
        case AbgleichStand::StempelBelegt:
        case AbgleichStand::SperreVerloren:
            break;
        }
        std::string grund;
        const auto s = StempelGeschuetztLesen(stempel, grund);
        const auto jetzt = std::chrono::steady_clock::now();
        if (!s) {
            // A writer outside the OS lock may leave the file empty for a moment; only a stamp that
            // stays unreadable is reported.
            if (!bUnlesbar) bUnlesbar = true, unlesbarSeit = jetzt;
            if (jetzt - unlesbarSeit >= kUnlesbarHoechstens) {
                err << "Fehler: " << grund << " Nichts wurde gespeichert.\n";
                return 2;
            }
            std::this_thread::sleep_for(pause);
            continue;
        }
        bUnlesbar = false;
        if (s->sperre == 0) {
            gesehen.reset();
        } else if (s != gesehen) {
            gesehen = s;
            seit = jetzt;
        } else if (jetzt - seit >= kStaleTakte * takt) {
            if (SperreBrechenWenn(stempel, *s))
                err << "Hinweis: Die Sperre \"" << s->sperre << ' ' << s->zaehler << "\" in \""
                    << stempel.string() << "\" war " << kStaleTakte * takt.count() / 1000.0
                    << " Sekunden unverändert und wurde aufgehoben.\n";
            gesehen.reset();
            continue;
        }
        if (jetzt > frist) break;
        std::this_thread::sleep_for(pause);
    }
    err << "Fehler: Die Datenbank \"" << datei << "\" ist seit " << kHoechstensTakte * takt.count() / 1000.0
        << " Sekunden von anderen Programmen gesperrt (Stempeldatei \"" << stempel.string()
        << "\"); nichts wurde gespeichert. Bitte später erneut versuchen.\n";
    return 2;
}

CRessource* FindeRessource(RessourcenListe& liste, const CRessource& gesucht) {
    for (const auto& r : liste)
        if (!r->m_bGeloescht && r->GleicheIdentitaet(gesucht)) return r.get();
    return nullptr;
}

std::string Name(const CRessource& r) {
    std::string s = Utf8AusCp1252(r.m_strBenennung1) + ", " + Utf8AusCp1252(r.m_strBenennung2);
    if (!r.m_strIdentNr.empty()) s += " (Nr. " + Utf8AusCp1252(r.m_strIdentNr) + ")";
    return s;
}

} // namespace

int Anlegen(const Argumente& args, std::ostream& out, std::ostream& err) {
    std::string datei;
    Optionen opt;
    CRessource neu;
    if (!OptionenLesen(args, {"--b1", "--b2", "--gruppe", "--nr"}, {"--b1", "--b2"}, datei, opt, err) ||
        !Cp1252Lesen(opt, "--b1", neu.m_strBenennung1, err) ||
        !Cp1252Lesen(opt, "--b2", neu.m_strBenennung2, err) ||
        !Cp1252Lesen(opt, "--gruppe", neu.m_strGruppe, err) ||
        !Cp1252Lesen(opt, "--nr", neu.m_strIdentNr, err)) {
        err << kAufrufAnlegen;
        return 1;
    }
    const int rc = Aendern(
        datei,
        [&](CUrlaubDoc& doc) {
            RessourcenListe& liste = doc.m_pRessourcen;
            // The dialog's "Neu" does not look; here a second live record of one identity would only
            // take over the first one's days at the next merge, so it is refused.
            if (FindeRessource(liste, neu)) {
                err << "Fehler: Ressource existiert bereits! " << Name(neu) << '\n';
                return 1;
            }
            EinfuegenSortiert(liste, neu.m_strBenennung1, neu.m_strBenennung2, neu.m_strGruppe,
                              neu.m_strIdentNr, Jetzt());
            return 0;
        },
        err);
    if (rc == 0) out << "Ressource angelegt: " << Name(neu) << '\n';
    return rc;
}

int Markieren(const Argumente& args, std::ostream& out, std::ostream& err) {
    std::string datei;
    Optionen opt;
    CRessource gesucht;
    if (!OptionenLesen(args, {"--b1", "--b2", "--nr", "--von", "--bis", "--art", "--notiz"}, {"--b1", "--b2"},
                       datei, opt, err) ||
        !Cp1252Lesen(opt, "--b1", gesucht.m_strBenennung1, err) ||
        !Cp1252Lesen(opt, "--b2", gesucht.m_strBenennung2, err) ||
        !Cp1252Lesen(opt, "--nr", gesucht.m_strIdentNr, err)) {
        err << kAufrufMarkieren;
        return 1;
    }
    std::string notiz;
    const bool mitNotiz = opt.contains("--notiz");
    if (!Cp1252Lesen(opt, "--notiz", notiz, err)) return 1;
    if (notiz.size() > kNotizHoechstens) {
        err << "Fehler: Es sind nur maximal 200 Zeichen zulässig\n";
        return 1;
    }
    Halbtag von, bis;
    for (auto [name, haelfte, ziel] : {std::tuple{"--von", 1, &von}, std::tuple{"--bis", 2, &bis}}) {
        const auto it = opt.find(name);
        if (it == opt.end() || !HalbtagLesen(it->second, haelfte, *ziel)) {
            err << "Fehler: " << name
                << (it == opt.end() ? " fehlt"
                                    : " ist kein Datum JJJJ-MM-TT[:1|:2] von " + std::to_string(kErstesJahr) +
                                          " bis " + std::to_string(kLetztesJahr))
                << '\n'
                << kAufrufMarkieren;
            return 1;
        }
    }
    int art = -1;
    const auto itArt = opt.find("--art");
    if (itArt == opt.end() || !ZahlLesen(itArt->second, art) || art < 0 || art > 16) {
        err << "Fehler: --art muss eine Eintragsart von 0 (löschen) bis 16 sein\n" << kAufrufMarkieren;
        return 1;
    }

    // Both ends on one lattice of 43,200 s steps, as the grid's half-day columns are, so that a
    // run across a clock change still ends on the half day asked for.
    const CTime start(von.jahr, von.monat, von.tag, von.haelfte == 1 ? 9 : 21, 0, 0);
    const std::int64_t schritte =
        2 * (TageAusDatum(bis.jahr, bis.monat, bis.tag) - TageAusDatum(von.jahr, von.monat, von.tag)) +
        (bis.haelfte - von.haelfte);
    const CTime ende(start.GetTime() + schritte * kHalberTag);

    if (schritte < 0) {
        err << kBisVorVon << kAufrufMarkieren;
        return 1;
    }
    const int rc = Aendern(
        datei,
        [&](CUrlaubDoc& doc) {
            CRessource* r = FindeRessource(doc.m_pRessourcen, gesucht);
            if (!r) {
                err << "Fehler: Ressource " << Name(gesucht) << " existiert nicht\n";
                return 1;
            }
            const CTime jetzt = Jetzt();
            MarkierungUebernehmen(nullptr, r, start, ende, art, jetzt, &doc.m_basis);
            if (mitNotiz) // as the note dialog stores it, on every day of the run
                for (CTime t = start; t <= ende; t = CTime(t.GetTime() + kHalberTag)) {
                    CTagEintrag* e = r->FindeTag(t);
                    e->m_strNotiz = notiz;
                    e->m_timeGeaendert = jetzt;
                }
            return 0;
        },
        err);
    if (rc == 0) out << Anzahl(schritte + 1, "Halbtag", "Halbtage") << " markiert: " << Name(gesucht) << '\n';
    return rc;
}

} // namespace kalvora::admin
