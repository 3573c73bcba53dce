#include "data/Ressource.h"

#include <algorithm>

using namespace kalvora;

namespace {

template <class E> E* FindeIn(std::span<E> slot, const LokaleZeit& z) {
    for (E& e : slot) {
        const LokaleZeit d = e.m_timeDatum.Lokal();
        if (d.jahr == z.jahr && d.monat == z.monat && d.tag == z.tag) return &e;
    }
    return nullptr;
}

// Shared by both day setters. Returns the touched entry.
CTagEintrag& Markiere(CRessource& r, CTime datum, int nVormittag, int nNachmittag, const std::string& notiz,
                      bool bNotizErsetzen) {
    const LokaleZeit z = datum.Lokal();
    if (CTagEintrag* e = FindeIn(r.Slot(z.monat, z.tag), z)) {
        if (z.stunde >= 12)
            e->m_nArtNachmittag = nNachmittag;
        else
            e->m_nArtVormittag = nVormittag;
        if (bNotizErsetzen) e->m_strNotiz = notiz;
        return *e;
    }
    CTagEintrag neu;
    neu.m_timeDatum = datum;
    neu.m_nArtVormittag = nVormittag;
    neu.m_nArtNachmittag = nNachmittag;
    neu.m_strNotiz = notiz;
    return r.m_pTage.Anhaengen(z.monat, z.tag, std::move(neu));
}

} // namespace

CTagEintrag* CRessource::FindeTag(CTime datum) {
    const LokaleZeit z = datum.Lokal();
    return FindeIn(Slot(z.monat, z.tag), z);
}

const CTagEintrag* CRessource::FindeTag(CTime datum) const {
    const LokaleZeit z = datum.Lokal();
    return FindeIn(Slot(z.monat, z.tag), z);
}

std::unique_ptr<CRessource> CRessource::Kopie() const {
    auto kopie = std::make_unique<CRessource>();
    kopie->m_timeGeaendert = m_timeGeaendert;
    kopie->m_bGeloescht = m_bGeloescht;
    kopie->m_pTage = m_pTage;
    kopie->m_strBenennung1 = m_strBenennung1;
    kopie->m_strBenennung2 = m_strBenennung2;
    kopie->m_strGruppe = m_strGruppe;
    kopie->m_strIdentNr = m_strIdentNr;
    return kopie;
}

namespace kalvora {

void SetTag(CRessource* pRessource, CTime datum, int nVormittag, int nNachmittag, const std::string& notiz,
            CTime jetzt) {
    if (!pRessource) return;
    Markiere(*pRessource, datum, nVormittag, nNachmittag, notiz, false).m_timeGeaendert = jetzt;
}

void SetTagAnzeige(CRessource& ressource, CTime datum, int nVormittag, int nNachmittag, const std::string& notiz) {
    Markiere(ressource, datum, nVormittag, nNachmittag, notiz, true);
}

void TageAnzeigen(const CRessource& quelle, CRessource& zeile) {
    if (zeile.AnzahlEintraege() != 0) {
        quelle.FuerAlleTage([&](const CTagEintrag& e) {
            SetTagAnzeige(zeile, e.m_timeDatum, e.m_nArtVormittag, e.m_nArtNachmittag, e.m_strNotiz);
        });
        return;
    }
    std::vector<CTagEintrag> eintraege;
    eintraege.reserve(quelle.AnzahlEintraege()); // so that the pointers below stay valid
    TagTabelle::Enden ende{};
    std::vector<std::pair<std::int64_t, CTagEintrag*>> tage; // the row's days of the current slot
    for (int m = 1; m <= 12; ++m)
        for (int d = 1; d <= 31; ++d) {
            tage.clear();
            for (const CTagEintrag& e : quelle.Slot(m, d)) {
                const std::int64_t tag = LokaleTagNummer(e.m_timeDatum);
                const auto gleich = std::find_if(tage.begin(), tage.end(), [&](const auto& t) { return t.first == tag; });
                if (gleich != tage.end()) {
                    // The same date twice: what SetTagAnzeige does to the day already there.
                    CTagEintrag& x = *gleich->second;
                    if (e.m_timeDatum.GetHour() >= 12)
                        x.m_nArtNachmittag = e.m_nArtNachmittag;
                    else
                        x.m_nArtVormittag = e.m_nArtVormittag;
                    x.m_strNotiz = e.m_strNotiz;
                    continue;
                }
                CTagEintrag& neu = eintraege.emplace_back();
                const auto slot = static_cast<std::size_t>(TagTabelle::SlotVon(m, d));
                ende[slot + 1] = static_cast<std::uint32_t>(eintraege.size());
                neu.m_timeDatum = e.m_timeDatum;
                neu.m_nArtVormittag = e.m_nArtVormittag;
                neu.m_nArtNachmittag = e.m_nArtNachmittag;
                neu.m_strNotiz = e.m_strNotiz;
                tage.emplace_back(tag, &neu);
            }
        }
    zeile.m_pTage.Uebernehmen(std::move(eintraege), ende, true);
}

RessourcenListe KopiereListe(const RessourcenListe& liste) {
    RessourcenListe kopie;
    kopie.reserve(liste.size());
    for (const auto& r : liste) kopie.push_back(r->Kopie());
    return kopie;
}

void ListeFreigeben(RessourcenListe& liste) { liste.clear(); }

int FreieZeile(const RessourcenListe& liste) {
    int kandidat = 1;
    while (std::any_of(liste.begin(), liste.end(), [&](const auto& r) { return r->m_nZeile == kandidat; }))
        ++kandidat;
    return kandidat;
}

} // namespace kalvora
