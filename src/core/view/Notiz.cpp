#include "view/Notiz.h"

#include <cstdio>

#include "app/Uhr.h"
#include "view/Anzeige.h"
#include "view/Markierung.h"

namespace kalvora {

std::string NotizTitel(CTime tag, std::string_view strBenennung1) {
    const LokaleZeit z = tag.Lokal();
    char datum[48];
    std::snprintf(datum, sizeof datum, "%2d.%2d.%4d * ", z.tag, z.monat, z.jahr);
    std::string titel(datum);
    titel += strBenennung1;
    return titel;
}

CTagEintrag* NotizEintrag(CRessource& r, CTime zeit) {
    const LokaleZeit z = zeit.Lokal();
    const bool vormittag = z.stunde < 12;
    for (CTagEintrag& e : r.Slot(z.monat, z.tag)) {
        if (e.m_timeDatum.GetYear() != z.jahr) continue;
        if ((vormittag ? e.m_nArtVormittag : e.m_nArtNachmittag) != 0) return &e;
    }
    return nullptr;
}

bool NotizBegrenzen(std::string& notiz, Meldungen& meldungen) {
    if (notiz.size() <= kNotizLaenge) return false;
    meldungen.Zeige(kNotizZuLang);
    // The first 200 bytes, even when the last is the CR of a line break whose LF goes.
    notiz.resize(kNotizLaenge);
    return true;
}

std::string NotizAusEingabe(std::string_view eingabe) {
    std::string notiz;
    notiz.reserve(eingabe.size() + 8);
    for (std::size_t i = 0; i < eingabe.size(); ++i) {
        const char c = eingabe[i];
        if (c == '\r' || c == '\n') {
            notiz += "\r\n";
            if (c == '\r' && i + 1 < eingabe.size() && eingabe[i + 1] == '\n') ++i;
        } else {
            notiz += c;
        }
    }
    return notiz;
}

std::string NotizFuerEingabe(std::string_view notiz) {
    std::string eingabe;
    eingabe.reserve(notiz.size());
    for (std::size_t i = 0; i < notiz.size(); ++i) {
        const char c = notiz[i];
        if (c == '\r') {
            eingabe += '\n';
            if (i + 1 < notiz.size() && notiz[i + 1] == '\n') ++i;
        } else {
            eingabe += c;
        }
    }
    return eingabe;
}

bool NotizBearbeiten(RessourcenListe& arbeit, int nZeile, CTime zeit, Meldungen& meldungen,
                     const NotizDialog& dialog, AenderungsBasis* basis) {
    CRessource* r = ZeileFinden(arbeit, nZeile);
    const CTagEintrag* e = r ? NotizEintrag(*r, zeit) : nullptr;
    if (!e) {
        meldungen.Zeige(kNotizNurBeiEintrag);
        return false;
    }
    if (!dialog) return false;
    // A sync may run while the dialog is open: records move, and the day may go.
    const RessourcenKennung kennung = RessourcenKennung::Von(*r);
    const CTime datum = e->m_timeDatum;
    const std::string titel = NotizTitel(zeit, r->m_strBenennung1);
    std::string text = e->m_strNotiz;
    for (;;) {
        const std::optional<std::string> notiz = dialog(titel, text);
        if (!notiz) return false;
        CRessource* ziel = LebendeRessource(arbeit, kennung);
        CTagEintrag* tag = ziel ? ziel->FindeTag(datum) : nullptr;
        if (tag && (tag->m_nArtVormittag != 0 || tag->m_nArtNachmittag != 0)) {
            if (basis) basis->Vormerken(*ziel, datum);
            tag->m_strNotiz = *notiz;
            tag->m_timeGeaendert = Jetzt();
            return true;
        }
        meldungen.Zeige(ziel ? kNotizTagGeloescht : kNotizRessourceGeloescht);
        text = *notiz;
    }
}

} // namespace kalvora
