#include "undo/Schritt.h"

#include <algorithm>
#include <cstdio>

#include "app/Zeichensatz.h"

namespace kalvora {
namespace {

CTime Vormittag(CTime t) {
    const LokaleZeit z = t.Lokal();
    return CTime(z.jahr, z.monat, z.tag, 9, 0, 0);
}

unsigned Unterschiede(const TagInhalt& a, const TagInhalt& b) {
    return (a.m_nVormittag != b.m_nVormittag ? kTeilVormittag : 0u) |
           (a.m_nNachmittag != b.m_nNachmittag ? kTeilNachmittag : 0u) |
           (a.m_strNotiz != b.m_strNotiz ? kTeilNotiz : 0u);
}

// A drag's days without a change go; a day keeps only the parts that changed, so that a later
// writer's change of a part the step only wrote over with the same value does not block its undo.
Schritt NurAenderungen(Schritt s) {
    for (TagAenderung& t : s)
        t.m_nTeile = Unterschiede(t.m_vorher, t.m_nachher);
    std::erase_if(s, [](const TagAenderung& t) { return t.m_nTeile == 0; });
    return s;
}

std::string DatumText(std::int64_t tag) {
    const Datum d = DatumAusTagen(tag);
    char text[24];
    std::snprintf(text, sizeof text, "%02d.%02d.%04d", d.tag, d.monat, d.jahr);
    return text;
}

} // namespace

TagInhalt TagInhalt::Von(const CTagEintrag* e) {
    if (!e) return {};
    return {e->m_nArtVormittag, e->m_nArtNachmittag, e->m_strNotiz.Text()};
}

Schritt MarkierSchritt(const CRessource* pArbeit, CTime start, CTime ende, int nArt) {
    Schritt s;
    if (!pArbeit) return s;
    const CTime a = std::min(start, ende);
    const CTime b = std::max(start, ende);
    for (CTime t = a; t <= b; t = CTime(t.GetTime() + kHalberTag)) {
        const CTime tag = Vormittag(t);
        // A drag is one run: a day's two halves follow each other.
        if (s.empty() || s.back().m_timeDatum != tag) {
            const TagInhalt vorher = TagInhalt::Von(pArbeit->FindeTag(t));
            s.push_back({RessourcenKennung::Von(*pArbeit), tag, 0, vorher, vorher});
        }
        TagInhalt& nachher = s.back().m_nachher;
        (t.GetHour() < 12 ? nachher.m_nVormittag : nachher.m_nNachmittag) = nArt;
    }
    return NurAenderungen(std::move(s));
}

Schritt NotizSchritt(const CRessource& r, CTime datum, const std::string& strVorher) {
    TagInhalt nachher = TagInhalt::Von(r.FindeTag(datum));
    TagInhalt vorher = nachher;
    vorher.m_strNotiz = strVorher;
    return NurAenderungen({{RessourcenKennung::Von(r), Vormittag(datum), 0, vorher, nachher}});
}

Anwendung SchrittAnwenden(const Schritt& schritt, bool bZurueck, const RessourcenListe& datei,
                          RessourcenListe& arbeit, CTime jetzt, AenderungsBasis* basis) {
    Anwendung ergebnis;
    for (const TagAenderung& t : schritt) {
        const TagInhalt& erwartet = bZurueck ? t.m_nachher : t.m_vorher;
        const TagInhalt& ziel = bZurueck ? t.m_vorher : t.m_nachher;
        const CRessource* dort = LebendeRessource(datei, t.m_kennung);
        CRessource* hier = LebendeRessource(arbeit, t.m_kennung);
        if (!dort || !hier ||
            (Unterschiede(TagInhalt::Von(dort->FindeTag(t.m_timeDatum)), erwartet) & t.m_nTeile)) {
            ergebnis.m_ausgelassen.push_back(t);
            continue;
        }
        if (basis) basis->Vormerken(*hier, t.m_timeDatum);
        // Each SetTag writes only the half its instant names, and keeps the note.
        const CTime abend(t.m_timeDatum.GetTime() + kHalberTag);
        if (t.m_nTeile & kTeilVormittag) SetTag(hier, t.m_timeDatum, ziel.m_nVormittag, 0, {}, jetzt);
        if (t.m_nTeile & kTeilNachmittag) SetTag(hier, abend, 0, ziel.m_nNachmittag, {}, jetzt);
        if (t.m_nTeile & kTeilNotiz) {
            CTagEintrag* e = hier->FindeTag(t.m_timeDatum);
            if (!e) {
                SetTag(hier, t.m_timeDatum, 0, 0, {}, jetzt);
                e = hier->FindeTag(t.m_timeDatum);
            }
            e->m_strNotiz = ziel.m_strNotiz;
            e->m_timeGeaendert = jetzt;
        }
        ergebnis.m_geschrieben.push_back(t);
    }
    return ergebnis;
}

std::string AusgelassenText(const Schritt& ausgelassen, bool bZurueck) {
    if (ausgelassen.empty()) return {};
    std::string text = bZurueck ? "Diese Tage hat inzwischen ein anderer Benutzer geändert; sie wurden nicht "
                                  "rückgängig gemacht:\n"
                                : "Diese Tage hat inzwischen ein anderer Benutzer geändert; sie wurden nicht "
                                  "wiederhergestellt:\n";
    // Resource by resource in the order they first occur, each with its days in runs.
    std::vector<bool> erledigt(ausgelassen.size());
    for (std::size_t i = 0; i < ausgelassen.size(); ++i) {
        if (erledigt[i]) continue;
        const RessourcenKennung& k = ausgelassen[i].m_kennung;
        std::vector<std::int64_t> tage;
        for (std::size_t j = i; j < ausgelassen.size(); ++j) {
            if (!(ausgelassen[j].m_kennung == k)) continue;
            erledigt[j] = true;
            tage.push_back(LokaleTagNummer(ausgelassen[j].m_timeDatum));
        }
        std::sort(tage.begin(), tage.end());
        text += "\n" + Utf8AusCp1252(k.m_strBenennung1);
        if (!k.m_strBenennung2.empty())
            text += ", " + Utf8AusCp1252(k.m_strBenennung2); // as the grid names it
        text += ": ";
        for (std::size_t a = 0; a < tage.size();) {
            std::size_t b = a;
            while (b + 1 < tage.size() && tage[b + 1] == tage[b] + 1)
                ++b;
            if (a > 0) text += ", ";
            text += DatumText(tage[a]);
            if (b > a) text += " bis " + DatumText(tage[b]);
            a = b + 1;
        }
    }
    return text;
}

} // namespace kalvora
