#pragma once
// Generated plans for the benchmarks: `ressourcen` resources with `tageProJahr` marked working
// days in each of `jahre` years from 2015, a few with notes.
#include <random>
#include <string>

#include "data/Ressource.h"

namespace kalvora::bench {

inline RessourcenListe PlanErzeugen(int ressourcen = 1000, int tageProJahr = 250, int jahre = 10,
                                    unsigned saat = 42) {
    std::mt19937 rng(saat);
    RessourcenListe liste;
    liste.reserve(static_cast<std::size_t>(ressourcen));
    for (int i = 0; i < ressourcen; ++i) {
        auto r = std::make_unique<CRessource>();
        r->m_strBenennung1 = "Name" + std::to_string(100000 + i);
        r->m_strBenennung2 = "Vorname";
        r->m_strGruppe = "Gruppe" + std::to_string(i % 12);
        r->m_strIdentNr = std::to_string(i);
        r->m_timeGeaendert = CTime(1600000000 + i);
        std::vector<TagTabelle::Neu> tage; // appended at once: date order would shift the table per day
        for (int j = 0; j < jahre; ++j) {
            int markiert = 0;
            for (int tag = 0; tag < 366 && markiert < tageProJahr; ++tag) {
                const CTime datum(2015 + j, 1, 1, 9, 0, 0);
                const CTime d(datum.GetTime() + std::int64_t{tag} * 86400);
                const int wt = d.GetDayOfWeek();
                if (wt == 1 || wt == 7 || d.GetYear() != 2015 + j) continue;
                const int art = 1 + static_cast<int>(rng() % 16);
                const int zweite = rng() % 4 == 0 ? 1 + static_cast<int>(rng() % 16) : art;
                tage.push_back({TagTabelle::SlotVon(d.GetMonth(), d.GetDay()),
                                {CTime(1700000000 + markiert), art, zweite, d, rng() % 50 == 0 ? "Notiz zum Tag" : ""}});
                ++markiert;
            }
        }
        r->m_pTage.AnhaengenAlle(std::move(tage));
        liste.push_back(std::move(r));
    }
    return liste;
}

} // namespace kalvora::bench
