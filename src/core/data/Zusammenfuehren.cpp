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

// Local calendar day as a day number: equal exactly when local year, month and day are equal,
// and far cheaper than a full breakdown, which the merge would need for every entry twice.
std::int64_t LokalerTag(CTime t) {
    const std::int64_t lokal = t.GetTime() + LokalerVersatz(t.GetTime());
    return lokal / 86400 - ((lokal % 86400) < 0 ? 1 : 0);
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

void TageZusammenfuehren(CRessource& w, CRessource& r, CTime jetzt) {
    std::vector<std::int64_t> tageW; // local days of w's slot, in slot order
    for (int m = 1; m <= 12; ++m)
        for (int d = 1; d <= 31; ++d) {
            TagSlot& rs = r.Slot(m, d);
            if (rs.empty()) continue;
            TagSlot& ws = w.Slot(m, d);
            tageW.clear();
            for (const CTagEintrag& x : ws)
                tageW.push_back(LokalerTag(x.m_timeDatum));
            for (CTagEintrag& e : rs) {
                const std::int64_t tag = LokalerTag(e.m_timeDatum);
                std::size_t i = 0;
                while (i < tageW.size() && tageW[i] != tag)
                    ++i;
                if (i == tageW.size()) {
                    TagUebernehmen(w, e, jetzt); // appends to ws
                    tageW.push_back(tag);
                    continue;
                }
                CTagEintrag& x = ws[i];
                if (e.m_timeGeaendert > x.m_timeGeaendert) {
                    x.m_nArtVormittag = e.m_nArtVormittag;
                    x.m_nArtNachmittag = e.m_nArtNachmittag;
                    x.m_timeDatum = e.m_timeDatum;
                    x.m_timeGeaendert = e.m_timeGeaendert;
                    x.m_strNotiz = std::move(e.m_strNotiz);
                }
            }
        }
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
