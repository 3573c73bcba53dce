#pragma once
// Generated plans for the benchmarks: `ressourcen` resources with `tageProJahr` marked working
// days in each of `jahre` years from 2015, a few with notes.
#include <fcntl.h>
#include <filesystem>
#include <random>
#include <string>
#include <string_view>
#include <unistd.h>

#include "data/Ressource.h"

namespace kalvora::bench {

// The plain write a save is measured against: truncate, write, flush, close, in place.
inline bool SchlichtSchreiben(const std::filesystem::path& pfad, std::string_view inhalt) {
    const int fd = ::open(pfad.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
    if (fd < 0) return false;
    bool ok = true;
    for (std::size_t n = 0; ok && n < inhalt.size();) {
        const ssize_t w = ::write(fd, inhalt.data() + n, inhalt.size() - n);
        ok = w > 0;
        if (ok) n += static_cast<std::size_t>(w);
    }
    ok = ::fsync(fd) == 0 && ok;
    return ::close(fd) == 0 && ok;
}

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
