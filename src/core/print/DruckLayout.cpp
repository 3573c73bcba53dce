#include "print/DruckLayout.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>

#include "calendar/Kalender.h"
#include "view/JahresLayout.h"

namespace kalvora {
namespace {

// Beyond this no printer or image has a pixel; such pages are refused rather than overflowed.
constexpr int kGroesstesMass = 1 << 22;

bool IstVernuenftig(const Rechteck& r) {
    for (int v : {r.links, r.oben, r.rechts, r.unten})
        if (std::abs(v) > kGroesstesMass) return false;
    return true;
}

} // namespace

Rechteck DruckSeite::Tageszelle(std::size_t spalte, std::size_t zeile) const {
    if (spalte >= m_spalten.size() || zeile >= m_zeilenOben.size()) return {};
    const int x = m_spalten[spalte].m_nLinks;
    const int y = m_zeilenOben[zeile];
    return {x, y, x + m_nSpaltenBreite, y + m_nZeilenHoehe};
}

std::pair<int, int> LegendenSpanne(int j, int x1) {
    const int p = x1 / 10;
    const int q = x1 / 20;
    const int i = (std::clamp(j, 1, kAnzahlArten) - 1) % kLegendeProZeile + 1;
    return {(p + q / 2) * (i - 1), p * i + (q * (i - 1)) / 2};
}

bool LiegtAmTag(CTime t, const DruckSpalte& spalte) {
    return t > spalte.m_timeAnfang && t < spalte.m_timeEnde;
}

Flaeche JahresDruckFlaeche(int R, int B) {
    if (R <= 0 || B <= 0) return {};
    // The same as narrowing 3B by one unit at a time until it fits the width.
    if (3LL * B <= R) return {3 * B, B};
    return {R, R / 3};
}

DruckSeite DruckSeiteAnordnen(const DruckEingabe& e, const CFeiertage& feiertage) {
    DruckSeite s;
    const Rechteck& p = e.m_seite;
    if (!IstVernuenftig(p)) return s;
    s.x0 = p.links + kDruckRand;
    s.y0 = p.oben + kDruckRand;
    s.x1 = p.rechts - kDruckRand;
    s.y1 = p.unten - kDruckRand;
    if (s.x1 <= s.x0 || s.y1 <= s.y0 || s.x1 <= 0) return DruckSeite{};

    const int zeilen = std::clamp(e.m_nZeilen, 0, kGroesstesMass);
    const int n = std::max({std::clamp(e.m_nAnzahl, 0, kGroesstesMass), zeilen, kDruckMindestZeilen});
    s.m_nNamenBreite = s.x1 / 5;
    s.m_nGrenze = s.x1 / 20;
    int h = std::max((s.y1 - s.y0) / (n + 4), 1);
    // Bottom of the second legend row: the grid lines between the rows are not in the share above.
    const auto legendeUnten = [&](int hh) {
        return std::int64_t{s.y0} + 2LL * hh + 2 + (std::int64_t{zeilen} + 1) * (hh + 1) + hh - hh / 10;
    };
    while (h > 1 && legendeUnten(h) > p.unten - 1) --h;
    s.m_nZeilenHoehe = h;

    const int x0 = s.x0;
    const int y0 = s.y0;
    const int nb = s.m_nNamenBreite;
    s.m_ecke = {x0, y0, x0 + nb, y0 + 2 * h + 2};

    // Rows that start below the page would only cost time.
    for (int i = 0; i < zeilen; ++i) {
        const std::int64_t oben = std::int64_t{y0} + 2LL * h + 2 + std::int64_t{i} * (h + 1);
        if (oben > p.unten) break;
        const int y = static_cast<int>(oben);
        s.m_zeilenOben.push_back(y);
        s.m_namen.push_back({x0, y + 1, x0 + nb, y + 1 + h});
    }

    const int legende = y0 + 2 * h + 2 + zeilen * (h + 1);
    for (int j = 1; j <= kAnzahlArten; ++j) {
        const auto [links, rechts] = LegendenSpanne(j, s.x1);
        const int oben = legende + (j > kLegendeProZeile ? h + 1 : 0);
        s.m_legende[static_cast<std::size_t>(j - 1)] = {p.links + links, oben + h / 10, p.links + rechts,
                                                       oben + h - h / 10};
    }

    const std::int64_t erster = TageAusDatum(e.m_von.jahr, e.m_von.monat, e.m_von.tag);
    const std::int64_t letzter = TageAusDatum(e.m_bis.jahr, e.m_bis.monat, e.m_bis.tag);
    if (letzter < erster) return s;
    const std::int64_t tage = std::min<std::int64_t>(letzter - erster + 1, kGroesstesMass);
    s.m_nTage = static_cast<int>(tage);
    const int d = s.m_nTage;
    const int w = std::max(((s.x1 - x0) - (nb + 1) - d) / d, 0);
    s.m_nSpaltenBreite = w;

    int monatsAnfang = x0 + 1 + nb;
    for (int j = 0; j < d; ++j) {
        const std::int64_t x64 = std::int64_t{x0} + 1 + nb + std::int64_t{j} * (w + 1);
        if (x64 > p.rechts) break; // the rest would lie beyond the page
        const int x = static_cast<int>(x64);
        DruckSpalte sp;
        sp.m_datum = DatumAusTagen(erster + j);
        const Datum& t = sp.m_datum;
        sp.m_nWochentag = Wochentag(t.tag, t.monat, t.jahr);
        sp.m_nLinks = x;
        sp.m_kopf = {x, y0 + h + 1, x + w, y0 + 2 * h + 1};
        sp.m_strTag = std::to_string(t.tag);
        sp.m_strWochentag = WochentagKuerzel(sp.m_nWochentag);
        sp.m_bSchulferien = feiertage.IstSchulferien(t.tag, t.monat, t.jahr);
        sp.m_bFrei = IstWochenende(sp.m_nWochentag) || feiertage.IstFeiertag(t.tag, t.monat, t.jahr);
        if (sp.m_nWochentag == 1) sp.m_strKalenderwoche = std::to_string(feiertage.Kalenderwoche(t.tag, t.monat, t.jahr));
        sp.m_timeAnfang = CTime(t.jahr, t.monat, t.tag, 0, 0, 0);
        sp.m_timeEnde = CTime(t.jahr, t.monat, t.tag, 23, 59, 59);

        const Datum naechster = DatumAusTagen(erster + j + 1);
        const bool letzte = j + 1 == d || x64 + w + 1 > p.rechts;
        if (naechster.monat != t.monat || letzte) {
            DruckMonat monat;
            monat.m_rect = {monatsAnfang, y0, x + w, y0 + h};
            if (monat.m_rect.Breite() > s.m_nGrenze) {
                monat.m_strJahr = std::to_string(t.jahr);
                monat.m_strMonat = MonatsKuerzel(t.monat);
            }
            s.m_monate.push_back(std::move(monat));
            monatsAnfang = x + w + 1;
        }
        s.m_spalten.push_back(std::move(sp));
    }
    return s;
}

} // namespace kalvora
