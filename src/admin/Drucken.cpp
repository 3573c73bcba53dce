// kalvora-admin drucken: the printed plan page as a PDF, without a window system.
#include <QApplication>
#include <QPainter>
#include <QPrinter>
#include <algorithm>
#include <cerrno>
#include <cstdio>
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
#include "app/QtWandlung.h"
#include "app/Systemfehler.h"
#include "app/Zeichensatz.h"
#include "data/UrlaubDoc.h"
#include "print/DruckAuftrag.h"
#include "print/DruckAuswahl.h"
#include "print/DruckBild.h"
#include "print/DruckLayout.h"

namespace kalvora::admin {
namespace {

constexpr const char* kAufruf =
    "Aufruf: kalvora-admin drucken DATEI --von JJJJ-MM-TT --bis JJJJ-MM-TT --pdf AUSGABE.pdf [--gruppe TEXT] "
    "[--nach-gruppen] [--schema 1..5] [--regionen LISTE]\n";

// "JJJJ-MM-TT" as the print dialog's pickers hand it over: at noon.
std::optional<CTime> TagLesen(std::string_view s) {
    Datum d{};
    if (!DatumLesen(s, d)) return std::nullopt;
    return CTime(d.jahr, d.monat, d.tag, 12, 0, 0);
}

// Qt's own diagnostics are English and for developers; the command reports in German itself.
void QtStill(QtMsgType typ, const QMessageLogContext&, const QString&) {
    if (typ == QtFatalMsg) std::abort();
}

// The PDF writer reports no reason of its own: open the target first so that a German one can be
// given. A file that was not there before is removed again.
std::string ZielPruefen(const std::string& pfad) {
    std::error_code ec;
    const bool vorher = std::filesystem::exists(pfad, ec);
    std::FILE* f = std::fopen(pfad.c_str(), "ab");
    if (!f) return DateiFehlerText(pfad, "geschrieben", errno);
    std::fclose(f);
    if (!vorher) std::filesystem::remove(pfad, ec);
    return {};
}

// Rows of the job that the page layout leaves off: too many to fit even at the lowest row height.
// The same input as the page painter's.
std::size_t FehlendeZeilen(const QRect& seite, const DruckAuftrag& auftrag) {
    DruckEingabe e;
    e.m_seite = {seite.left(), seite.top(), seite.left() + seite.width(), seite.top() + seite.height()};
    const LokaleZeit von = auftrag.m_timeVon.Lokal(), bis = auftrag.m_timeBis.Lokal();
    e.m_von = {von.jahr, von.monat, von.tag};
    e.m_bis = {bis.jahr, bis.monat, bis.tag};
    e.m_nAnzahl = auftrag.m_nAnzahl;
    e.m_nZeilen = static_cast<int>(std::min(auftrag.m_zeilen.size(), auftrag.m_namen.size()));
    const CFeiertage feiertage(auftrag.m_arten.m_nRegion);
    return static_cast<std::size_t>(e.m_nZeilen) - DruckSeiteAnordnen(e, feiertage).m_namen.size();
}

struct Angaben {
    std::string datei;
    Optionen werte;
    bool nachGruppen = false;
};

bool AngabenLesen(const Argumente& args, Angaben& a, std::ostream& err) {
    if (!OptionenLesen(args, {"--von", "--bis", "--pdf", "--gruppe", "--schema", "--regionen"},
                       {"--von", "--bis", "--pdf"}, a.datei, a.werte, err, {"--nach-gruppen"}))
        return false;
    a.nachGruppen = a.werte.erase("--nach-gruppen") > 0;
    return true;
}

// Renders on Qt's offscreen platform: no display needed. `fehlend`: rows left off the page.
bool PdfSchreiben(const std::string& pfad, const DruckAuftrag& auftrag, std::size_t& fehlend) {
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    qInstallMessageHandler(QtStill);
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
    const QRect seite(0, 0, drucker.width(), drucker.height());
    fehlend = FehlendeZeilen(seite, auftrag);
    DruckseiteZeichnen(dc, seite, auftrag);
    return dc.end();
}

} // namespace

int Drucken(const Argumente& args, std::ostream& out, std::ostream& err) {
    Angaben a;
    if (!AngabenLesen(args, a, err)) {
        err << kAufruf;
        return 1;
    }
    const auto von = TagLesen(a.werte["--von"]);
    const auto bis = TagLesen(a.werte["--bis"]);
    for (const auto& [name, datum] : {std::pair{"--von", von}, std::pair{"--bis", bis}}) {
        if (!datum) {
            err << "Fehler: ungültiges Datum \"" << a.werte[name] << "\" bei " << name
                << " (erlaubt: JJJJ-MM-TT von " << kErstesJahr << "-01-01 bis " << kLetztesJahr
                << "-12-31)\n";
            return 1;
        }
    }
    if (*bis < *von) {
        err << kBisVorVon;
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
            err << "Fehler: --gruppe enthält ein Zeichen, das in der Datenbank (Windows-1252) nicht "
                   "vorkommen kann\n";
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
    if (const DruckFehler f = DruckPruefen(*von, *bis, auswahl.IrgendeineAusgewaehlt());
        f != DruckFehler::Keiner) {
        err << "Fehler: " << DruckFehlerText(f) << '\n';
        return 1;
    }
    auswahl.Uebernehmen(liste);
    const int art = a.nachGruppen ? kDruckNachGruppen : kDruckAlphabetisch;
    const DruckAuftrag auftrag = DruckAuftragBilden(liste, art, *von, *bis, arten, schema);

    const std::string& pdf = a.werte["--pdf"];
    if (const std::string grund = ZielPruefen(pdf); !grund.empty()) {
        err << "Fehler: " << grund << '\n';
        return 1;
    }
    std::size_t fehlend = 0;
    if (!PdfSchreiben(pdf, auftrag, fehlend)) {
        err << "Fehler: Die PDF-Datei \"" << pdf << "\" kann nicht geschrieben werden\n";
        return 1;
    }
    const auto tage = TageAusDatum(bis->GetYear(), bis->GetMonth(), bis->GetDay()) -
                      TageAusDatum(von->GetYear(), von->GetMonth(), von->GetDay()) + 1;
    const auto zeilen = static_cast<std::int64_t>(auftrag.m_zeilen.size() - fehlend);
    out << "PDF geschrieben: " << pdf << " (" << Anzahl(zeilen, "Ressource", "Ressourcen") << ", "
        << Anzahl(tage, "Tag", "Tage") << ")\n";
    if (fehlend == 0) return 0;
    err << "Fehler: " << Anzahl(static_cast<std::int64_t>(fehlend), "Ressource passt", "Ressourcen passen")
        << " nicht mehr auf die Seite und " << (fehlend == 1 ? "fehlt" : "fehlen")
        << " im PDF; bitte mit --gruppe weniger Ressourcen wählen.\n";
    return 1;
}

} // namespace kalvora::admin
