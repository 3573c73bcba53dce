// kalvora-admin drucken: the printed plan page as a PDF, without a window system.
#include <QApplication>
#include <QPainter>
#include <QPrinter>
#include <charconv>
#include <cstdlib>
#include <filesystem>
#include <map>
#include <optional>
#include <ostream>
#include <string>
#include <string_view>

#include "Argumente.h"
#include "Befehle.h"
#include "app/AppEinstellungen.h"
#include "app/EintragsartDatei.h"
#include "app/Zeichensatz.h"
#include "app/QtWandlung.h"
#include "data/UrlaubDoc.h"
#include "print/DruckAuftrag.h"
#include "print/DruckAuswahl.h"
#include "print/DruckBild.h"

namespace kalvora::admin {
namespace {

constexpr const char* kAufruf =
    "Aufruf: kalvora-admin drucken DATEI --von JJJJ-MM-TT --bis JJJJ-MM-TT --pdf AUSGABE.pdf [--gruppe TEXT] "
    "[--nach-gruppen] [--schema 1..5] [--regionen LISTE]\n";

// The range of the print dialog's date pickers.
constexpr int kErstesJahr = 1970;
constexpr int kLetztesJahr = 2037;

// "JJJJ-MM-TT" as the pickers hand it over: at noon, within their range.
std::optional<CTime> DatumLesen(std::string_view s) {
    int jahr = 0, monat = 0, tag = 0;
    if (s.size() != 10 || s[4] != '-' || s[7] != '-' || !ZahlLesen(s.substr(0, 4), jahr) ||
        !ZahlLesen(s.substr(5, 2), monat) || !ZahlLesen(s.substr(8, 2), tag))
        return std::nullopt;
    if (jahr < kErstesJahr || jahr > kLetztesJahr || monat < 1 || monat > 12 || tag < 1) return std::nullopt;
    const Datum d = DatumAusTagen(TageAusDatum(jahr, monat, tag));
    if (d.monat != monat || d.tag != tag) return std::nullopt; // 2025-02-30
    return CTime(jahr, monat, tag, 12, 0, 0);
}

struct Angaben {
    std::string datei;
    std::map<std::string, std::string> werte;
    bool nachGruppen = false;
};

bool AngabenLesen(const Argumente& args, Angaben& a, std::ostream& err) {
    if (args.empty() || args[0].starts_with("--")) {
        err << "Fehler: DATEI fehlt\n";
        return false;
    }
    a.datei = args[0];
    for (std::size_t i = 1; i < args.size(); ++i) {
        const std::string& name = args[i];
        if (name == "--nach-gruppen") {
            a.nachGruppen = true;
            continue;
        }
        if (name != "--von" && name != "--bis" && name != "--pdf" && name != "--gruppe" && name != "--schema" &&
            name != "--regionen") {
            err << "Fehler: unbekannte Angabe \"" << name << "\"\n";
            return false;
        }
        if (i + 1 >= args.size()) {
            err << "Fehler: " << name << " ohne Wert\n";
            return false;
        }
        if (!a.werte.emplace(name, args[++i]).second) {
            err << "Fehler: " << name << " doppelt angegeben\n";
            return false;
        }
    }
    for (const char* pflicht : {"--von", "--bis", "--pdf"}) {
        if (!a.werte.count(pflicht)) {
            err << "Fehler: " << pflicht << " fehlt\n";
            return false;
        }
    }
    return true;
}

// Renders on Qt's offscreen platform: no display needed.
bool PdfSchreiben(const std::string& pfad, const DruckAuftrag& auftrag) {
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    int argc = 1;
    char name[] = "kalvora-admin";
    char* argv[] = {name, nullptr};
    QApplication app(argc, argv);

    QPrinter drucker(QPrinter::HighResolution);
    drucker.setOutputFormat(QPrinter::PdfFormat);
    drucker.setOutputFileName(TextAusPfad(pfad));
    drucker.setDocName(QStringLiteral("Kalvora"));
    drucker.setPageSize(QPageSize(QPageSize::A4));
    drucker.setPageOrientation(QPageLayout::Landscape);
    drucker.setPageMargins(QMarginsF(10, 10, 10, 10), QPageLayout::Millimeter);
    QPainter dc;
    if (!dc.begin(&drucker)) return false;
    DruckseiteZeichnen(dc, QRect(0, 0, drucker.width(), drucker.height()), auftrag);
    return dc.end();
}

} // namespace

int Drucken(const Argumente& args, std::ostream& out, std::ostream& err) {
    Angaben a;
    if (!AngabenLesen(args, a, err)) {
        err << kAufruf;
        return 1;
    }
    const auto von = DatumLesen(a.werte["--von"]);
    const auto bis = DatumLesen(a.werte["--bis"]);
    for (const auto& [name, datum] : {std::pair{"--von", von}, std::pair{"--bis", bis}}) {
        if (!datum) {
            err << "Fehler: ungültiges Datum \"" << a.werte[name] << "\" bei " << name
                << " (erlaubt: JJJJ-MM-TT von 1970-01-01 bis 2037-12-31)\n";
            return 1;
        }
    }
    if (*bis < *von) {
        err << "Fehler: --bis liegt vor --von\n";
        return 1;
    }

    int schema = 1;
    if (const auto it = a.werte.find("--schema"); it != a.werte.end()) {
        if (!ZahlLesen(it->second, schema) || schema < 1 || schema > 5) {
            err << "Fehler: ungültiges Farbschema \"" << it->second << "\" (erlaubt: 1 bis 5)\n";
            return 1;
        }
    }
    std::string gruppe;
    if (const auto it = a.werte.find("--gruppe"); it != a.werte.end()) {
        const auto cp1252 = Cp1252AusUtf8(it->second);
        if (!cp1252) {
            err << "Fehler: --gruppe enthält ein Zeichen, das in der Datenbank (Windows-1252) nicht vorkommen kann\n";
            return 1;
        }
        gruppe = *cp1252;
    }

    if (!std::filesystem::is_regular_file(a.datei)) {
        err << "Fehler: Die Datenbank \"" << a.datei << "\" gibt es nicht\n";
        return 1;
    }
    RessourcenListe liste;
    if (auto fehler = DatenbankLaden(a.datei, liste)) {
        err << "Fehler: " << *fehler << '\n';
        return 1;
    }
    EintragsartTabelle arten = EintragsartTabelle::Standard();
    EintragsartDateiLesen(EintragsartPfad(a.datei), arten);
    if (const auto it = a.werte.find("--regionen"); it != a.werte.end())
        if (!RegionenLesen(it->second, arten.m_nRegion, err)) return 1;

    // The print dialog with its preselection taken as it is.
    DruckAuswahl auswahl;
    auswahl.Fuellen(liste, gruppe);
    if (const DruckFehler f = DruckPruefen(*von, *bis, auswahl.IrgendeineAusgewaehlt()); f != DruckFehler::Keiner) {
        err << "Fehler: " << DruckFehlerText(f) << '\n';
        return 1;
    }
    auswahl.Uebernehmen(liste);
    const int art = a.nachGruppen ? kDruckNachGruppen : kDruckAlphabetisch;
    const DruckAuftrag auftrag = DruckAuftragBilden(liste, art, *von, *bis, arten, schema);

    const std::string& pdf = a.werte["--pdf"];
    if (!PdfSchreiben(pdf, auftrag)) {
        err << "Fehler: Die PDF-Datei \"" << pdf << "\" kann nicht geschrieben werden\n";
        return 1;
    }
    const auto tage = TageAusDatum(bis->GetYear(), bis->GetMonth(), bis->GetDay()) -
                      TageAusDatum(von->GetYear(), von->GetMonth(), von->GetDay()) + 1;
    const std::size_t zeilen = auftrag.m_zeilen.size();
    out << "PDF geschrieben: " << pdf << " (" << zeilen << (zeilen == 1 ? " Ressource, " : " Ressourcen, ") << tage
        << (tage == 1 ? " Tag)\n" : " Tage)\n");
    return 0;
}

} // namespace kalvora::admin
