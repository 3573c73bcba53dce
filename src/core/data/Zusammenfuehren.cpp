#include "data/Zusammenfuehren.h"

#include <cstdint>
#include <string>
#include <unordered_map>
#include <vector>

#include "data/Einfuegen.h"

namespace kalvora {
namespace {

// Identity as one hash key; the length prefixes keep ("ab", "c") apart from ("a", "bc").
std::string Identitaet(const CRessource& r) {
    std::string k;
    k.reserve(r.m_strBenennung1.size() + r.m_strBenennung2.size() + r.m_strIdentNr.size() + 12);
    for (const std::string* s : {&r.m_strBenennung1, &r.m_strBenennung2, &r.m_strIdentNr}) {
        const auto n = static_cast<std::uint32_t>(s->size());
        k.append(reinterpret_cast<const char*>(&n), sizeof n);
        k += *s;
    }
    return k;
}

// A day taken from the disk into a working record: both halves and the note at 09:00 and at
// 21:00 of its date, as two SetTag calls, so the entry carries the time of the merge.
void TagUebernehmen(CRessource& ziel, const CTagEintrag& e, CTime jetzt) {
    const LokaleZeit z = e.m_timeDatum.Lokal();
    SetTag(&ziel, CTime(z.jahr, z.monat, z.tag, 9, 0, 0), e.m_nArtVormittag, e.m_nArtNachmittag, e.m_strNotiz,
           jetzt);
    SetTag(&ziel, CTime(z.jahr, z.monat, z.tag, 21, 0, 0), e.m_nArtVormittag, e.m_nArtNachmittag,
           e.m_strNotiz, jetzt);
}

// What TagUebernehmen makes of a day the working record does not have yet.
CTagEintrag UebernommenerTag(const CTagEintrag& e, CTime jetzt) {
    const LokaleZeit z = e.m_timeDatum.Lokal();
    return {jetzt, e.m_nArtVormittag, e.m_nArtNachmittag, CTime(z.jahr, z.monat, z.tag, 9, 0, 0), e.m_strNotiz};
}

void TageZusammenfuehren(CRessource& w, CRessource& r, CTime jetzt) {
    // Days new to w are collected and appended in one pass at the end: a record far behind
    // would otherwise shift its whole table once per day taken in.
    std::vector<TagTabelle::Neu> neu;
    std::vector<std::int64_t> tageW; // local days of w's slot, then of the slot's new entries
    for (int m = 1; m <= 12; ++m)
        for (int d = 1; d <= 31; ++d) {
            const std::span<CTagEintrag> rs = r.Slot(m, d);
            if (rs.empty()) continue;
            const std::span<CTagEintrag> ws = w.Slot(m, d);
            const std::size_t neuAnfang = neu.size();
            tageW.clear();
            for (const CTagEintrag& x : ws)
                tageW.push_back(LokaleTagNummer(x.m_timeDatum));
            for (CTagEintrag& e : rs) {
                const std::int64_t tag = LokaleTagNummer(e.m_timeDatum);
                std::size_t i = 0;
                while (i < tageW.size() && tageW[i] != tag)
                    ++i;
                if (i == tageW.size()) {
                    neu.push_back({TagTabelle::SlotVon(m, d), UebernommenerTag(e, jetzt)});
                    tageW.push_back(tag);
                    continue;
                }
                CTagEintrag& x = i < ws.size() ? ws[i] : neu[neuAnfang + (i - ws.size())].eintrag;
                if (e.m_timeGeaendert > x.m_timeGeaendert) {
                    x.m_nArtVormittag = e.m_nArtVormittag;
                    x.m_nArtNachmittag = e.m_nArtNachmittag;
                    x.m_timeDatum = e.m_timeDatum;
                    x.m_timeGeaendert = e.m_timeGeaendert;
                    x.m_strNotiz = std::move(e.m_strNotiz);
                }
            }
        }
    w.m_pTage.AnhaengenAlle(std::move(neu));
}

} // namespace

void Zusammenfuehren(RessourcenListe& arbeit, RessourcenListe& geladen, CTime jetzt) {
    // The first working record of each identity, as a scan from the head would find it. A record
    // added below has an identity the list did not have, so it is the first of its own.
    std::unordered_map<std::string, CRessource*> index;
    index.reserve(arbeit.size() + geladen.size());
    for (const auto& w : arbeit)
        index.try_emplace(Identitaet(*w), w.get());

    for (const auto& pr : geladen) {
        CRessource& r = *pr;
        std::string identitaet = Identitaet(r);
        const auto it = index.find(identitaet);
        if (it == index.end()) {
            auto neu = std::make_unique<CRessource>();
            neu->m_strBenennung1 = std::move(r.m_strBenennung1);
            neu->m_strBenennung2 = std::move(r.m_strBenennung2);
            neu->m_strGruppe = std::move(r.m_strGruppe);
            neu->m_strIdentNr = std::move(r.m_strIdentNr);
            neu->m_timeGeaendert = r.m_timeGeaendert;
            neu->m_bGeloescht = r.m_bGeloescht;
            r.FuerAlleTage([&](const CTagEintrag& e) { TagUebernehmen(*neu, e, jetzt); });
            CRessource& eingefuegt = EinfuegenNachBenennung(arbeit, std::move(neu));
            index.emplace(std::move(identitaet), &eingefuegt);
            continue;
        }
        CRessource& w = *it->second;
        if (w.m_timeGeaendert < r.m_timeGeaendert) {
            // The identity texts are equal by definition; only the group can differ.
            w.m_strGruppe = std::move(r.m_strGruppe);
            w.m_timeGeaendert = r.m_timeGeaendert;
            w.m_bGeloescht = r.m_bGeloescht;
        }
        TageZusammenfuehren(w, r, jetzt);
    }
}

} // namespace kalvora
