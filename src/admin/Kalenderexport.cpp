// ical, statistik: the plan for calendars and spreadsheets, through the same code as the program.
#include <algorithm>
#include <filesystem>
#include <map>
#include <optional>
#include <ostream>
#include <string>
#include <string_view>

#include "Argumente.h"
#include "Befehle.h"
#include "IcalSchreiber.h"
#include "app/AppEinstellungen.h"
#include "app/EintragsartDatei.h"
#include "app/Zeichensatz.h"
#include "data/DateiZugriff.h"
#include "data/UrlaubDoc.h"
#include "export/ExportAuswahl.h"
#include "export/KalenderTermin.h"
#include "export/StatistikCsv.h"

namespace kalvora::admin {
namespace {

constexpr const char* kAufrufIcal =
    "Aufruf: kalvora-admin ical DATEI --von JJJJ-MM-TT --bis JJJJ-MM-TT --aus DATEI.ics [--gruppe TEXT] "
    "[--ressource \"Name, Vorname\"] [--art LISTE]\n";
constexpr const char* kAufrufStatistik =
    "Aufruf: kalvora-admin statistik DATEI --jahr JJJJ --aus DATEI.csv [--gruppe TEXT]\n";

std::optional<Datum> TagLesen(std::string_view s) {
    Datum d{};
    if (!DatumLesen(s, d)) return std::nullopt;
    return d;
}

// "1,3,16": the listed types only.
bool ArtenLesen(std::string_view liste, ArtFilter& arten, std::ostream& err) {
    arten.fill(false);
    for (;;) {
        const auto komma = liste.find(',');
        const std::string_view teil = liste.substr(0, komma);
        int art = 0;
        if (!ZahlLesen(teil, art) || art < 1 || art > kAnzahlArten) {
            err << "Fehler: ungültige Eintragsart \"" << teil << "\" (erlaubt: 1 bis 16)\n";
            return false;
        }
        arten[static_cast<std::size_t>(art)] = true;
        if (komma == std::string_view::npos) return true;
        liste.remove_prefix(komma + 1);
    }
}

struct Plan {
    RessourcenListe liste;
    EintragsartTabelle arten = EintragsartTabelle::Standard();
};

bool PlanLaden(const std::string& datei, Plan& plan, std::ostream& err) {
    const std::string pfad = DatenbankPfadAufloesen(datei);
    if (!std::filesystem::is_regular_file(pfad)) {
        err << "Fehler: Die Datenbank \"" << datei << "\" gibt es nicht\n";
        return false;
    }
    if (auto fehler = DatenbankLaden(pfad, plan.liste)) {
        err << "Fehler: " << *fehler << '\n';
        return false;
    }
    EintragsartDateiLesen(EintragsartPfad(pfad), plan.arten);
    return true;
}

// The live resources of `gruppe` (all when empty), in the dialog's sorted order; an unknown group is an
// error.
bool GruppeWaehlen(const Plan& plan, const std::string& gruppe, std::vector<const CRessource*>& gewaehlt,
                   std::ostream& err) {
    DruckAuswahl auswahl;
    auswahl.Fuellen(plan.liste, gruppe);
    gewaehlt = AusgewaehlteRessourcen(plan.liste, auswahl);
    if (!gruppe.empty() && gewaehlt.empty()) {
        err << "Fehler: Die Gruppe \"" << Utf8AusCp1252(gruppe) << "\" gibt es nicht\n";
        return false;
    }
    return true;
}

bool Schreiben(const std::string& pfad, std::string_view inhalt, std::ostream& err) {
    DateiFehler fehler;
    if (!DateiSicherErsetzen(pfad, inhalt, fehler)) {
        err << "Fehler: " << fehler.grund << '\n';
        return false;
    }
    return true;
}

} // namespace

int Ical(const Argumente& args, std::ostream& out, std::ostream& err) {
    std::string datei;
    Optionen o;
    if (!OptionenLesen(args, {"--von", "--bis", "--aus", "--gruppe", "--ressource", "--art"},
                       {"--von", "--bis", "--aus"}, datei, o, err)) {
        err << kAufrufIcal;
        return 1;
    }
    const auto von = TagLesen(o["--von"]);
    const auto bis = TagLesen(o["--bis"]);
    for (const auto& [name, datum] : {std::pair{"--von", von}, std::pair{"--bis", bis}})
        if (!datum) {
            err << "Fehler: ungültiges Datum \"" << o[name] << "\" bei " << name
                << " (erlaubt: JJJJ-MM-TT von " << kErstesJahr << "-01-01 bis " << kLetztesJahr
                << "-12-31)\n";
            return 1;
        }
    if (const ExportFehler f = ExportPruefen(*von, *bis, true); f != ExportFehler::Keiner) {
        err << "Fehler: " << ExportFehlerText(f) << '\n';
        return 1;
    }
    ArtFilter arten = AlleArten();
    if (o.count("--art") && !ArtenLesen(o["--art"], arten, err)) return 1;
    std::string gruppe, name;
    if (!Cp1252Lesen(o, "--gruppe", gruppe, err) || !Cp1252Lesen(o, "--ressource", name, err)) return 1;

    Plan plan;
    std::vector<const CRessource*> gewaehlt;
    if (!PlanLaden(datei, plan, err) || !GruppeWaehlen(plan, gruppe, gewaehlt, err)) return 1;
    if (o.count("--ressource")) {
        std::erase_if(gewaehlt, [&](const CRessource* r) {
            return r->m_strBenennung1 + ", " + r->m_strBenennung2 != name;
        });
        if (gewaehlt.empty()) {
            err << "Fehler: Die Ressource \"" << o["--ressource"] << "\" gibt es nicht"
                << (gruppe.empty() ? "" : " in dieser Gruppe") << '\n';
            return 1;
        }
    }
    const auto termine = TermineBilden(gewaehlt, plan.arten, *von, *bis, arten);
    if (!Schreiben(o["--aus"], CIcalSchreiber().Text(termine), err)) return 1;
    out << "Kalender geschrieben: " << o["--aus"] << " (" << termine.size()
        << (termine.size() == 1 ? " Termin, " : " Termine, ") << gewaehlt.size()
        << (gewaehlt.size() == 1 ? " Ressource)\n" : " Ressourcen)\n");
    return 0;
}

int Statistik(const Argumente& args, std::ostream& out, std::ostream& err) {
    std::string datei;
    Optionen o;
    if (!OptionenLesen(args, {"--jahr", "--aus", "--gruppe"}, {"--jahr", "--aus"}, datei, o, err)) {
        err << kAufrufStatistik;
        return 1;
    }
    int jahr = 0;
    if (!ZahlLesen(o["--jahr"], jahr) || jahr < kErstesJahr || jahr > kLetztesJahr) {
        err << "Fehler: ungültiges Jahr \"" << o["--jahr"] << "\" (erlaubt: " << kErstesJahr << " bis "
            << kLetztesJahr << ")\n";
        return 1;
    }
    std::string gruppe;
    if (!Cp1252Lesen(o, "--gruppe", gruppe, err)) return 1;
    Plan plan;
    std::vector<const CRessource*> gewaehlt;
    if (!PlanLaden(datei, plan, err) || !GruppeWaehlen(plan, gruppe, gewaehlt, err)) return 1;
    if (!Schreiben(o["--aus"], StatistikCsv(gewaehlt, plan.arten, jahr), err)) return 1;
    out << "Statistik geschrieben: " << o["--aus"] << " (" << gewaehlt.size()
        << (gewaehlt.size() == 1 ? " Ressource, " : " Ressourcen, ") << jahr << ")\n";
    return 0;
}

} // namespace kalvora::admin
