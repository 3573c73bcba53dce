#include "export/KalenderTermin.h"

#include <algorithm>
#include <cstdio>

#include "app/Zeichensatz.h"

namespace kalvora {
namespace {

bool IstArt(int art) {
    return art >= 1 && art <= kAnzahlArten;
}

// FNV-1a of the identity: names and number, separated so that ("ab", "c") differs from ("a", "bc").
std::uint64_t IdentitaetsWert(const CRessource& r) {
    std::uint64_t h = 14695981039346656037ull;
    for (const std::string* teil : {&r.m_strBenennung1, &r.m_strBenennung2, &r.m_strIdentNr}) {
        for (const char c : *teil) {
            h ^= static_cast<unsigned char>(c);
            h *= 1099511628211ull;
        }
        h ^= 0xFF; // no byte of a text
        h *= 1099511628211ull;
    }
    return h;
}

// Notes come from a Windows edit box: line breaks as CR LF; the calendar wants LF alone.
std::string NotizUtf8(const std::string& cp1252) {
    std::string text = Utf8AusCp1252(cp1252);
    std::erase(text, '\r');
    return text;
}

struct Lauf {
    int art = 0;
    KalenderTermin::Art haelfte = KalenderTermin::Ganztags;
    std::int64_t erster = 0;
    std::int64_t letzter = 0;
    CTime stempel;
    std::vector<std::pair<std::int64_t, std::string>> notizen; // day number, note (UTF-8)
};

class TerminBauer {
public:
    TerminBauer(const CRessource& r, const EintragsartTabelle& tabelle, std::vector<KalenderTermin>& ziel)
        : m_tabelle(tabelle), m_ziel(ziel), m_nIdentitaet(IdentitaetsWert(r)),
          m_strName(Utf8AusCp1252(r.m_strBenennung1) + ", " + Utf8AusCp1252(r.m_strBenennung2)) {}

    void Ganztag(std::int64_t tag, int art, const CTagEintrag& e) {
        if (m_bOffen && !(m_lauf.art == art && m_lauf.letzter + 1 == tag)) Abschliessen();
        if (!m_bOffen) {
            m_lauf = Lauf{art, KalenderTermin::Ganztags, tag, tag, e.m_timeGeaendert, {}};
            m_bOffen = true;
        }
        m_lauf.letzter = tag;
        m_lauf.stempel = std::max(m_lauf.stempel, e.m_timeGeaendert);
        // A note marked along with the run repeats on every day: once is enough.
        if (!e.m_strNotiz.empty()) {
            std::string notiz = NotizUtf8(e.m_strNotiz);
            if (m_lauf.notizen.empty() || m_lauf.notizen.back().second != notiz)
                m_lauf.notizen.emplace_back(tag, std::move(notiz));
        }
    }

    void Halbtag(std::int64_t tag, int art, KalenderTermin::Art haelfte, const CTagEintrag& e) {
        Abschliessen();
        Lauf halb{art, haelfte, tag, tag, e.m_timeGeaendert, {}};
        if (!e.m_strNotiz.empty()) halb.notizen.emplace_back(tag, NotizUtf8(e.m_strNotiz));
        Ausgeben(halb);
    }

    void Abschliessen() {
        if (m_bOffen) Ausgeben(m_lauf);
        m_bOffen = false;
    }

private:
    void Ausgeben(const Lauf& l) {
        KalenderTermin t;
        t.m_nArt = l.haelfte;
        t.m_datumVon = DatumAusTagen(l.erster);
        t.m_datumBis = DatumAusTagen(l.haelfte == KalenderTermin::Ganztags ? l.letzter + 1 : l.letzter);
        t.m_timeStempel = l.stempel;
        const char kennung = l.haelfte == KalenderTermin::Ganztags    ? 'G'
                             : l.haelfte == KalenderTermin::Vormittag ? 'V'
                                                                      : 'N';
        char uid[96];
        std::snprintf(uid, sizeof uid, "%04d%02d%02d-%d%c-%016llx@kalvora", t.m_datumVon.jahr, t.m_datumVon.monat,
                      t.m_datumVon.tag, l.art, kennung, static_cast<unsigned long long>(m_nIdentitaet));
        t.m_strUid = uid;
        t.m_strKategorie = ArtBezeichnung(m_tabelle, l.art);
        t.m_strTitel = m_strName + ": " + t.m_strKategorie;
        // One note stands as it is; several name the day each starts on.
        for (const auto& [tag, notiz] : l.notizen) {
            if (!t.m_strBeschreibung.empty()) t.m_strBeschreibung += '\n';
            if (l.notizen.size() > 1) {
                const Datum d = DatumAusTagen(tag);
                char datum[40];
                std::snprintf(datum, sizeof datum, "%02d.%02d.%04d: ", d.tag, d.monat, d.jahr);
                t.m_strBeschreibung += datum;
            }
            t.m_strBeschreibung += notiz;
        }
        m_ziel.push_back(std::move(t));
    }

    const EintragsartTabelle& m_tabelle;
    std::vector<KalenderTermin>& m_ziel;
    std::uint64_t m_nIdentitaet;
    std::string m_strName;
    Lauf m_lauf;           // the run of whole days being collected
    bool m_bOffen = false; // m_lauf holds one
};

} // namespace

std::string ArtBezeichnung(const EintragsartTabelle& tabelle, int art) {
    if (IstArt(art)) {
        const std::string& b = tabelle.m_strBedeutung[static_cast<std::size_t>(art)];
        const auto anfang = b.find_first_not_of(" \t");
        if (anfang != std::string::npos)
            return Utf8AusCp1252(b.substr(anfang, b.find_last_not_of(" \t") - anfang + 1));
    }
    return "Art " + std::to_string(art);
}

ArtFilter AlleArten() {
    ArtFilter f;
    f.fill(true);
    f[0] = false;
    return f;
}

std::vector<KalenderTermin> TermineBilden(const std::vector<const CRessource*>& ressourcen,
                                          const EintragsartTabelle& tabelle, Datum von, Datum bis,
                                          const ArtFilter& arten) {
    std::vector<KalenderTermin> termine;
    const std::int64_t erster = TageAusDatum(von.jahr, von.monat, von.tag);
    const std::int64_t letzter = TageAusDatum(bis.jahr, bis.monat, bis.tag);
    const auto gewaehlt = [&](int art) { return IstArt(art) && arten[static_cast<std::size_t>(art)] ? art : 0; };
    for (const CRessource* r : ressourcen) {
        if (!r || r->m_bGeloescht) continue;
        TerminBauer bauer(*r, tabelle, termine);
        for (std::int64_t tag = erster; tag <= letzter; ++tag) {
            const Datum d = DatumAusTagen(tag);
            // Noon: the entry's local date, whatever the day's length around a clock change.
            const CTagEintrag* e = r->FindeTag(CTime(d.jahr, d.monat, d.tag, 12, 0, 0));
            const int vor = e ? gewaehlt(e->m_nArtVormittag) : 0;
            const int nach = e ? gewaehlt(e->m_nArtNachmittag) : 0;
            if (vor != 0 && vor == nach) {
                bauer.Ganztag(tag, vor, *e);
                continue;
            }
            bauer.Abschliessen();
            if (vor) bauer.Halbtag(tag, vor, KalenderTermin::Vormittag, *e);
            if (nach) bauer.Halbtag(tag, nach, KalenderTermin::Nachmittag, *e);
        }
        bauer.Abschliessen();
    }
    return termine;
}

} // namespace kalvora
