#include "data/Zusammenfuehren.h"

#include <cstdint>
#include <optional>
#include <string>
#include <unordered_map>
#include <unordered_set>
#include <vector>

#include "data/Einfuegen.h"

namespace kalvora {
namespace {

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
    return {jetzt, e.m_nArtVormittag, e.m_nArtNachmittag, CTime(z.jahr, z.monat, z.tag, 9, 0, 0),
            e.m_strNotiz};
}

// One part of a day changed here (`mein` differs from the base) or there (`dort` does): the side
// that changed it, and where both did, the side with the later change time.
template <class T> void DreiWege(T& x, T&& e, const T& b, bool dortNeuer) {
    const bool hier = !(x == b);
    const bool dort = !(e == b);
    if (dort && (!hier || dortNeuer)) x = std::move(e);
}

bool GleicherTag(const CTagEintrag& x, const CTagEintrag& e) {
    return x.m_timeGeaendert == e.m_timeGeaendert && x.m_nArtVormittag == e.m_nArtVormittag &&
           x.m_nArtNachmittag == e.m_nArtNachmittag && x.m_strNotiz == e.m_strNotiz;
}

// A day this instance changed since the last read: merged half by half against its base.
void TagDreiWege(CTagEintrag& x, CTagEintrag& e, const std::optional<CTagEintrag>& basis) {
    static const CTagEintrag kLeer{};
    const CTagEintrag& b = basis ? *basis : kLeer;
    const bool dortNeuer = e.m_timeGeaendert > x.m_timeGeaendert;
    DreiWege(x.m_nArtVormittag, int(e.m_nArtVormittag), b.m_nArtVormittag, dortNeuer);
    DreiWege(x.m_nArtNachmittag, int(e.m_nArtNachmittag), b.m_nArtNachmittag, dortNeuer);
    DreiWege(x.m_strNotiz, NotizText(e.m_strNotiz), b.m_strNotiz, dortNeuer);
    x.m_timeGeaendert = std::max(x.m_timeGeaendert, e.m_timeGeaendert);
}

void TagErsetzen(CTagEintrag& x, CTagEintrag& e) {
    x.m_nArtVormittag = e.m_nArtVormittag;
    x.m_nArtNachmittag = e.m_nArtNachmittag;
    x.m_timeDatum = e.m_timeDatum;
    x.m_timeGeaendert = e.m_timeGeaendert;
    x.m_strNotiz = std::move(e.m_strNotiz);
}

// `basis`: the resource's recorded days, if any; `gesehen` collects those the file has.
void TageZusammenfuehren(CRessource& w, CRessource& r, CTime jetzt, bool dreiWege,
                         AenderungsBasis::Tage* basis,
                         std::unordered_set<const std::optional<CTagEintrag>*>& gesehen) {
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
                std::optional<CTagEintrag>* aufgezeichnet = nullptr;
                if (basis) {
                    const auto it = basis->find(tag);
                    if (it != basis->end()) {
                        if (!gesehen.insert(&it->second).second) continue; // the file stores it twice
                        aufgezeichnet = &it->second;
                    }
                }
                std::size_t i = 0;
                while (i < tageW.size() && tageW[i] != tag)
                    ++i;
                if (i == tageW.size()) {
                    if (aufgezeichnet) *aufgezeichnet = e;
                    neu.push_back({TagTabelle::SlotVon(m, d), UebernommenerTag(e, jetzt)});
                    tageW.push_back(tag);
                    continue;
                }
                CTagEintrag& x = i < ws.size() ? ws[i] : neu[neuAnfang + (i - ws.size())].eintrag;
                if (aufgezeichnet) {
                    CTagEintrag dort = e; // the new base; `e` gives up its note below
                    TagDreiWege(x, e, *aufgezeichnet);
                    *aufgezeichnet = std::move(dort);
                } else if (dreiWege ? !GleicherTag(x, e) : e.m_timeGeaendert > x.m_timeGeaendert) {
                    TagErsetzen(x, e);
                }
            }
        }
    w.m_pTage.AnhaengenAlle(std::move(neu));
}

} // namespace

void Zusammenfuehren(RessourcenListe& arbeit, RessourcenListe& geladen, CTime jetzt, AenderungsBasis* basis) {
    // Recorded days the merge meets take the file's state as their base; the others get "no entry".
    std::unordered_set<const std::optional<CTagEintrag>*> gesehen;
    // The first working record of each identity, as a scan from the head would find it. A record
    // added below has an identity the list did not have, so it is the first of its own.
    std::unordered_map<std::string, CRessource*> index;
    index.reserve(arbeit.size() + geladen.size());
    for (const auto& w : arbeit)
        index.try_emplace(IdentitaetsSchluessel(*w), w.get());

    for (const auto& pr : geladen) {
        CRessource& r = *pr;
        std::string identitaet = IdentitaetsSchluessel(r);
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
        TageZusammenfuehren(w, r, jetzt, basis != nullptr, basis ? basis->Fuer(identitaet) : nullptr,
                            gesehen);
    }
    if (basis)
        for (auto& [id, tage] : basis->Alle())
            for (auto& [tag, b] : tage)
                if (!gesehen.contains(&b)) b.reset();
}

} // namespace kalvora
