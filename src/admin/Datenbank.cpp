// pruefen, export, optimieren
#include <cstdio>
#include <ostream>

#include "Argumente.h"
#include "Befehle.h"
#include "app/AppEinstellungen.h"
#include "app/Stempel.h"
#include "app/Zeichensatz.h"
#include "data/Sicherung.h"
#include "data/StempelSperre.h"
#include "data/UrlaubDoc.h"

namespace kalvora::admin {
namespace {

bool NurDatei(const Argumente& args, std::ostream& err, const char* befehl) {
    if (args.size() == 1) return true;
    err << "Fehler: Aufruf: kalvora-admin " << befehl << " DATEI\n";
    return false;
}

void JsonText(std::ostream& out, const std::string& cp1252) {
    out << '"';
    for (char c : Utf8AusCp1252(cp1252)) {
        const auto u = static_cast<unsigned char>(c);
        switch (c) {
        case '"': out << "\\\""; break;
        case '\\': out << "\\\\"; break;
        case '\n': out << "\\n"; break;
        case '\r': out << "\\r"; break;
        case '\t': out << "\\t"; break;
        default:
            if (u < 0x20) {
                char puffer[8];
                std::snprintf(puffer, sizeof puffer, "\\u%04x", u);
                out << puffer;
            } else {
                out << c;
            }
        }
    }
    out << '"';
}

} // namespace

int Pruefen(const Argumente& args, std::ostream& out, std::ostream& err) {
    if (!NurDatei(args, err, "pruefen")) return 1;
    const std::string datei = DatenbankPfadAufloesen(args[0]);
    RessourcenListe liste;
    const auto fehler = DatenbankLaden(datei, liste);
    if (fehler) {
        err << "Fehler: " << *fehler << '\n';
    } else {
        std::size_t eintraege = 0;
        for (const auto& r : liste) eintraege += r->AnzahlEintraege();
        out << "OK: " << Anzahl(static_cast<std::int64_t>(liste.size()), "Ressource", "Ressourcen") << ", "
            << Anzahl(static_cast<std::int64_t>(eintraege), "Tageintrag", "Tageinträge") << '\n';
    }
    const auto schaden = DatenbankBeschaedigt(datei);
    if (!schaden) return fehler ? 1 : 0;
    err << "Warnung: ";
    if (!fehler) err << *schaden << ' '; // a failed load has said why already
    if (const auto bk = LadbareSicherung(datei))
        err << "Neueste ladbare Sicherung: " << SicherungBeschreiben(*bk)
            << ". Zurückholen mit: kalvora-admin wiederherstellen \"" << datei << "\"\n";
    else
        err << "Es gibt keine ladbare Sicherung.\n";
    return fehler ? 1 : 3;
}

int Exportieren(const Argumente& args, std::ostream& out, std::ostream& err) {
    if (!NurDatei(args, err, "export")) return 1;
    RessourcenListe liste;
    if (auto fehler = DatenbankLaden(DatenbankPfadAufloesen(args[0]), liste)) {
        err << "Fehler: " << *fehler << '\n';
        return 1;
    }
    out << "{\"ressourcen\":[";
    bool ersteR = true;
    for (const auto& r : liste) {
        out << (ersteR ? "" : ",") << "{\"benennung1\":";
        ersteR = false;
        JsonText(out, r->m_strBenennung1);
        out << ",\"benennung2\":";
        JsonText(out, r->m_strBenennung2);
        out << ",\"gruppe\":";
        JsonText(out, r->m_strGruppe);
        out << ",\"identnr\":";
        JsonText(out, r->m_strIdentNr);
        out << ",\"geaendert\":" << r->m_timeGeaendert.GetTime() << ",\"geloescht\":"
            << (r->m_bGeloescht ? "true" : "false") << ",\"tage\":[";
        bool ersteT = true;
        r->FuerAlleTage([&](const CTagEintrag& e) {
            const LokaleZeit z = e.m_timeDatum.Lokal();
            char datum[32];
            std::snprintf(datum, sizeof datum, "%04d-%02d-%02d", z.jahr, z.monat, z.tag);
            out << (ersteT ? "" : ",") << "{\"datum\":\"" << datum << "\",\"vormittag\":" << e.m_nArtVormittag
                << ",\"nachmittag\":" << e.m_nArtNachmittag << ",\"geaendert\":" << e.m_timeGeaendert.GetTime()
                << ",\"notiz\":";
            ersteT = false;
            JsonText(out, e.m_strNotiz);
            out << '}';
        });
        out << "]}";
    }
    out << "]}\n";
    return 0;
}

int Optimieren(const Argumente& args, std::ostream& out, std::ostream& err) {
    if (!NurDatei(args, err, "optimieren")) return 1;
    const std::string datei = DatenbankPfadAufloesen(args[0]);
    const std::string stempelPfad = StempelPfad(datei);
    const SperrErgebnis sperre = SperreNehmen(stempelPfad);
    if (sperre.stand == SperrStand::Unlesbar) {
        std::string grund;
        StempelGeschuetztLesen(stempelPfad, grund);
        err << "Fehler: " << grund << '\n';
        return 2;
    }
    if (sperre.stand == SperrStand::Belegt) {
        err << "Fehler: Die Datenbank ist gerade gesperrt (Stempeldatei \"" << stempelPfad
            << "\"); bitte später erneut versuchen\n";
        return 2;
    }
    if (sperre.stand != SperrStand::Genommen) {
        err << "Fehler: Die Sperre der Datenbank konnte nicht gesetzt werden\n";
        return 2;
    }
    StilleMeldungen still;
    CUrlaubDoc doc(still);
    int rc = 0;
    if (!doc.ErstesLaden(datei)) {
        err << "Fehler: " << doc.LetzterFehler() << '\n';
        rc = 1;
    } else {
        // Only a database that loads is worth a backup; compaction cannot be undone otherwise.
        SicherungAnlegen(datei);
        Verdichten(doc.m_pRessourcen);
        if (!doc.OnSaveDocument(datei)) {
            err << "Fehler: " << doc.LetzterFehler() << '\n';
            rc = 1;
        } else {
            out << "Datenbankoptimierung durchgeführt!\n";
        }
    }
    SperreFreigeben(stempelPfad, sperre.stempel.zaehler);
    return rc;
}

} // namespace kalvora::admin
